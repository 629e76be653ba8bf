#!/bin/sh
# Installs what is missing, builds, makes a sample MPO file (a synthetic
# stereo pair rendered by the project's own code) and opens it in the viewer.
. "$(dirname "$0")/common.sh"

install_missing $build_packages
build_project build
sample="$project_root/build/sample/stereo.MPO"
mkdir -p "$(dirname "$sample")"
"$project_root/build/make_sample_mpo" "$sample"
# The viewer needs a display (X11 or Wayland); without one Qt would abort.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "The viewer needs a display: run it in a desktop session, or under a virtual one: xvfb-run -a scripts/run.sh" >&2
    exit 1
fi
exec "$project_root/build/app/mpoview" "$sample"
