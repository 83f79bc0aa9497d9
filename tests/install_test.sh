#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the desktop files there.
#   install_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
cmake --install "$build" --prefix "$dest/usr" >/dev/null
share=$dest/usr/share
desktop=$share/applications/$id.desktop

failed=0
check() {
    if "$@"; then echo "ok: $*"; else echo "FAILED: $*"; failed=$((failed + 1)); fi
}
# Validators that pass with remarks print them; a clean file prints nothing more.
quiet() {
    local output
    output=$("$@" 2>&1) || { echo "$output"; return 1; }
    grep -v -e '^✔ Validation was successful\.$' <<<"$output" | grep -q . && { echo "$output"; return 1; }
    return 0
}
check test -x "$dest/usr/games/tavrin"
check test -s "$share/icons/hicolor/scalable/apps/$id.svg"
check quiet desktop-file-validate "$desktop"
check quiet appstreamcli validate --pedantic --no-net "$share/metainfo/$id.metainfo.xml"
check grep -qx 'Name=Tavrin' "$desktop"
check grep -q '^Categories=.*Game;' "$desktop"
check grep -qx "Icon=$id" "$desktop"
check grep -qx "StartupWMClass=$id" "$desktop"
check grep -q "<id>$id</id>" "$share/metainfo/$id.metainfo.xml"
check test -s "$share/man/man6/tavrin.6.gz"
check test -s "$share/doc/tavrin/copyright"
exit $failed
