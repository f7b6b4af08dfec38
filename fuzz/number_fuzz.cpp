// Any text as a typed number, and every number it reads in the three forms
// the windows write.

#include <cstddef>
#include <cstdint>
#include <string>

#include "toolkit/errors.h"
#include "toolkit/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const vexa::extended value = vexa::parseNumber(vexa::withDecimalComma(text));
        vexa::formatGeneral(value);
        vexa::formatFixed(value, 4, 0);
        vexa::formatFixed(value, 15, 2);
        // Padded fixed texts write every integer digit: keep them to sane sizes.
        if (value > -1e30L && value < 1e30L) vexa::formatFixedText(value, 3, 1);
    } catch (const vexa::ConversionError&) {
    }
    return 0;
}
