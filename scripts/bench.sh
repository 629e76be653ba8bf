#!/bin/sh
# Builds the benchmarks (optimised), makes their inputs once (about 250 MB in
# build-bench/inputs) and prints every figure with its baseline and ratio.
. "$(dirname "$0")/common.sh"

install_missing $build_packages time libgdk-pixbuf2.0-bin
build_project build-bench -DMPO_BUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release
bench="$project_root/build-bench"
inputs="$bench/inputs"
# Made again when the program that makes them changed.
if [ ! -s "$inputs/sixty8mp.MPO" ] || [ "$bench/bench/make_bench_inputs" -nt "$inputs/sixty8mp.MPO" ]; then
    mkdir -p "$inputs"
    "$bench/bench/make_bench_inputs" "$inputs"
fi
"$bench/bench/bench_split" "$inputs" "$bench/mposplit" "$bench/mpojoin"
"$bench/bench/bench_stereo" "$inputs" "$bench/mpostereo"
"$bench/bench/bench_viewer" "$inputs"
