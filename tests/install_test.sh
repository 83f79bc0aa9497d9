#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the desktop files there.
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
cmake --install "$build" --prefix "$dest/usr" >/dev/null

failed=0
check() {
    if "$@"; then echo "ok: $*"; else echo "FAILED: $*"; failed=$((failed + 1)); fi
}
check test -x "$dest/usr/bin/tavrin"
check test -s "$dest/usr/share/icons/hicolor/scalable/apps/x-vnd.dcwt.tavrin.svg"
check desktop-file-validate "$dest/usr/share/applications/x-vnd.dcwt.tavrin.desktop"
check appstreamcli validate --no-net "$dest/usr/share/metainfo/x-vnd.dcwt.tavrin.metainfo.xml"
check grep -qx 'Name=Tavrin' "$dest/usr/share/applications/x-vnd.dcwt.tavrin.desktop"
check grep -q '^Categories=.*Game;' "$dest/usr/share/applications/x-vnd.dcwt.tavrin.desktop"
check grep -qx 'Icon=x-vnd.dcwt.tavrin' "$dest/usr/share/applications/x-vnd.dcwt.tavrin.desktop"
exit $failed
