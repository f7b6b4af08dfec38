#pragma once

#include <limits>

namespace vexa {

// Every hydraulic value is an 80-bit extended number; the results (the filling
// in particular) depend on its 64-bit significand.
using extended = long double;

static_assert(std::numeric_limits<extended>::digits == 64,
              "Vexa needs long double with a 64-bit significand (x87 extended)");

}  // namespace vexa
