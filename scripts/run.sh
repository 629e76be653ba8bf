#!/bin/sh
# Installs what is missing, builds, makes a sample MPO file (a synthetic
# stereo pair rendered by the project's own code) and opens it in the viewer.
. "$(dirname "$0")/common.sh"

install_missing $build_packages
build_project build
sample="$project_root/build/sample/stereo.MPO"
mkdir -p "$(dirname "$sample")"
"$project_root/build/make_sample_mpo" "$sample"
exec "$project_root/build/app/mpoview" "$sample"
