#!/bin/sh
# The thumbnails a real thumbnail service makes with the installed
# thumbnailer: tumbler on a private session bus, the build installed into a
# scratch prefix that XDG_DATA_DIRS and PATH name, asked over
# org.freedesktop.thumbnails.Thumbnailer1 for an MPO, a JPS and a PNS file.
# Each must be Ready, and its PNG in the scratch cache must carry the
# Thumb::URI that the freedesktop thumbnail cache keys on and be at most 128 pixels on its long side.
# usage: thumbnail_service_test.sh BUILD_FOLDER
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
mkdir -p "$work/pictures" "$work/home"
"$build/make_sample_mpo" "$work/pictures/pair.mpo" >/dev/null 2>&1
"$build/mpostereo" -m jps -o "$work/pictures/pair.jps" "$work/pictures/pair.mpo" >/dev/null
"$build/mpostereo" -m pns -o "$work/pictures/pair.pns" "$work/pictures/pair.mpo" >/dev/null

cat > "$work/ask.sh" <<'ASK'
dbus-monitor --session "type='signal',interface='org.freedesktop.thumbnails.Thumbnailer1'" > "$WORK/signals" 2>&1 &
# The monitor is listening once the bus has taken its name back (NameLost).
for _ in $(seq 1 100); do
    grep -q 'member=NameLost' "$WORK/signals" && break
    sleep 0.1
done
# The last argument typed: when the service is slow to start, gdbus cannot
# ask it for the types and would send a plain 0 as a signed number.
gdbus call --session --dest org.freedesktop.thumbnails.Thumbnailer1 --object-path /org/freedesktop/thumbnails/Thumbnailer1 \
    --method org.freedesktop.thumbnails.Thumbnailer1.Queue \
    "['file://$WORK/pictures/pair.mpo', 'file://$WORK/pictures/pair.jps', 'file://$WORK/pictures/pair.pns']" \
    "['image/x-mpo', 'image/x-jps', 'image/x-pns']" normal default "uint32 0" > "$WORK/asked" 2>&1
# Generous: on a loaded machine the service itself may take long to start.
for _ in $(seq 1 300); do
    grep -q 'member=Finished' "$WORK/signals" && break
    sleep 0.2
done
ASK
env WORK="$work" HOME="$work/home" XDG_CACHE_HOME="$work/cache" XDG_DATA_DIRS="$work/prefix/share:/usr/share" \
    PATH="$work/prefix/bin:$PATH" dbus-run-session -- sh "$work/ask.sh" 2>/dev/null
grep -q 'member=Finished' "$work/signals" || {
    echo "the service never finished; asked: $(cat "$work/asked")"; cat "$work/signals"; exit 1
}
if grep -q 'member=Error' "$work/signals"; then
    grep -A6 'member=Error' "$work/signals"; exit 1
fi
for name in pair.mpo pair.jps pair.pns; do
    uri="file://$work/pictures/$name"
    thumbnail="$work/cache/thumbnails/normal/$(printf '%s' "$uri" | md5sum | cut -d' ' -f1).png"
    [ -s "$thumbnail" ] || { echo "no thumbnail of $name"; exit 1; }
    grep -aq "Thumb::URI" "$thumbnail" || { echo "$name: no Thumb::URI"; exit 1; }
    # The PNG's width and height, big-endian at bytes 16 and 20.
    width=$(od -An -tu1 -j16 -N4 "$thumbnail" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    height=$(od -An -tu1 -j20 -N4 "$thumbnail" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }')
    if [ "$width" -gt 128 ] || [ "$height" -gt 128 ] || [ "$width" -lt 1 ] || [ "$height" -lt 1 ]; then
        echo "$name: a thumbnail of $width x $height"; exit 1
    fi
    echo "$name: $width x $height"
done
echo "the thumbnail service made every thumbnail"
