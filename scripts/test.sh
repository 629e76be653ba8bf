#!/bin/sh
# Installs what is missing, builds, and runs every test twice: once plain and
# once under AddressSanitizer and UndefinedBehaviorSanitizer.
. "$(dirname "$0")/common.sh"

install_missing $build_packages python3-pil desktop-file-utils shared-mime-info

build_project build
ctest --test-dir "$project_root/build" --output-on-failure -j "$(nproc)"

build_project build-sanitize -DMPO_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$project_root/build-sanitize" --output-on-failure -j "$(nproc)"
echo "All tests passed, plain and under the sanitizers."
