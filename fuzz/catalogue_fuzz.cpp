// Any bytes as the pipe catalogue: read, linked and then used by the design
// window for a few typical sections of every type. A broken file must end in
// its report, and a catalogue that loads must never crash a calculation.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "batch/batch_calculator.h"
#include "catalogue/catalogue_reader.h"
#include "toolkit/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto catalogue = std::make_unique<vexa::Catalogue>();
    try {
        const auto lines = vexa::catalogueLines({reinterpret_cast<const char*>(data), size});
        vexa::readCatalogue(lines, *catalogue, "fuzz.dat");
        vexa::linkOptimisation(*catalogue);
    } catch (const std::runtime_error&) {  // CatalogueError, ConversionError, EncodingError
        return 0;
    }
    vexa::BatchCalculator calculator(*catalogue, false, 0.05);
    const int items = catalogue->ilosc_typow + 2;  // with the two optimal pipes
    for (int type = 1; type <= items; ++type) {
        vexa::BatchSection section;
        section.type = type;
        section.sewage = type % 3;
        section.losses = type % 2;
        section.flow = "12,5";
        section.slope = "5";
        section.pipeCriterion = type % 5;
        section.fillingLimit = "60";
        calculator.run(section);
        section.slopeCriterion = 1;
        section.slopeFrom = "0,5";
        section.slopeTo = "3";
        calculator.run(section);
    }
    return 0;
}
