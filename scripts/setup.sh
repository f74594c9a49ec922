# Sourced by the scripts beside it: installs the Debian packages that are
# missing (only those) and builds the game in build/.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    ((${#missing[@]} == 0)) && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# What the game needs to build and to run (its gothic); a packager needs the
# same but the font.
GAME_PACKAGES=(cmake g++ make qt6-base-dev libgl-dev fonts-ipafont-gothic)
# What its tests and benchmarks need to build besides.
TEST_BUILD_PACKAGES=(googletest libbenchmark-dev)
# What the end-to-end scenario needs on openbox, on Linux and under Wine.
SCENARIO_PACKAGES=(xvfb xdotool x11-utils imagemagick wmctrl dbus-daemon openbox)
TEST_PACKAGES=("${SCENARIO_PACKAGES[@]}" desktop-file-utils appstream dpkg-dev file clang-14 libclang-rt-14-dev
    lintian man-db mutter kwin-x11 kwin-style-breeze xwayland qt6-wayland ibus ibus-mozc)

# Builds the game in build/, with its tests and benchmarks when given
# -DBUILD_TESTING=ON, without them when given OFF.
build_game() {
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$BUILD" --parallel "$(nproc)"
}
