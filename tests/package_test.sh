#!/usr/bin/env bash
# Builds the Debian package and looks inside it.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$out"/*.deb)
contents=$(dpkg-deb -c "$deb")
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"

failed=0
has_file() {
    if grep -q " \./usr/$1\$" <<<"$contents"; then echo "ok: $1"; else echo "FAILED: no $1"; failed=$((failed + 1)); fi
}
depends_on() {
    if grep -Eq "(^|, )$1( |,|$)" <<<"$depends"; then echo "ok: depends on $1"; else echo "FAILED: no dependency on $1"; failed=$((failed + 1)); fi
}
has_file bin/tavrin
has_file share/applications/x-vnd.dcwt.tavrin.desktop
has_file share/icons/hicolor/scalable/apps/x-vnd.dcwt.tavrin.svg
has_file share/metainfo/x-vnd.dcwt.tavrin.metainfo.xml
for package in libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6 libxcb1 fonts-dejavu-core qt6-qpa-plugins; do
    depends_on "$package"
done
exit $failed
