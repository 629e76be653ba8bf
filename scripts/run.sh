#!/bin/sh
# Installs what is missing, builds, makes a small sample MPO file, lists its
# pictures and splits it with mposplit (the split files go to build/sample/).
. "$(dirname "$0")/common.sh"

install_missing $build_packages
build_project build
sample="$project_root/build/sample"
mkdir -p "$sample"
"$project_root/build/tests/make_sample_mpo" "$sample/sample.MPO"
"$project_root/build/mposplit" --list "$sample/sample.MPO"
"$project_root/build/mposplit" "$sample/sample.MPO"
