# Shared by the run and test scripts: installs missing Debian packages and
# configures and builds the project in a build folder.
set -eu

project_root=$(cd "$(dirname "$0")/.." && pwd)

# Packages the build needs; installed only when missing.
build_packages="cmake ninja-build g++ make pkg-config libgtest-dev qt6-base-dev qt6-tools-dev qt6-l10n-tools libjpeg-dev libexiv2-dev liblcms2-dev libopencv-dev libxxhash-dev libpng-dev libgif-dev libwebp-dev libqt6svg6 qt6-translations-l10n"

install_missing() {
    missing=""
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $package"
        fi
    done
    [ -z "$missing" ] && return 0
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing:$missing"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    # shellcheck disable=SC2086
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

# build_project FOLDER [CMAKE OPTIONS...]
build_project() {
    folder="$project_root/$1"
    shift
    cmake -S "$project_root" -B "$folder" -G Ninja "$@"
    cmake --build "$folder" -j "$(nproc)"
}
