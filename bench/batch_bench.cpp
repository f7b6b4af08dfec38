// A batch of typical sections at constant slope on the bundled catalogue,
// each entered into a freshly started design window.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue_reader.h"
#include "cli/batch_calculator.h"

namespace {

std::vector<vexa::BatchSection> typicalSections(int count) {
    std::vector<vexa::BatchSection> sections;
    for (int n = 0; n < count; ++n) {
        vexa::BatchSection s;
        s.name = "Odcinek " + std::to_string(n);
        s.type = 1 + n % 9;
        s.sewage = n % 3;
        s.losses = n % 2;
        s.flow = std::to_string(2 + n % 150);
        s.slope = std::to_string(2 + n % 6);
        s.pipeCriterion = n % 4;
        sections.push_back(s);
    }
    return sections;
}

void batchOf1000Sections(benchmark::State& state) {
    auto catalogue = std::make_unique<vexa::Catalogue>();
    vexa::readCatalogueFile(std::filesystem::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat", *catalogue);
    vexa::linkOptimisation(*catalogue);
    vexa::BatchCalculator calculator(*catalogue);
    const auto sections = typicalSections(1000);
    for (auto _ : state)
        for (const auto& section : sections) benchmark::DoNotOptimize(calculator.run(section));
}
BENCHMARK(batchOf1000Sections)->Unit(benchmark::kMillisecond);

}  // namespace
