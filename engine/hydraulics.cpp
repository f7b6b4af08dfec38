#include "engine/hydraulics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>

namespace vexa {

// clang-format off
const std::array<extended, 100> vnv = {
    8,     12,    15,    18,    20,    22,    26,    27,    29,    31,
    32,    34,    36,    38,    41,    42,    43,    45,    46,    48,
    49,    50,    51,    52,    53.5L, 56,    57,    58,    59,    60.5L,
    62,    62.5L, 63.5L, 64.5L, 66,    67.5L, 68.5L, 70,    71,    72,
    73,    74.5L, 75.5L, 76.5L, 77.5L, 79,    80,    81,    82,    83,
    84,    85,    86,    87,    88,    88.5L, 89,    90,    91,    91.5L,
    92,    92.5L, 93,    94,    95,    96.5L, 97.5L, 98,    98.5L, 99,
    100,   100.5L,101,   101.5L,102,   102,   102.5L,102.5L,103,   103.5L,
    103.5L,104,   104,   104.5L,104.5L,105,   105,   104.5L,104.5L,104,
    103.5L,103.5L,103,   103,   102.5L,102.5L,102,   101.5L,101,   100,
};

const std::array<extended, 100> rnr = {
    1.5L,  3,     7,     10,    13,    16,    18,    22,    25,    27,
    29,    32,    34,    35,    36,    38,    41,    42,    45,    48,
    51,    53,    56,    58,    59,    60,    62,    64,    66,    68,
    71,    74,    76,    78,    80,    81,    82,    84,    85,    86.5L,
    88,    90,    91,    92.5L, 94,    96,    97,    98,    99,    100.5L,
    102,   103,   105,   106,   107,   108,   109,   111,   112,   113,
    114,   115,   116,   116.5L,117,   117.5L,118,   118.5L,119,   120,
    120.5L,121,   121.5L,122,   122,   122,   122.5L,122.5L,122,   122,
    122,   121.5L,121.5L,121,   120.5L,119,   118,   117,   116.5L,116,
    115.5L,115,   114,   112,   110,   109,   108,   106,   103,   100,
};
// clang-format on

namespace {

constexpr extended kPi = std::numbers::pi_v<extended>;
constexpr extended kTwoPi = 2 * std::numbers::pi_v<extended>;

// Table row of a filling: h truncated toward zero; kept within the table for
// fillings that callers should never pass.
std::size_t tableIndex(extended h) {
    const auto row = static_cast<long>(std::clamp<extended>(std::trunc(h), 1, 100));
    return static_cast<std::size_t>(row - 1);
}

}  // namespace

namespace detail {

FillingGrid::FillingGrid() {
    extended x = 0.01L;
    step[0] = entry((x - 0.01L) * 100);
    for (int n = 1; n <= kFillingSteps; ++n) {
        ratio[n] = fillingFlowRatio(x);
        roundedRatio[n] = static_cast<double>(ratio[n]);
        x = x + 0.01L;
        step[n] = entry((x - 0.01L) * 100);
    }
    roundedRatio[kFillingSteps] = std::numeric_limits<double>::infinity();
    int n = 1;
    for (int slice = 0; slice <= kSlices; ++slice) {
        while (roundedRatio[n] < static_cast<double>(slice) / kSlices) ++n;
        firstStepOfSlice[slice] = static_cast<std::uint8_t>(n);
    }
}

FillingStep FillingGrid::entry(extended h) {
    const std::size_t row = tableIndex(h);
    return {h, vnv[row] / 100, rnr[row] / 100};
}

// Built at start-up, before any search can run; the tables it reads are
// constants of this file, defined above it.
const FillingGrid kFillingGrid;

}  // namespace detail

extended fillingFlowRatio(extended x) {
    const extended first = 0.46L - 0.5L * std::cos(kPi * x);
    return first + 0.04L * std::cos(kTwoPi * x);
}

PipeConstants pipeConstants(extended d, extended k) { return {d, k / (3.71L * d), kPi * d * d}; }

extended tauFactor(extended i) { return 9.81L * i * 1000; }

extended Przeplyw100(extended d, extended k, extended i) {
    return detail::fullPipeFlow(d, i, pipeConstants(d, k).roughness);
}

extended Predkosc100(extended d, extended Q100) { return detail::fullPipeVelocity(Q100, pipeConstants(d, 0).area4); }

extended Obl_wypelnienie(extended q, extended Q100) { return detail::fillingStep(q, Q100).h; }

extended Obl_Vwy(extended h, extended V100) { return V100 * (vnv[tableIndex(h)] / 100); }

extended Obl_tau(extended h, extended d, extended i) { return tauFactor(i) * d / 4 * (rnr[tableIndex(h)] / 100); }

}  // namespace vexa
