// The parametric window's flow slider swept over its whole lowest range
// (1,5 to 100 l/s in 986 steps) through TForm3 and the design window, on the
// bundled catalogue: every step is one calculation run at constant slope
// with the result fields written, as dragging the slider makes it. Argument
// 0 sweeps the first pipe type of the list, 1 the optimal pipe of class T,
// which searches every candidate type at each step.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "batch/headless_platform.h"
#include "floor_benchmark.h"
#include "windows/design_window.h"
#include "windows/parametric_window.h"
#include "windows/program.h"

namespace {

void flowSliderSweep(benchmark::State& state) {
    vexa::HeadlessPlatform platform;
    vexa::Program program(platform, std::filesystem::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat");
    program.start();
    vexa::TForm1& design = program.Form1();
    if (state.range(0) == 1) program.act([&] { design.Combo_Typ.userSelect(design.Combo_Typ.Count() - 1); });
    design.Bqwe.userType("1,5");
    design.Bimin.userType("5");
    program.act([&] { design.Flow.userClick(); });
    vexa::Slider& flow = program.Form3().TB1;
    for (auto _ : state) {
        for (int position = flow.Min(); position <= flow.Max(); ++position)
            program.act([&] { flow.userMove(position); });
        program.act([&] { flow.userMove(flow.Min()); });
        benchmark::DoNotOptimize(design.Bd.Text);
    }
    state.SetItemsProcessed(state.iterations() * (flow.Max() - flow.Min() + 2));
}
BENCHMARK(flowSliderSweep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
