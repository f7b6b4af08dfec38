#pragma once

// The inner steps of the hydraulics, inline because every search repeats
// them for each diameter and slope it examines. Part of hydraulics.h; not to
// be included by itself.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "toolkit/extended.h"

namespace vexa::detail {

inline constexpr int kFillingSteps = 100;

// What the filling search finds: the filling and the shares of the two
// tables that its row selects (the row is that of Obl_Vwy and Obl_tau).
struct FillingStep {
    extended h;              // the filling [%], as Obl_wypelnienie returns it
    extended velocityShare;  // vnv of its row / 100
    extended radiusShare;    // rnr of its row / 100
};

// The filling search always walks the same grid, so its ratios, the fillings
// it returns and their table rows are computed once, with the very same
// arithmetic. The ratios rise along the grid, so the first step whose ratio
// reaches a given one can be looked up instead of walked to:
//  - rounded to double, a ratio strictly below another is below it exactly,
//    so the grid's ratios as doubles settle every step but a tie;
//  - a table over [0, 1] in 4096 slices gives the first step a ratio of each
//    slice can stop at, and from there at most a few steps remain;
//  - a tie in double is settled by the extended ratios themselves.
// Step 100 counts as reaching every ratio: the walk stops there in any case.
struct FillingGrid {
    static constexpr int kSlices = 4096;
    std::array<extended, kFillingSteps + 1> ratio{};       // at steps 1 .. 99
    std::array<double, kFillingSteps + 1> roundedRatio{};  // +inf at step 100
    std::array<std::uint8_t, kSlices + 1> firstStepOfSlice{};
    std::array<FillingStep, kFillingSteps + 1> step{};  // after 0 .. 100 steps

    FillingGrid();
    static FillingStep entry(extended h);

    // The first step n >= 1 whose ratio is not below the positive `wanted`.
    int firstStepReaching(extended wanted) const {
        const double rounded = static_cast<double>(wanted);
        const int slice = rounded < 1 ? static_cast<int>(rounded * kSlices) : kSlices;
        int n = firstStepOfSlice[slice];
        while (roundedRatio[n] < rounded) ++n;
        while (roundedRatio[n] == rounded && ratio[n] < wanted) ++n;
        return n;
    }
};

extern const FillingGrid kFillingGrid;

// Requires q < Q100, as Obl_wypelnienie.
inline const FillingStep& fillingStep(extended q, extended Q100) {
    const extended ratio = q / Q100;
    if (!(ratio > 0)) return kFillingGrid.step[0];
    return kFillingGrid.step[kFillingGrid.firstStepReaching(ratio)];
}

// The largest velocity and radius shares among the filling steps of q in
// pipes whose full-pipe flow lies between qmLow and qmHigh (q < qmHigh;
// where q >= qmLow the pipe may be all but full). Ratios fall as the full
// flow grows, and the first step reaching a ratio falls with it, so the
// steps lie between those of q / qmHigh and q / qmLow.
inline FillingStep largestShares(extended q, extended qmLow, extended qmHigh) {
    const int lowest = kFillingGrid.firstStepReaching(q / qmHigh);
    const int highest = q < qmLow ? kFillingGrid.firstStepReaching(q / qmLow) : kFillingSteps;
    FillingStep largest = kFillingGrid.step[lowest];
    for (int n = lowest + 1; n <= highest; ++n) {
        largest.velocityShare = std::max(largest.velocityShare, kFillingGrid.step[n].velocityShare);
        largest.radiusShare = std::max(largest.radiusShare, kFillingGrid.step[n].radiusShare);
    }
    return largest;
}

// Colebrook-White for the full pipe, with k / (3.71 d) given.
inline extended fullPipeFlow(extended d, extended i, extended roughness) {
    const extended A = d * std::sqrt(d * i);
    const extended sum = 7.4e-7L / A + roughness;
    const extended logarithm = std::log10(sum);
    return logarithm * -6.95L * d * A * 1000;
}

inline extended fullPipeVelocity(extended Q100, extended area4) { return (Q100 * 4 * 0.001L) / area4; }

}  // namespace vexa::detail
