// Any bytes as the engineer's rain table: refused with its message, or used
// to design a small rain network to the end, every intensity it gives
// finite, above zero and no larger than the table's first.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "batch/batch_calculator.h"
#include "network/network_design.h"
#include "network/rain.h"
#include "small_catalogue.h"

namespace {

// Two branches joining, one long and slow, a section without a catchment below.
const vexa::Network& rainNetwork() {
    static const vexa::Network network = vexa::readNetwork(std::vector<std::string>{
        vexa::kNetworkHeadLine,
        "A1;A1;A2;120;110;109,5;;1;;;0;0;1;;0,8;0,9",
        "B1;B1;A2;900;109,5;109,5;0,5;1;;;0;0;1;;0,3;0,5",
        "A2;A2;A3;60;109,5;109;;1;;;0;0;1;;;",
    });
    return network;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vexa::NetworkParameters parameters;
    try {
        parameters.rainTable =
            std::make_shared<const vexa::RainTable>(vexa::readRainTable({reinterpret_cast<const char*>(data), size}));
    } catch (const vexa::RainTableError&) {
        return 0;
    }
    const vexa::extended first = parameters.rainTable->lines.front().intensity;
    for (const long long duration : {1LL, 600'000LL, 1'234'567LL, 3'600'000LL, 1'000'000'000'000LL}) {
        const auto q = vexa::tableIntensity(*parameters.rainTable, duration);
        if (q && !(std::isfinite(*q) && *q >= 0 && *q <= first)) __builtin_trap();
    }
    vexa::BatchCalculator calculator(smallCatalogue(), false, 0.05);
    for (const vexa::SectionDesign& design : vexa::designNetwork(rainNetwork(), parameters, calculator))
        if (design.rain.intensity && !std::isfinite(*design.rain.intensity)) __builtin_trap();
    return 0;
}
