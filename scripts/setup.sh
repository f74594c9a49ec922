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

# Fetches Qt's source as Debian ships it, version $2, into $1/qt6-base-source
# (the cross builds use it, with the host's Qt tools of that version); apt
# is pointed at the archive it already uses, for source packages, in a
# configuration of its own, so the system's sources stay as they are.
fetch_qt_source() {
    local cache=$1 version=$2
    local apt=$cache/apt
    mkdir -p "$apt/lists/partial" "$apt/sources.list.d"
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$apt/sources.list.d/debian.sources"
    local options=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt/sources.list.d"
        -o Dir::State::Lists="$apt/lists")
    apt-get "${options[@]}" update -qq
    (cd "$cache" && apt-get "${options[@]}" source -qq --download-only "qt6-base=$version" &&
        dpkg-source -x qt6-base_*.dsc qt6-base-source >/dev/null)
}

# Builds Qt from that source, version $3, into the folder $2 in the cache $1,
# unless it is there; the options that follow say for which system and how.
build_qt() {
    local cache=$1 prefix=$2 version=$3
    shift 3
    [[ -f $prefix/lib/cmake/Qt6/Qt6Config.cmake ]] && return
    mkdir -p "$cache"
    [[ -d $cache/qt6-base-source ]] || fetch_qt_source "$cache" "$version"
    local build=$cache/qt-build-${prefix##*/qt-}
    cmake -S "$cache/qt6-base-source" -B "$build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF "$@"
    cmake --build "$build" --parallel "$(nproc)"
    cmake --install "$build"
}

# Builds the game in build/, with its tests and benchmarks when given
# -DBUILD_TESTING=ON, without them when given OFF.
build_game() {
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$BUILD" --parallel "$(nproc)"
}
