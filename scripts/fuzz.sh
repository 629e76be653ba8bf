#!/bin/sh
# Fuzzes the engine with libFuzzer for SECONDS (default 120), starting from
# the seed corpus the tests' builder makes and the corpus kept from earlier
# runs in build-fuzz/corpus. Any crash, leak, timeout or memory blow-up fails
# the run; the input that caused it is left as build-fuzz/crash-* (replay it
# with build/fuzz_replay, and keep it in fuzz/regressions/).
# usage: scripts/fuzz.sh [SECONDS] [JOBS]
. "$(dirname "$0")/common.sh"

seconds=${1:-120}
jobs=${2:-1}
install_missing $build_packages clang-14 libclang-rt-14-dev
build_project build
build_project build-fuzz -DMPO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo

fuzz="$project_root/build-fuzz"
rm -rf "$fuzz/seeds"
mkdir -p "$fuzz/seeds" "$fuzz/corpus"
"$project_root/build/tests/make_fuzz_corpus" "$fuzz/seeds"
cd "$fuzz"
if [ "$jobs" -gt 1 ]; then
    # Parallel workers, each for the whole time; their logs go to fuzz-*.log.
    ./fuzz/fuzz_engine -max_total_time="$seconds" -timeout=1 -rss_limit_mb=512 \
        -dict="$project_root/fuzz/mpo.dict" -jobs="$jobs" -workers="$jobs" -print_final_stats=1 \
        corpus seeds
    tail -n 12 fuzz-*.log
else
    ./fuzz/fuzz_engine -max_total_time="$seconds" -timeout=1 -rss_limit_mb=512 \
        -dict="$project_root/fuzz/mpo.dict" -print_final_stats=1 corpus seeds
fi
echo "Fuzzed for $seconds s: no crash, leak, timeout or memory blow-up."
