#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit, widget (offscreen)
# and end-to-end (each starts its own Xvfb).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages "${BUILD_PACKAGES[@]}" xvfb xdotool x11-utils imagemagick
build_game
cd "$BUILD"
ctest --output-on-failure --parallel "$(nproc)"
