// Any bytes as a network file for vexa-calc --siec, on the small test
// catalogue, in UTF-8 and in code page 1250: every file must be refused with
// a message or designed to the end.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/network_run.h"

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
    return 0;
}
