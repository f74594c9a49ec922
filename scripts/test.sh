#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit, widget (offscreen)
# and end-to-end (each starts a desktop of its own: openbox, GNOME's or KDE's
# window manager on Xvfb, or a headless GNOME Wayland session, and ibus with
# mozc); then builds everything again with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs the tests once more, failing on any
# report, leaks included. Last, a minute of libFuzzer on the hs.hsd reader
# (clang): a crash, a hang or a broken check in the target fails.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages "${GAME_PACKAGES[@]}" "${TEST_BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# The game builds with its own packages alone: configured without its tests,
# it looks for nothing that only the tests need.
GAME_ONLY="$ROOT/build-game-only"
cmake -S "$ROOT" -B "$GAME_ONLY" -DBUILD_TESTING=OFF >/dev/null
if grep -v '^//' "$GAME_ONLY/CMakeCache.txt" | grep -Ei 'googletest|gtest|gmock|benchmark|Qt6Test'; then
    echo "The game's build looks for a package only the tests need (above)." >&2
    exit 1
fi

build_game -DBUILD_TESTING=ON

# Runs ctest in the build directory $1, with the ctest options that follow,
# and keeps its report in $1/ctest.log.
run_ctest() {
    (cd "$1" && ctest --output-on-failure --parallel "$(nproc)" "${@:2}" | tee ctest.log)
}
tests_in() { sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$1/ctest.log"; }

run_ctest "$BUILD"

SANITIZED="$ROOT/build-asan"
cmake -S "$ROOT" -B "$SANITIZED" -DCMAKE_BUILD_TYPE=Debug -DZENTAP3_SANITIZE=ON >/dev/null
cmake --build "$SANITIZED" --parallel "$(nproc)"
# The other desktops add nothing the sanitizers could find that openbox does
# not.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_ctest "$SANITIZED" --label-exclude 'mutter|kwin'

FUZZ="$ROOT/build-fuzz"
cmake -S "$ROOT" -B "$FUZZ" -DCMAKE_CXX_COMPILER=clang++-14 -DZENTAP3_FUZZ=ON >/dev/null
cmake --build "$FUZZ" --parallel "$(nproc)"
# New inputs go to build-fuzz/corpus, so the committed seeds stay as they are;
# an input that fails is kept in build-fuzz/ to replay.
mkdir -p "$FUZZ/corpus"
if ! "$FUZZ/tests/fuzz/highscore_file_fuzz" -max_total_time=60 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$FUZZ/" "$FUZZ/corpus" "$ROOT/tests/fuzz/corpus" >"$FUZZ/fuzz.log" 2>&1; then
    tail -n 60 "$FUZZ/fuzz.log"
    exit 1
fi
grep -E '^(INFO: seed corpus|Done|stat::number_of_executed_units|stat::new_units_added)' "$FUZZ/fuzz.log"

# Every test of both runs, and the fuzz run as one more; any failure has
# stopped the script before this line.
echo "all: $(($(tests_in "$BUILD") + $(tests_in "$SANITIZED") + 1)) passed, 0 failed"
