// How fast the rules run without a window: ticks and judged presses per second.
#include "BenchServices.h"
#include "PerfectPlayer.h"
#include "game/Form1.h"

#include <benchmark/benchmark.h>

namespace {

void BM_TicksWithAPerfectPlayer(benchmark::State& state)
{
    BenchServices services;
    game::Form1 form({services.messageBox, services.random, services.table, BenchServices::noNameEntry});
    form.Form_Load();
    form.Command2_Click();
    for (auto _ : state) {
        form.Timer1_Timer();
        for (int i = 0; i < 2; ++i) {
            if (const Qt::MouseButton button = bench::perfectPress(form, static_cast<std::size_t>(i)))
                form.Command3_MouseDown(i, button);
        }
        // Levels past ~200 fall too fast to score; start over well before.
        if (!form.Timer1.Enabled || form.speed > 2000) {
            form.Command1_Click();
            form.Command2_Click();
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TicksWithAPerfectPlayer);

void BM_JudgedPresses(benchmark::State& state)
{
    BenchServices services;
    game::Form1 form({services.messageBox, services.random, services.table, BenchServices::noNameEntry});
    form.Form_Load();
    form.Command2_Click();
    game::CommandButton& target = form.Command3[0];
    for (auto _ : state) {
        target = {QString(), 255, -15, 3000, true, true};
        form.gauge = 0;
        form.Command3_MouseDown(0, Qt::LeftButton);
        benchmark::DoNotOptimize(form.gauge);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_JudgedPresses);

}  // namespace

BENCHMARK_MAIN();
