// Any bytes as a network file for vexa-calc --siec, on the small test
// catalogue, in UTF-8 and in code page 1250: every file must be refused with
// a message or designed to the end. Read as the window reads it, every
// section its faults leave alone is designed and drawn, and it has faults
// exactly where vexa-calc refuses it.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/network_run.h"
#include "network/profile_drawing.h"
#include "small_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const bool cp1250 : {false, true}) {
        vexa::NetworkRunOptions options;
        options.batch.catalogue = VEXA_FUZZ_CATALOGUE;
        options.batch.cp1250 = cp1250;
        options.batch.timeLimitSeconds = 0.05;
        std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
        std::ostringstream output, errors;
        const int status = vexa::runNetwork(options, input, output, errors);
        if (status != vexa::kBatchOk && status != vexa::kBatchFileProblem) __builtin_trap();
        if (status == vexa::kBatchFileProblem && (errors.str().empty() || !output.str().empty())) __builtin_trap();
    }
    vexa::NetworkText text;
    try {
        text = vexa::readNetworkText(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const vexa::NetworkError&) {
        return 0;
    }
    const vexa::NetworkWithFaults read = vexa::readNetworkLeniently(text.records, text.columns);
    bool refused = false;
    try {
        vexa::readNetwork(text.records, text.columns);
    } catch (const vexa::NetworkError&) {
        refused = true;
    }
    if (refused == read.faults.empty()) __builtin_trap();
    vexa::BatchCalculator calculator(smallCatalogue(), false, 0.05);
    const auto designs = vexa::designNetwork(read.network, {}, calculator);
    for (std::size_t n = 0; n < designs.size(); ++n)
        if (read.network.sections[n].leftOut() && designs[n].result.computed) __builtin_trap();
    vexa::networkProfiles(read.network, designs);
    return 0;
}
