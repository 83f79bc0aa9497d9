#!/usr/bin/env bash
# Builds the Debian package, looks inside it and has lintian judge it.
#   package_test.sh BUILD_DIR APP_ID LINGUAS
set -euo pipefail
build=$1
id=$2
languages=$(grep -v '^#' "$3")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$out"/*.deb)
contents=$(dpkg-deb -c "$deb")
depends=$(dpkg-deb -f "$deb" Depends)
recommends=$(dpkg-deb -f "$deb" Recommends)
suggests=$(dpkg-deb -f "$deb" Suggests)
echo "Depends: $depends"
echo "Recommends: $recommends"
echo "Suggests: $suggests"

failed=0
has_file() {
    if grep -q " \./usr/$1\$" <<<"$contents"; then echo "ok: $1"; else echo "FAILED: no $1"; failed=$((failed + 1)); fi
}
names() {
    if grep -Eq "(^|, )$2( |,|$)" <<<"$1"; then echo "ok: $3 $2"; else echo "FAILED: no $3 $2"; failed=$((failed + 1)); fi
}
has_file games/tavrin
has_file share/applications/$id.desktop
has_file share/icons/hicolor/scalable/apps/$id.svg
has_file share/metainfo/$id.metainfo.xml
has_file share/man/man6/tavrin.6.gz
has_file share/doc/tavrin/copyright
has_file share/doc/tavrin/changelog.gz
for language in $languages; do
    has_file share/locale/$language/LC_MESSAGES/tavrin.mo
done
if grep -q '/qaa/' <<<"$contents"; then echo "FAILED: the test language is packed"; failed=$((failed + 1)); fi
# Debian 13 renamed Qt's libraries for the 64-bit time_t (libqt6core6t64).
for package in libc6 libstdc\\+\\+6 'libqt6core6(t64)?' 'libqt6gui6(t64)?' 'libqt6widgets6(t64)?' \
    fonts-dejavu-core qt6-qpa-plugins; do
    names "$depends" "$package" "depends on"
done
names "$recommends" qt6-wayland recommends
names "$recommends" qt6-translations-l10n recommends
names "$suggests" fonts-noto-cjk suggests

# Lintian finds neither errors nor warnings.
if lintian --fail-on error,warning "$deb" 2>/dev/null; then echo "ok: lintian"; else echo "FAILED: lintian"; failed=$((failed + 1)); fi
exit $failed
