#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit, widget (offscreen)
# and end-to-end (each starts its own Xvfb); then builds everything again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs the tests once more,
# failing on any report, leaks included.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_game
(cd "$BUILD" && ctest --output-on-failure --parallel "$(nproc)")

SANITIZED="$ROOT/build-asan"
cmake -S "$ROOT" -B "$SANITIZED" -DCMAKE_BUILD_TYPE=Debug -DZENTAP3_SANITIZE=ON >/dev/null
cmake --build "$SANITIZED" --parallel "$(nproc)"
cd "$SANITIZED"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure --parallel "$(nproc)"
