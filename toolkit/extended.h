#pragma once

#include <limits>

namespace vexa {

// Every hydraulic value is an 80-bit extended number; the results (the filling
// in particular) depend on its 64-bit significand.
using extended = long double;

static_assert(std::numeric_limits<extended>::digits == 64,
              "Vexa needs long double with a 64-bit significand (x87 extended)");

// Whether the processor really computes extended numbers with all 64 bits:
// a runtime that sets the x87 unit to double precision keeps the type but
// rounds every operation to 53 bits.
inline bool extendedArithmeticHas64Bits() {
    volatile extended one = 1;
    volatile extended tiny = 1.0L / 9223372036854775808.0L;  // 2^-63
    return one + tiny != one;
}

inline constexpr const char* kExtendedArithmeticMissing =
    "Ten komputer liczy z mniejszą dokładnością, niż wymagają obliczenia (64 bity mantysy). "
    "Program nie może liczyć.";

}  // namespace vexa
