#pragma once

// Decimal digits times a power of ten as the nearest extended number, ties to
// even, computed exactly with big integers: the same bits on every platform,
// whatever its C library does with long double conversions.

#include <optional>
#include <string_view>

#include "extended.h"

namespace vexa::decimal {

// ±0,digits·10^(exponent + digits.size()), that is the integer `digits`
// times 10^exponent. Nothing when the value lies outside the normal range
// of an extended number (too large, or nonzero but below the smallest
// normal number once rounded).
std::optional<extended> toExtended(bool negative, std::string_view digits, long long exponent);

}  // namespace vexa::decimal
