// Any bytes as the input of vexa-calc, line by line, on the small test
// catalogue, both in UTF-8 and in code page 1250: every line must end in a
// result, a refusal or its report.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "cli/batch_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const bool cp1250 : {false, true}) {
        vexa::BatchOptions options;
        options.catalogue = VEXA_FUZZ_CATALOGUE;
        options.cp1250 = cp1250;
        options.withState = true;
        options.timeLimitSeconds = 0.05;
        std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
        std::ostringstream output, errors;
        const int status = vexa::runBatch(options, input, output, errors);
        if (status < 0 || status > 2) __builtin_trap();
    }
    return 0;
}
