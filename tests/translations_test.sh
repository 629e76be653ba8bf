#!/bin/sh
# Every text the viewer shows is looked up by id and has an English and a
# Japanese translation: the texts of the code (qtTrId, QT_TRID_NOOP), of the
# window layouts, the stereo views' names, the reasons a pair is refused,
# the result texts the engine names and the MP types. A text shown without an id (tr(), a layout string without one) fails.
# usage: translations_test.sh SOURCE_FOLDER
set -eu
cd "$1"
code=$(find app -name '*.cpp' -o -name '*.h')
missing=0
untranslatable=$(grep -nE '(^|[^A-Za-z_])tr\(' $code || true)
if [ -n "$untranslatable" ]; then
    echo "shown without an id:"; echo "$untranslatable"; missing=1
fi
for layout in resources/*.ui; do
    grep -q 'idbasedtr="true"' "$layout" || { echo "$layout: not id-based"; missing=1; }
    if grep -nE '<string>|<string notr="false"' "$layout"; then echo "$layout: a string without an id"; missing=1; fi
done
ids=$( (grep -ohE '(qtTrId|QT_TRID_NOOP)\("[A-Za-z0-9]+"' $code | sed 's/.*("//'
        grep -ohE '"(Info|Align)[A-Z][A-Za-z]*"' $code
        grep -ohE '<string id="[A-Za-z0-9]+"' resources/*.ui | sed 's/.*id="//'
        grep -ohE '"View[A-Z][A-Za-z]*"' stereo/stereo_view.cpp
        grep -ohE 'return \{\{?"[A-Za-z]+"|stopped\("[A-Za-z]+"' stereo/*.cpp | sed 's/.*"\([A-Za-z]*\)"/"\1"/'
        grep -ohE '"(Result|Cause)[A-Z][A-Za-z]*"' engine/result_texts.cpp) | tr -d '"' | sort -u)
# The MP types, looked up by the engine's name for each.
types=$(grep -ohE 'return "[a-z ]+";' engine/trace.cpp | sed 's/return "\(.*\)";/MPType \1/')
echo "$ids
$types" > /tmp/translation-ids.$$
while IFS= read -r id; do
    for language in en ja; do
        # The message's lines up to its end, where a translation must have text.
        if ! awk -v start="<message id=\"$id\">" 'index($0, start) { on = 1 } on { print } on && /<\/message>/ { exit }' \
                "resources/translations/mpoview_$language.ts" | grep -qE '<translation>[^<]'; then
            echo "no $language translation: $id"
            missing=1
        fi
    done
done < /tmp/translation-ids.$$
rm -f /tmp/translation-ids.$$
[ "$missing" -eq 0 ] && echo "$(( $(echo "$ids" | wc -l) + $(echo "$types" | wc -l) )) texts translated"
