#include "network/profile_sheets.h"

#include <algorithm>

#include "network/profile_drawing.h"

namespace vexa {

using namespace profile_sheet;

SheetPacking packPieces(const std::vector<PieceSize>& sizes) {
    constexpr double kRoom = kFrameTop - kTableFoot;
    SheetPacking packing;
    std::vector<double> heights;  // of the bands, as their pieces need them
    std::size_t firstBand = 0;    // of the sheet being filled
    double used = 0;              // of its height, by its bands
    const auto spread = [&] {
        // The bands of the sheet just filled share what is left, from the top down.
        const std::size_t count = heights.size() - firstBand;
        const double extra = count == 0 ? 0 : (kRoom - used) / static_cast<double>(count);
        double top = kFrameTop;
        for (std::size_t band = firstBand; band < heights.size(); ++band) {
            packing.bands[band].top = top;
            top -= heights[band] + extra;
            packing.bands[band].bottom = band + 1 == heights.size() ? kTableFoot : top;
        }
    };
    for (std::size_t n = 0; n < sizes.size(); ++n) {
        const PieceSize& size = sizes[n];
        const bool sameScales = n > 0 && size.horizontalScale == sizes[n - 1].horizontalScale &&
                                size.verticalScale == sizes[n - 1].verticalScale;
        // The first band of the sheet with room beside its pieces, as high as it is or may grow.
        std::size_t chosen = heights.size();
        const std::size_t from = size.continues ? packing.pieces.back().band : firstBand;
        for (std::size_t band = from; sameScales && band < heights.size() && chosen == heights.size(); ++band)
            if (packing.bands[band].right + size.width <= kFrameRight &&
                used - heights[band] + std::max(heights[band], size.height) <= kRoom)
                chosen = band;
        if (chosen < heights.size()) {
            used += std::max(heights[chosen], size.height) - heights[chosen];
            heights[chosen] = std::max(heights[chosen], size.height);
        } else {
            if (packing.sheets == 0 || !sameScales || used + size.height > kRoom) {
                if (packing.sheets > 0) spread();
                ++packing.sheets;
                firstBand = heights.size();
                used = 0;
            }
            heights.push_back(size.height);
            used += size.height;
            packing.bands.push_back({packing.sheets - 1, 0, 0, kHeaderRight});
        }
        SheetBand& band = packing.bands[chosen];
        packing.pieces.push_back({band.sheet, chosen, band.right, 0, 0});
        band.right += size.width;
    }
    if (packing.sheets > 0) spread();
    for (PiecePlace& piece : packing.pieces) {
        piece.bottom = packing.bands[piece.band].bottom;
        piece.top = packing.bands[piece.band].top;
    }
    return packing;
}

}  // namespace vexa
