#!/usr/bin/env bash
# Checks that the translators' template holds every text the sources mark
# for translation, and that every language's catalogue translates all of it.
#   template_test.sh SOURCE_DIR XGETTEXT ARGUMENTS...
set -euo pipefail
cd "$1"
shift
fresh=$(mktemp --suffix=.pot)
trap 'rm -f "$fresh"' EXIT
"$@" -o "$fresh"

failed=0
if ! msgcmp --use-untranslated po/tavrin.pot "$fresh"; then
    echo "FAILED: po/tavrin.pot lacks texts of the sources; run the pot target"
    failed=1
fi
for language in $(grep -v '^#' po/LINGUAS); do
    if ! msgcmp "po/$language.po" po/tavrin.pot; then
        echo "FAILED: po/$language.po does not translate every text"
        failed=1
    fi
done
exit $failed
