// A generated city of 10 000 sections designed as a network on the bundled
// catalogue: trees of 20 to 400 sections, every pipe type and criterion,
// flat, rising and steep ground. Beside it, the same sections' lines run one
// by one as vexa-calc runs a batch: what the network adds to them.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "floor_benchmark.h"
#include "network/network_design.h"
#include "network/network_file.h"
#include "toolkit/numbers.h"

namespace {

std::unique_ptr<vexa::Catalogue> bundledCatalogue() {
    auto catalogue = std::make_unique<vexa::Catalogue>();
    vexa::readCatalogueFile(std::filesystem::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat", *catalogue);
    vexa::linkOptimisation(*catalogue);
    return catalogue;
}

// The lines of a city network file, the head line first.
std::vector<std::string> cityLines(int sections) {
    std::mt19937 random(5);
    const auto between = [&](long long low, long long high) {
        return std::uniform_int_distribution<long long>(low, high)(random);
    };
    std::vector<std::string> lines{vexa::kNetworkHeadLine};
    for (int tree = 1, made = 0; made < sections; ++tree) {
        // Manholes of this tree with their ground [mm]; the outlet first.
        std::vector<std::pair<std::string, long long>> manholes{
            {"T" + std::to_string(tree) + "O", between(95000, 110000)}};
        const long long size = between(20, 400);
        for (long long k = 0; k < size && made < sections; ++k, ++made) {
            const auto& below = manholes[static_cast<std::size_t>(
                between(std::max<long long>(0, static_cast<long long>(manholes.size()) - 30),
                        static_cast<long long>(manholes.size()) - 1))];
            const long long rise = between(0, 2) == 0   ? between(-300, 300)
                                   : between(0, 2) == 0 ? between(0, 12000)
                                                        : between(0, 2000);
            const std::pair<std::string, long long> above{"T" + std::to_string(tree) + "M" + std::to_string(k),
                                                          below.second + rise};
            const long long criterion = between(0, 4);
            lines.push_back("S" + std::to_string(made + 1) + ";" + above.first + ";" + below.first + ";" +
                            std::to_string(between(20, 90)) + ";" + vexa::formatScaled(above.second, 3) + ";" +
                            vexa::formatScaled(below.second, 3) + ";" + vexa::formatScaled(between(0, 8000), 3) + ";" +
                            std::to_string(between(1, 11)) + ";;;" + std::to_string(between(0, 2)) + ";" +
                            std::to_string(between(0, 1)) + ";" + std::to_string(criterion) + ";" +
                            (criterion == 4 ? "50" : ""));
            manholes.push_back(above);
        }
    }
    return lines;
}

void cityNetwork(benchmark::State& state) {
    const auto catalogue = bundledCatalogue();
    const auto lines = cityLines(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        vexa::BatchCalculator calculator(*catalogue);
        const vexa::Network network = vexa::readNetwork(lines);
        benchmark::DoNotOptimize(vexa::designNetwork(network, {}, calculator));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(cityNetwork)->Arg(10000)->Unit(benchmark::kMillisecond);

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

}  // namespace
