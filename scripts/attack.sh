#!/bin/sh
# Mutated files through every mode of every command-line program, as an
# adversarial tester would: bytes flipped, runs of bytes overwritten with
# markers and large numbers, files cut short or grown, pictures declaring
# huge sizes. Each program must end by itself with 0, 1 or 2: a signal (an
# abort, a crash), a hang past the deadline or a sanitizer report fails.
# usage: scripts/attack.sh [COUNT] [BUILD_FOLDER] [SEED_FILE...]
#   COUNT         mutated files (default 10000)
#   BUILD_FOLDER  whose programs are attacked (default build; build-sanitize
#                 runs them under AddressSanitizer and UBSan)
#   SEED_FILE     MPO, JPS or JPEG files to mutate (default: the sample
#                 pair, and the fuzzers' engine seeds)
set -eu
project_root=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-10000}
build=${2:-$project_root/build}
[ $# -ge 2 ] && shift 2 || shift $#
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/seeds"
if [ $# -gt 0 ]; then
    cp "$@" "$work/seeds/"
else
    "$build/make_sample_mpo" "$work/seeds/sample.MPO" >/dev/null
    mkdir "$work/engine" "$work/jpeg" "$work/stereo"
    "$build/tests/make_fuzz_corpus" "$work/engine" "$work/jpeg" "$work/stereo"
    cp "$work/engine/seed_0.MPO" "$work/engine/seed_20.MPO" "$work/seeds/"
fi

# The mutated files, made by a fixed random sequence, so a run repeats.
/usr/bin/python3 - "$work/seeds" "$work/files" "$count" <<'EOF'
import os, random, struct, sys
seeds, out, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
os.mkdir(out)
random.seed(35)
originals = [open(os.path.join(seeds, n), 'rb').read() for n in sorted(os.listdir(seeds))]
names = sorted(os.listdir(seeds))
markers = [b'\xff\xd8', b'\xff\xd9', b'\xff\xe2', b'\xff\xe1', b'\xff\xda', b'\xff\xc0', b'MPF\x00', b'MM\x00*', b'II*\x00']
numbers = [b'\x00\x00\x00\x00', b'\xff\xff\xff\xff', b'\x7f\xff\xff\xff', b'\x80\x00\x00\x00', b'\xff\xff', b'\x00\x01']
for i in range(count):
    k = random.randrange(len(originals))
    data = bytearray(originals[k])
    for _ in range(random.choice([1, 1, 2, 3, 8])):
        way = random.randrange(6)
        at = random.randrange(max(1, min(len(data), 4096 if random.random() < 0.7 else len(data))))
        if way == 0:
            data[at:at + 1] = bytes([random.randrange(256)])
        elif way == 1:
            data[at:at + 4] = random.choice(numbers)
        elif way == 2:
            data[at:at + 2] = random.choice(markers)
        elif way == 3:
            del data[random.randrange(len(data) + 1):]
        elif way == 4:
            data[at:at] = os.urandom(random.randrange(1, 64))
        else:  # a frame header declaring a huge picture
            sof = data.find(b'\xff\xc0', random.randrange(max(1, len(data))))
            if sof >= 0:
                data[sof + 5:sof + 9] = struct.pack('>HH', random.choice([30000, 65535]), random.choice([30000, 65535]))
    ext = os.path.splitext(names[k])[1] or '.MPO'
    open(os.path.join(out, 'm%05d%s' % (i, ext)), 'wb').write(data)
EOF

# attack FILE: every program and mode on one file; prints one line per failure.
cat >"$work/attack_one.sh" <<'EOF'
file=$1; build=$2; out=$(mktemp -d "$file.out.XXXXXX")
run() {
    timeout 60 "$@" >/dev/null 2>"$out/err"
    status=$?
    if [ $status -gt 2 ] || grep -qE 'AddressSanitizer|runtime error|LeakSanitizer|terminate called' "$out/err"; then
        echo "FAILED ($status): $*"; head -n 5 "$out/err"
    fi
}
run "$build/mposplit" -o "$out" "$file"
run "$build/mposplit" -p 2 -o "$out" "$file"
run "$build/mposplit" --list "$file"
run "$build/mpocheck" "$file"
run "$build/mpocheck" --repair -o "$out" "$file"
run "$build/mpojoin" -o "$out/joined.MPO" --first "$file" "$file"
run "$build/mpostereo" -o "$out" "$file"
run "$build/mpostereo" -m parallel --align -o "$out/aligned.jpg" "$file"
run "$build/mpostereo" --align-only -o "$out/pair.MPO" "$file"
run "$build/mpostereo" --3ds -o "$out" "$file"
rm -rf "$out"
EOF

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
echo "Attacking with $count mutated files ($build)..."
find "$work/files" -type f | sort | xargs -P "$(nproc)" -I{} sh "$work/attack_one.sh" {} "$build" >"$work/failures"
failures=$(grep -c '^FAILED' "$work/failures" || true)
if [ "$failures" -ne 0 ]; then
    head -n 60 "$work/failures"
    echo "$failures program runs failed"
    exit 1
fi
echo "$count files, $((count * 10)) program runs: none aborted, crashed, hung or tripped a sanitizer."
