#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmarks: the game logic's
# throughput, and the tick's pace and the CPU it takes in the real window on
# Qt's offscreen platform and under Xvfb, and start-up time and peak memory
# against a bare Qt window. Prints tables; takes about five minutes.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ensure_packages "${GAME_PACKAGES[@]}" "${TEST_BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" xauth
build_game -DBUILD_TESTING=ON
cd "$BUILD/bench"

echo "== Game logic without a window"
./bench_logic_throughput --benchmark_min_time=1

echo
echo "== Tick pace and CPU, 1,000 ticks a run"
QT_QPA_PLATFORM=offscreen ./bench_tick_pace 2>/dev/null
xvfb-run -a -s "-screen 0 1024x768x24" ./bench_tick_pace 2>/dev/null | tail -n +2

echo
echo "== Start-up to first paint and peak memory, against a bare Qt window"
xvfb-run -a -s "-screen 0 1024x768x24" ./bench_startup_memory 2>/dev/null
