// A batch of typical sections at constant slope on the bundled catalogue,
// each entered into a freshly started design window.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "batch/batch_calculator.h"
#include "catalogue/catalogue_reader.h"
#include "floor_benchmark.h"

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

std::unique_ptr<vexa::Catalogue> bundledCatalogue() {
    auto catalogue = std::make_unique<vexa::Catalogue>();
    vexa::readCatalogueFile(std::filesystem::path(VEXA_SOURCE_DIR) / "pipe_vexa.dat", *catalogue);
    vexa::linkOptimisation(*catalogue);
    return catalogue;
}

void batchOf1000Sections(benchmark::State& state) {
    vexa::BatchCalculator calculator(*bundledCatalogue());
    const auto sections = typicalSections(1000);
    for (auto _ : state)
        for (const auto& section : sections) benchmark::DoNotOptimize(calculator.run(section));
}
BENCHMARK(batchOf1000Sections)->Unit(benchmark::kMillisecond);

// A slope minimisation that meets nothing: every slope from 0,5 to 100 per
// mille times every diameter, for the optimal pipe over all its candidates.
void worstSlopeMinimisation(benchmark::State& state) {
    vexa::BatchCalculator calculator(*bundledCatalogue());
    vexa::BatchSection section;
    section.type = 11;  // optimal pipe of class T
    section.sewage = 2;
    section.flow = "1";
    section.slope = "5";
    section.slopeCriterion = 1;
    section.slopeFrom = "0,5";
    section.slopeTo = "100";
    section.pipeCriterion = 4;
    section.fillingLimit = "1";  // no filling lies below 1 %
    for (auto _ : state) benchmark::DoNotOptimize(calculator.run(section));
}
BENCHMARK(worstSlopeMinimisation)->Unit(benchmark::kMillisecond);

// The self-cleaning criterion, which the search walks from the first slope
// where a pipe carries the flow: 1 l/s over 0,5 to 100 per mille for the
// optimal pipe of class T finds its pipe only at 27,9 per mille, after some
// 1 000 examined pipes (16 600 slope by slope).
void selfCleaningSlopeMinimisation(benchmark::State& state) {
    vexa::BatchCalculator calculator(*bundledCatalogue());
    vexa::BatchSection section;
    section.type = 11;
    section.sewage = 2;
    section.flow = "1";
    section.slope = "5";
    section.slopeCriterion = 1;
    section.slopeFrom = "0,5";
    section.slopeTo = "100";
    section.pipeCriterion = 2;
    for (auto _ : state) benchmark::DoNotOptimize(calculator.run(section));
}
BENCHMARK(selfCleaningSlopeMinimisation)->Unit(benchmark::kMillisecond);

}  // namespace
