#!/bin/sh
# Builds the Debian package, checks what it holds (programs, desktop entry,
# MIME type, icon, AppStream metainfo, man pages, bash completion,
# translations), validates the metainfo, the desktop entry and the man
# pages, then installs it with apt-get, checks the installed programs and
# removes it again, checking that nothing is left behind: on this machine,
# or with --fresh in a minimal Debian 12 made for the check.
# Installing needs root (or sudo).
. "$(dirname "$0")/common.sh"

install_missing $build_packages dpkg-dev appstream desktop-file-utils man-db shared-mime-info

build_project build-package -DCMAKE_BUILD_TYPE=Release -DMPO_BUILD_TESTS=OFF
cd "$project_root/build-package"
rm -f mpoview_*.deb
cpack -G DEB >/dev/null
deb=$(ls "$PWD"/mpoview_*.deb)
echo "Built $deb"

id=io.github.mpoview.MpoView
expected="usr/bin/mpoview usr/bin/mposplit usr/bin/mpojoin usr/bin/mpostereo usr/bin/mpothumbnail
usr/share/thumbnailers/mpoview.thumbnailer usr/share/man/man1/mpothumbnail.1.gz
usr/share/applications/$id.desktop usr/share/mime/packages/$id.xml
usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/metainfo/$id.metainfo.xml
usr/share/man/man1/mpoview.1.gz usr/share/man/man1/mposplit.1.gz usr/share/man/man1/mpojoin.1.gz
usr/share/man/man1/mpostereo.1.gz usr/share/bash-completion/completions/mposplit
usr/share/bash-completion/completions/mpojoin usr/share/bash-completion/completions/mpostereo
usr/share/bash-completion/completions/mpoview usr/share/mpoview/translations/mpoview_ja.qm"
contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
for file in $expected; do
    [ -s "$contents/$file" ] || { echo "not in the package: $file"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libqt6widgets6 libexiv2 liblcms2 libjpeg62-turbo libc6 libqt6svg6 qt6-translations-l10n; do
    echo "$depends" | grep -q "$library" || { echo "no dependency on $library"; exit 1; }
done

dpkg-deb -f "$deb" Recommends | grep -q fonts-noto-cjk || { echo "no font for Japanese recommended"; exit 1; }

appstreamcli validate --no-net "$contents/usr/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$contents/usr/share/applications/$id.desktop"
for page in "$contents"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
done
echo "metainfo, desktop entry and man pages are valid"

sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
# With --fresh, the package goes into a minimal Debian 12 made for the
# check (debootstrap) instead of this machine.
in=""
if [ "${1:-}" = "--fresh" ]; then
    install_missing debootstrap
    fresh=$(mktemp -d)
    trap '$sudo umount "$fresh/proc" 2>/dev/null; $sudo rm -rf "$fresh" "$contents"' EXIT
    echo "Making a fresh Debian 12 in $fresh"
    $sudo debootstrap --variant=minbase bookworm "$fresh" http://deb.debian.org/debian >/dev/null
    $sudo mount --bind /proc "$fresh/proc"
    $sudo cp "$deb" "$fresh/root/"
    deb=/root/$(basename "$deb")
    in="chroot $fresh"
    $sudo $in apt-get update -q >/dev/null
fi

$sudo $in env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$deb" >/dev/null
for file in $expected; do
    $sudo $in test -s "/$file" || { echo "not installed: /$file"; exit 1; }
done
$sudo $in mposplit --version && $sudo $in mpojoin --version && $sudo $in mpostereo --version && $sudo $in mpothumbnail --version
# The thumbnailer file names the installed program, as file managers run it.
$sudo $in grep -q '^Exec=mpothumbnail -s %s %i %o$' /usr/share/thumbnailers/mpoview.thumbnailer
$sudo $in ldd /usr/bin/mpoview | grep -q 'not found' && { echo "mpoview misses a library"; exit 1; }
if $sudo $in sh -c 'command -v man' >/dev/null; then
    $sudo $in man -w mposplit | grep -q /usr/share/man/man1/mposplit.1.gz
fi
$sudo $in grep -q 'image/x-mpo' /usr/share/mime/globs2 || { echo "the MIME type is not registered"; exit 1; }
echo "installed"

$sudo $in env DEBIAN_FRONTEND=noninteractive apt-get remove -y -q --purge mpoview >/dev/null
for file in $expected; do
    ! $sudo $in test -e "/$file" || { echo "left behind: /$file"; exit 1; }
done
$sudo $in grep -q 'image/x-mpo' /usr/share/mime/globs2 && { echo "the MIME type is still registered"; exit 1; }
echo "removed cleanly"
echo "The package is good: $(basename "$deb")"
