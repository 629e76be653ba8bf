#!/bin/sh
# The viewer under load, in a real window (Xvfb) driven by key events: a
# folder of 1,000 MPO files stepped through with Page Down held, then a
# 200-picture file stepped through with Right held. Prints the resident
# memory at the start, at its peak and at the end, how many files were
# opened and where the long file ended (the window's title). Goals: the
# peak at most 150 MB above the start, the end within 30 MB of it, no crash.
# LOAD_FILES and LOAD_PICTURES change the counts.
#   bench/load.sh             the full run
#   bench/load.sh --sanitize  a shorter run of the AddressSanitizer build, whose
#                             LeakSanitizer report at the end must be empty
. "$(dirname "$0")/../scripts/common.sh"

install_missing $build_packages python3-pil xvfb xauth xdotool
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize files=60 pictures=30
    build_project "$build" -DMPO_SANITIZE=ON
else
    build=build files=${LOAD_FILES:-1000} pictures=${LOAD_PICTURES:-200}
    build_project "$build"
fi
bin="$project_root/$build"
inputs="$bin/load-$files"
[ -s "$inputs/zz_long.MPO" ] || /usr/bin/python3 "$project_root/bench/make_load_inputs.py" "$bin/mpojoin" "$inputs" "$files" "$pictures"

# The viewer's settings and home stay in a scratch folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch" XDG_CONFIG_HOME="$scratch/config"
# D-Bus keeps a buffer of its own until the process ends: not this program's leak.
printf 'leak:libdbus-1.so\n' >"$scratch/leaks.supp"
export ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$scratch/leaks.supp" UBSAN_OPTIONS=print_stacktrace=1

cat >"$scratch/drive.sh" <<'DRIVE'
# Runs inside xvfb-run: starts the viewer, samples its memory, sends the keys.
viewer=$1 first=$2 files=$3 pictures=$4 out=$5
"$viewer" "$first" >"$out/stdout" 2>"$out/stderr" &
pid=$!
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status" 2>/dev/null; }
xdotool search --sync --onlyvisible --class mpoview >/dev/null
sleep 3
rss >"$out/start"
( while kill -0 "$pid" 2>/dev/null; do rss >>"$out/samples"; sleep 0.1; done ) &
sampler=$!
xdotool key --delay 15 --repeat "$files" Next   # the last file is the long one
sleep 2
xdotool key --delay 15 --repeat "$((pictures - 1))" Right
sleep 5
rss >"$out/end"
xdotool search --onlyvisible --class mpoview getwindowname >"$out/title"
xdotool key ctrl+q
wait "$pid"
echo $? >"$out/status"
kill "$sampler" 2>/dev/null
DRIVE
xvfb-run -a -s "-screen 0 1280x900x24" sh "$scratch/drive.sh" "$bin/app/mpoview" "$inputs/shot_0001.MPO" \
    "$files" "$pictures" "$scratch"

start=$(cat "$scratch/start") end=$(cat "$scratch/end") status=$(cat "$scratch/status")
peak=$(sort -n "$scratch/samples" | tail -n 1)
opened=$(grep -c "^Multi Picture" "$scratch/stderr")
echo "resident memory: start $((start / 1024)) MB, peak $((peak / 1024)) MB, end $((end / 1024)) MB"
echo "files opened: $opened of $((files + 1)); the window's title at the end: $(head -n 1 "$scratch/title")"
echo "exit status $status"
ok=1
[ "$status" -eq 0 ] || { echo "the viewer did not end normally"; tail -n 40 "$scratch/stderr"; ok=0; }
# The sanitizers hold freed memory back for a while: the memory goals are the plain build's.
if [ "$build" = build ]; then
    [ $((peak - start)) -le $((150 * 1024)) ] || { echo "goal missed: the peak is over 150 MB above the start"; ok=0; }
    [ $((end - start)) -le $((30 * 1024)) ] || { echo "goal missed: the end is over 30 MB above the start"; ok=0; }
fi
if grep -q "LeakSanitizer" "$scratch/stderr"; then
    echo "leaks:"; grep -A12 "LeakSanitizer" "$scratch/stderr" | head -n 60; ok=0
elif [ "$build" = build-sanitize ]; then
    echo "LeakSanitizer: no leak"
fi
[ "$ok" -eq 1 ] && echo "Load goals met." || exit 1
