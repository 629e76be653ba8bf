#!/bin/sh
# Every text the viewer looks up by id (menu items, status messages, the
# information panel, the result texts the engine names) has an English and a
# Japanese translation.
# usage: translations_test.sh SOURCE_FOLDER
set -eu
cd "$1"
ids=$( (grep -ohE '"(Error(Title|Msg)[0-9]{4}|Menu|Info|Status|Zoom|Align|Panel)[A-Z][A-Za-z]*"' app/*.cpp; grep -ohE '"(Result|Cause)[A-Z][A-Za-z]*"' engine/result_texts.cpp) | tr -d '"' | sort -u)
missing=0
for id in $ids; do
    for language in en ja; do
        # The message's lines up to its end, where a translation must have text.
        if ! awk -v start="<message id=\"$id\">" 'index($0, start) { on = 1 } on { print } on && /<\/message>/ { exit }' \
                "resources/translations/mpoview_$language.ts" | grep -qE '<translation>[^<]'; then
            echo "no $language translation: $id"
            missing=1
        fi
    done
done
[ "$missing" -eq 0 ] && echo "$(echo "$ids" | wc -l) texts translated"
