#!/bin/sh
# Installs the build into a scratch prefix and checks that a desktop would
# find the programs, the desktop entry, the .mpo type, the icon and the texts,
# that no program, built or installed, looks for libraries in the folder it
# is started from (an empty run path entry), and that the viewer answers
# --help and --version without a display.
# usage: install_test.sh BUILD_FOLDER
set -eu
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null
id=io.github.mpoview.MpoView
for file in bin/mpoview bin/mposplit bin/mpojoin bin/mpostereo bin/mpocheck bin/mpothumbnail share/thumbnailers/mpoview.thumbnailer \
            share/applications/$id.desktop share/mime/packages/$id.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/mpoview/translations/mpoview_ja.qm \
            share/metainfo/$id.metainfo.xml share/man/man1/mpoview.1.gz share/bash-completion/completions/mposplit; do
    [ -s "$prefix/$file" ] || { echo "missing: $file"; exit 1; }
done
[ -x "$prefix/bin/mpoview" ] && [ -x "$prefix/bin/mposplit" ] && [ -x "$prefix/bin/mpojoin" ] && [ -x "$prefix/bin/mpostereo" ] && [ -x "$prefix/bin/mpocheck" ]
grep -q '^MimeType=image/x-mpo;image/jpeg;image/x-jps;image/x-pns;$' "$prefix/share/applications/$id.desktop"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop"
fi
if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime"
    grep -q 'image/x-mpo:\*\.mpo' "$prefix/share/mime/globs"
    grep -q 'image/x-jps:\*\.jps' "$prefix/share/mime/globs"
    grep -q 'image/x-pns:\*\.pns' "$prefix/share/mime/globs"
fi
for program in mpoview mposplit mpojoin mpostereo mpocheck mpothumbnail; do
    for built in "$1/$program" "$1/app/$program" "$prefix/bin/$program"; do
        [ -f "$built" ] || continue
        if readelf -d "$built" | grep -E 'R(UN)?PATH' | grep -qE '\[:|::|:\]|\[\]'; then
            echo "empty run path entry: $built"; exit 1
        fi
    done
done
# Help and version need no display: they answer before the window system starts.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/mpoview" --help | grep -q '^usage: mpoview'
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/mpoview" --version)" = "mpoview $(sed -n 's/^project(mpoview VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")" ]
echo "installed and found"
