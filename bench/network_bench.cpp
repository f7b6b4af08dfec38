// A generated city of 10 000 sections designed as a network on the bundled
// catalogue: trees of 20 to 400 sections, every pipe type and criterion,
// flat, rising and steep ground. Beside it, the same sections' lines run one
// by one as vexa-calc runs a batch: what the network adds to them.

#include <benchmark/benchmark.h>

#include <vector>

#include "batch/headless_platform.h"
#include "city_network.h"
#include "floor_benchmark.h"
#include "network/network_design.h"
#include "network/network_file.h"
#include "network_window/network_window.h"

namespace {

using vexa_bench::bundledCatalogue;
using vexa_bench::cityLines;

// The city without rain (0) and with catchments on most sections (1),
// each rain section designed in passes until its flow repeats.
void cityNetwork(benchmark::State& state) {
    const auto catalogue = bundledCatalogue();
    const auto lines = cityLines(static_cast<int>(state.range(0)), state.range(1) == 1);
    for (auto _ : state) {
        vexa::BatchCalculator calculator(*catalogue);
        const vexa::Network network = vexa::readNetwork(lines);
        benchmark::DoNotOptimize(vexa::designNetwork(network, {}, calculator));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(cityNetwork)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);

void citySectionsOneByOne(benchmark::State& state) {
    const auto catalogue = bundledCatalogue();
    vexa::BatchCalculator calculator(*catalogue);
    std::vector<vexa::BatchSection> sections;
    for (const vexa::SectionDesign& design :
         vexa::designNetwork(vexa::readNetwork(cityLines(static_cast<int>(state.range(0)))), {}, calculator))
        sections.push_back(design.calculated);
    for (auto _ : state)
        for (const auto& section : sections) benchmark::DoNotOptimize(calculator.run(section));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(citySectionsOneByOne)->Arg(10000)->Unit(benchmark::kMillisecond);

// The network window holding the city: one inflow edited and the whole
// network designed again, as after every edit; the sections whose lines did
// not change come from the store of designed sections.
// With rain (1), the catchment of the head farthest up the first tree: the
// rain's duration, and so the flow, changes in every section down to its
// outlet, each designed in its passes again.
void cityEditInTheWindow(benchmark::State& state) {
    const auto catalogue = bundledCatalogue();
    vexa::HeadlessPlatform platform;
    vexa::NoOutputBackEnds outputs;
    vexa::NetworkWindow window(platform, *catalogue, outputs);
    std::string table;
    const bool rain = state.range(1) == 1;
    const auto lines = cityLines(static_cast<int>(state.range(0)), rain);
    for (std::size_t n = 1; n < lines.size(); ++n) {
        std::string row = lines[n];
        for (char& c : row)
            if (c == ';') c = '\t';
        table += row + "\n";
    }
    window.paste(0, 0, table);
    const int row = rain ? vexa_bench::firstTreesLastRow(lines) : 0;
    const int column = vexa::position(rain ? vexa::InputColumn::Zlewnia : vexa::InputColumn::Doplyw);
    if (rain) window.editCell(row, vexa::position(vexa::InputColumn::Psi), "0,9");
    window.selectRow(row);  // as the engineer has it: its path's profile drawn after every edit
    bool other = false;
    for (auto _ : state) {
        window.editCell(row, column, other ? "1,5" : "2,5");
        other = !other;
        benchmark::DoNotOptimize(window.designed());
    }
}
BENCHMARK(cityEditInTheWindow)->Args({10000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);

}  // namespace
