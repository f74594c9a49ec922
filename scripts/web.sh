#!/usr/bin/env bash
# The browser build: installs what is missing, builds Qt for WebAssembly from
# Debian's own qt6-base source with Debian's emscripten once (kept in
# ~/.cache/zentap3-web and rebuilt only when its recipe changes), cross-builds
# the game, and leaves build-web/zentap3-<version>-web/ (and a .tar.gz of it):
# a folder any static web server can serve. Then, in Debian's Chromium,
# headless: the unit tests, the scenario of a player's first visits, and
# what a player downloads and waits for (build-web/artefacts keeps the
# screenshots).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
WEB_PACKAGES=("${GAME_PACKAGES[@]}" ninja-build emscripten node-acorn qt6-base-dev-tools dpkg-dev chromium)
ensure_packages "${WEB_PACKAGES[@]}"
command -v npm >/dev/null || ensure_packages nodejs npm
# Emscripten's optimiser finds Debian's acorn even beside a node of another origin.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

CACHE=${ZENTAP3_WEB_CACHE:-$HOME/.cache/zentap3-web}
TOOLCHAIN=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
# Statically, without threads (a plain static host need not send the headers
# shared memory asks for), small rather than fast. What the Qt build depends
# on: change any of it and Qt is built again.
QT_OPTIONS=(-DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DBUILD_SHARED_LIBS=OFF -DFEATURE_rpath=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_thread=OFF -DFEATURE_tabletevent=OFF)
QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev)
EMSCRIPTEN_VERSION=$(dpkg-query -W -f='${Version}' emscripten)
QT_RECIPE=$( (echo "${QT_OPTIONS[*]}"; printf %s "$QT_VERSION $EMSCRIPTEN_VERSION") | sha256sum | cut -c1-16)
QT_PREFIX=$CACHE/qt-$QT_RECIPE

# Qt's WebAssembly build asks an emsdk folder for emscripten's root and
# version: this one holds Debian's emscripten.
export EMSDK=$CACHE/emsdk
make_emsdk() {
    local root=$EMSDK/upstream/emscripten
    [[ -x $root/emcc ]] && return
    mkdir -p "$root"
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$EMSDK/.emscripten"
    ln -sf /usr/share/emscripten/* "$root/"
    ln -sf /usr/bin/emcc "$root/emcc"
    ln -sf /usr/bin/em++ "$root/em++"
}

make_emsdk
build_qt "$CACHE" "$QT_PREFIX" "$QT_VERSION" "${QT_OPTIONS[@]}"

WEB=$ROOT/build-web
# Code page 932 as the host's converters read and write it, as a table: the
# browser's Qt has no converters of its own.
cmake -S "$ROOT" -B "$WEB/host" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$WEB/host" --parallel "$(nproc)" --target codepage932_table

# The game and its unit tests against that Qt, through the toolchain file Qt
# installs, with the host's tools (moc, rcc) from the installed Qt of the
# same version.
cmake -S "$ROOT" -B "$WEB/game" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$QT_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -DBUILD_TESTING=ON \
    -DZENTAP3_CODE_PAGE_TABLE="$WEB/host/tools/codepage932/codepage932.table" \
    -DZENTAP3_QT_SOURCE="$CACHE/qt6-base-source" -DZENTAP3_QT_SOURCE_VERSION="$QT_VERSION" >/dev/null
cmake --build "$WEB/game" --parallel "$(nproc)"
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$WEB/game/CMakeCache.txt")
SITE=$WEB/zentap3-$VERSION-web
rm -rf "$SITE"
cmake --install "$WEB/game" --prefix "$SITE" >/dev/null
(cd "$WEB/game" && cpack >/dev/null && mv zentap3-"$VERSION"-web.tar.gz "$WEB/")
echo "Built $SITE and $WEB/zentap3-$VERSION-web.tar.gz"

# The browser tests' tools, as the lock file pins them, from the npm registry.
mkdir -p "$WEB/node"
cp "$ROOT/tests/web/package.json" "$ROOT/tests/web/package-lock.json" "$WEB/node/"
(cd "$WEB/node" && npm ci --no-audit --no-fund --silent)
export NODE_PATH=$WEB/node/node_modules:$NODE_PATH
node "$ROOT/tests/web/unit_tests.js" "$WEB/game/tests"
node "$ROOT/tests/web/first_visits.js" "$SITE" "$WEB/artefacts"
node "$ROOT/bench/web_download_and_first_paint.js" "$SITE"
