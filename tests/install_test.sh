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
# A validator passes a file when it succeeds and makes no remark, whatever
# the locale does to the words and signs around its report.
quiet() {
    local output
    output=$("$@" 2>&1) || { echo "$output"; return 1; }
    [ -z "$output" ] || { echo "$output"; return 1; }
}
# appstreamcli reports in YAML, where every remark is an issue with a tag.
no_remarks() {
    local output
    output=$(appstreamcli validate --pedantic --no-net --format=yaml "$1" 2>&1) || { echo "$output"; return 1; }
    ! grep -q -e '- tag:' <<<"$output" || { echo "$output"; return 1; }
}
check test -x "$dest/usr/games/tavrin"
check test -s "$share/icons/hicolor/scalable/apps/$id.svg"
check quiet desktop-file-validate "$desktop"
check no_remarks "$share/metainfo/$id.metainfo.xml"
check grep -qx 'Name=Tavrin' "$desktop"
check grep -q '^Categories=.*Game;' "$desktop"
check grep -qx "Icon=$id" "$desktop"
check grep -qx "StartupWMClass=$id" "$desktop"
check grep -q "<id>$id</id>" "$share/metainfo/$id.metainfo.xml"
check grep -q '^Comment\[de\]=' "$desktop"
check grep -q '<summary xml:lang="ja">' "$share/metainfo/$id.metainfo.xml"
check test -s "$share/locale/ar/LC_MESSAGES/tavrin.mo"
check test -s "$share/man/man6/tavrin.6.gz"
check test -s "$share/doc/tavrin/copyright"
exit $failed
