#!/usr/bin/env bash
# The Windows build: installs what is missing, builds Qt for Windows from
# Debian's own qt6-base source once (kept in ~/.cache/zentap3-windows and
# rebuilt only when its recipe changes), cross-builds the game with MinGW-w64,
# packs zentap3-<version>-windows-x64.zip in build-windows/, checks that its
# exe carries its icon, version information and manifest, and runs under
# Wine the unit tests of the rules, the high-score table and the platform
# layer, the widget tests on Qt's offscreen platform (the layout at every
# screen scale), and the end-to-end scenario.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools dpkg-dev
    fonts-ipafont-gothic googletest wine wine64 unzip icoutils "${SCENARIO_PACKAGES[@]}")
ensure_packages "${WINDOWS_PACKAGES[@]}"

CACHE=${ZENTAP3_WINDOWS_CACHE:-$HOME/.cache/zentap3-windows}
TOOLCHAIN=$ROOT/cmake/mingw-w64-x86_64.cmake
QT_FEATURES=(-DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF)
# What the Qt build depends on: change any of it and Qt is built again.
QT_VERSION=$(dpkg-query -W -f='${Version}' qt6-base-dev)  # the host Qt's, whose tools the build uses
QT_RECIPE=$( (cat "$TOOLCHAIN"; echo "${QT_FEATURES[*]}"; printf %s "$QT_VERSION") | sha256sum | cut -c1-16)
QT_PREFIX=$CACHE/qt-$QT_RECIPE

build_qt "$CACHE" "$QT_PREFIX" "$QT_VERSION" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" "${QT_FEATURES[@]}"

# The game against that Qt (through the toolchain file Qt installs, which
# lets CMake find it), with the host's tools (moc, rcc) from the installed Qt
# of the same version, packed as a zip.
WINDOWS_BUILD=$ROOT/build-windows
cmake -S "$ROOT" -B "$WINDOWS_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QT_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_TESTING=ON -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DZENTAP3_QT_SOURCE="$CACHE/qt6-base-source" \
    -DZENTAP3_QT_SOURCE_VERSION="$QT_VERSION" >/dev/null
cmake --build "$WINDOWS_BUILD" --parallel "$(nproc)"
(cd "$WINDOWS_BUILD" && cpack >/dev/null)
ZIP=$(echo "$WINDOWS_BUILD"/zentap3-*-windows-x64.zip)
VERSION=${ZIP##*/zentap3-} VERSION=${VERSION%-windows-x64.zip}
echo "Built $ZIP"

# The zip's exe looks like a Windows program in Explorer: its icon at every
# size Windows asks for, its version information, and its manifest.
rm -rf "$WINDOWS_BUILD/unzipped"
unzip -q "$ZIP" -d "$WINDOWS_BUILD/unzipped"
EXE=$(echo "$WINDOWS_BUILD"/unzipped/*/zentap3.exe)
wrestool -x --type=14 -o "$WINDOWS_BUILD/zentap3-exe.ico" "$EXE"
[[ $(icotool -l "$WINDOWS_BUILD/zentap3-exe.ico" | grep -o 'width=[0-9]*' | tr '\n' ' ') == \
    "width=16 width=32 width=48 width=256 " ]] || { echo "zentap3.exe: no icon of 16, 32, 48 and 256 pixels"; exit 1; }
VERSION_INFO=$(wrestool -x --raw --type=16 "$EXE" | strings -el | tr '\n' '|')
for value in "ProductName|Zentap3|" "ProductVersion|$VERSION|" "CompanyName|The Zentap3 developers|" "MIT licence"; do
    [[ $VERSION_INFO == *"$value"* ]] || { echo "zentap3.exe: its version information lacks $value"; exit 1; }
done
MANIFEST=$(wrestool -x --raw --type=24 "$EXE")
for setting in '>PerMonitorV2<' '>true<' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}'; do
    [[ $MANIFEST == *"$setting"* ]] || { echo "zentap3.exe: its manifest lacks $setting"; exit 1; }
done

# The tests under Wine, in a Windows of their own that says it is Windows
# 10, finding Qt and the MinGW runtime where they were built.
export WINEPREFIX=$WINDOWS_BUILD/wine WINEDEBUG=-all
[[ -d $WINEPREFIX ]] || { wineboot -i && wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f; } >/dev/null 2>&1
WINEPATH="$(winepath -w "$QT_PREFIX/bin");$(winepath -w "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")")"
WINEPATH+=";$(winepath -w "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")"
export WINEPATH
(cd "$WINDOWS_BUILD" && ctest --output-on-failure)

# The zip's game, unzipped into a folder of its own, played through under
# Wine on openbox as the Linux build is played; its screenshots are kept in
# build-windows/artefacts.
env -u WINEPATH "$ROOT/tests/e2e/first_start_to_clear.sh" "$EXE" "$WINDOWS_BUILD/artefacts" wine
