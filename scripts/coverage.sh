#!/bin/sh
# Builds with gcov instrumentation, runs every CTest test once, and prints the
# line and branch coverage of the engine, the picture decoder, the stereo
# views, the command-line programs and the viewer. The full report per file
# goes to build-coverage/coverage.txt.
. "$(dirname "$0")/common.sh"

install_missing $build_packages python3-pil desktop-file-utils shared-mime-info gcovr

folder="$project_root/build-coverage"
find "$folder" -name '*.gcda' -delete 2>/dev/null || true
build_project build-coverage -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage
ctest --test-dir "$folder" --output-on-failure -j "$(nproc)"

# Branches the compiler adds for exceptions and inlined library code say
# nothing about our tests, so they are left out.
report() {
    area=$1
    shift
    gcovr --root "$project_root" --object-directory "$folder" --filter "$project_root/$area/" \
        --exclude-directories '.*/CMakeFiles/[0-9.]+' \
        --exclude-throw-branches --exclude-unreachable-branches "$@" 2>/dev/null
}
for name in engine imaging stereo cli app; do
    summary=$(report $name --print-summary --output /dev/null)
    lines=$(echo "$summary" | sed -n 's/^lines: *//p')
    branches=$(echo "$summary" | sed -n 's/^branches: *//p')
    echo "$name: lines $lines; branches $branches"
done
report engine --txt "$folder/coverage.txt" >/dev/null
for name in imaging stereo cli app; do report $name >>"$folder/coverage.txt"; done
