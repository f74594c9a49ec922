#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game in the current directory
# (where it keeps hs.hsd).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages "${GAME_PACKAGES[@]}"
build_game -DBUILD_TESTING=OFF
exec "$BUILD/zentap3"
