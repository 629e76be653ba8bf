#!/bin/sh
# Installs what is missing, builds, and runs every test: once plain, once
# under AddressSanitizer and UndefinedBehaviorSanitizer, the engine's unit
# tests and the replay of the damaged files once more under valgrind, and
# then the engine's and the decoder's fuzzers for 120 s each.
. "$(dirname "$0")/common.sh"

install_missing $build_packages python3-pil libimage-exiftool-perl desktop-file-utils shared-mime-info valgrind xvfb xauth \
    tumbler dbus libglib2.0-bin \
    fusefat exfat-fuse dosfstools exfatprogs

build_project build
ctest --test-dir "$project_root/build" --output-on-failure -j "$(nproc)"

build_project build-sanitize -DMPO_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$project_root/build-sanitize" --output-on-failure -j "$(nproc)"

echo "Engine and stereo tests and damaged files under valgrind:"
log="$project_root/build/valgrind.log"
under_valgrind() {
    if ! valgrind -q --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
            "$@" >"$log" 2>&1; then
        tail -n 60 "$log"
        exit 1
    fi
    tail -n 1 "$log"
}
under_valgrind "$project_root/build/tests/engine_tests"
under_valgrind "$project_root/build/tests/stereo_tests"
under_valgrind "$project_root/build/fuzz_replay" "$project_root"/build/tests/seeds/*
# libjpeg-turbo's vector code reads padding valgrind cannot follow; its plain code decodes the same.
JSIMD_FORCENONE=1 under_valgrind "$project_root/build/fuzz_decoder_replay" "$project_root"/build/tests/jpeg-seeds/*

"$project_root/scripts/fuzz.sh" 120
echo "All tests passed: plain, under the sanitizers, under valgrind, and fuzzed."
