#!/bin/sh
# Fuzzes the engine, then the picture decoder, with libFuzzer for SECONDS
# each (default 120), and the stereo side (alignment, views, the 3DS pair)
# for half that, starting from the seed corpora the tests make and the
# corpora kept from earlier runs in build-fuzz/corpus, build-fuzz/jpeg-corpus
# and build-fuzz/stereo-corpus.
# Any crash, leak, timeout or memory blow-up fails the run; the input that
# caused it is left as build-fuzz/crash-* (replay it with build/fuzz_replay or
# build/fuzz_decoder_replay or build/fuzz_stereo_replay, and keep it in
# fuzz/regressions/).
# usage: scripts/fuzz.sh [SECONDS] [JOBS]
. "$(dirname "$0")/common.sh"

seconds=${1:-120}
jobs=${2:-1}
install_missing $build_packages clang-14 libclang-rt-14-dev
build_project build
build_project build-fuzz -DMPO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo

fuzz="$project_root/build-fuzz"
rm -rf "$fuzz/seeds" "$fuzz/jpeg-seeds" "$fuzz/stereo-seeds"
mkdir -p "$fuzz/seeds" "$fuzz/corpus" "$fuzz/jpeg-seeds" "$fuzz/jpeg-corpus" "$fuzz/stereo-seeds" "$fuzz/stereo-corpus"
"$project_root/build/tests/make_fuzz_corpus" "$fuzz/seeds" "$fuzz/jpeg-seeds" "$fuzz/stereo-seeds"
cd "$fuzz"

# fuzz_target TARGET DICTIONARY CORPUS SEEDS TIMEOUT MEGABYTES [SECONDS]
fuzz_target() {
    limits="-max_total_time=${7:-$seconds} -timeout=$5 -rss_limit_mb=$6 -dict=$2 -print_final_stats=1"
    if [ "$jobs" -gt 1 ]; then
        # Parallel workers, each for the whole time; their logs go to fuzz-*.log.
        rm -f fuzz-*.log
        # shellcheck disable=SC2086
        "./fuzz/$1" $limits -jobs="$jobs" -workers="$jobs" "$3" "$4"
        tail -n 12 fuzz-*.log
    else
        # shellcheck disable=SC2086
        "./fuzz/$1" $limits "$3" "$4"
    fi
}
fuzz_target fuzz_engine "$project_root/fuzz/mpo.dict" corpus seeds 1 512
# A JPEG header of a few bytes may claim a picture of 65,500 x 65,500 pixels,
# and even at 1/8 scale its rows take time and memory in proportion: such a
# picture, turned a quarter by its Exif orientation, takes 7 to 9 s under the
# sanitizers (under 1 s in a plain build). The decoder's limits leave room for
# that, and still catch a hang or a leak.
fuzz_target fuzz_decoder "$project_root/fuzz/jpeg.dict" jpeg-corpus jpeg-seeds 25 1536
# Pictures up to a megapixel are aligned, composed and encoded in each run.
fuzz_target fuzz_stereo "$project_root/fuzz/jpeg.dict" stereo-corpus stereo-seeds 25 2048 $((seconds / 2))
echo "Fuzzed the engine and the decoder for $seconds s each, the stereo side for $((seconds / 2)) s: no crash, leak, timeout or memory blow-up."
