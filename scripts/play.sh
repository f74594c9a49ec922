#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game in the current directory
# (where it keeps hs.hsd).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages "${BUILD_PACKAGES[@]}"
build_game
exec "$BUILD/zentap3"
