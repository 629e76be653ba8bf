#!/bin/sh
# Installs what is missing, builds, makes a sample MPO file and reads it with
# mposplit, showing the engine's trace.
. "$(dirname "$0")/common.sh"

install_missing $build_packages
build_project build
"$project_root/build/tests/make_sample_mpo" "$project_root/build/sample.MPO"
"$project_root/build/mposplit" --trace "$project_root/build/sample.MPO"
