#!/bin/sh
# A second `mpoview FILE` while a viewer runs, on a private session bus:
# the running viewer shows FILE (as it says over the bus) and the second
# launch ends at once with status 0; --new-window starts a viewer of its
# own, and so does a launch without a session bus.
# usage: handover_test.sh BUILD_FOLDER
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/make_sample_mpo" "$work/first.MPO" >/dev/null 2>&1
cp "$work/first.MPO" "$work/second.MPO"

cat > "$work/launch.sh" <<'LAUNCH'
set -eu
viewer="$BUILD/app/mpoview"
shown() {
    gdbus call --session --dest io.github.mpoview.MpoView --object-path /io/github/mpoview/MpoView \
        --method org.freedesktop.DBus.Properties.Get io.github.mpoview.MpoView1 ShownFile 2>/dev/null
}
"$viewer" "$WORK/first.MPO" >/dev/null 2>&1 &
first=$!
for _ in $(seq 1 300); do shown | grep -q first.MPO && break; sleep 0.1; done
shown | grep -q first.MPO || { echo "the first viewer never offered itself"; kill $first; exit 1; }
start=$(date +%s%N)
# Named as a shell in the file's folder names it.
(cd "$WORK" && timeout 30 "$viewer" second.MPO >/dev/null 2>&1) || { echo "the second launch failed"; kill $first; exit 1; }
echo "handed over in $(( ($(date +%s%N) - start) / 1000000 )) ms"
for _ in $(seq 1 100); do shown | grep -q second.MPO && break; sleep 0.1; done
shown | grep -q "'$WORK/second.MPO'" || { echo "the running viewer does not show the file handed over: $(shown)"; kill $first; exit 1; }
# A window of its own: still running a second later.
"$viewer" --new-window "$WORK/first.MPO" >/dev/null 2>&1 &
own=$!
sleep 1
kill -0 $own 2>/dev/null || { echo "--new-window did not keep a window of its own"; kill $first; exit 1; }
kill $own $first
LAUNCH
env BUILD="$build" WORK="$work" HOME="$work" QT_QPA_PLATFORM=offscreen dbus-run-session -- sh "$work/launch.sh" 2>/dev/null

# Without a session bus the viewer starts as before.
env DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" HOME="$work" QT_QPA_PLATFORM=offscreen \
    "$build/app/mpoview" "$work/first.MPO" >/dev/null 2>&1 &
alone=$!
sleep 1
kill -0 $alone 2>/dev/null || { echo "without a session bus the viewer did not start"; exit 1; }
kill $alone
echo "files are handed over to the running viewer"
