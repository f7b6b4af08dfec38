#include "network/profile_sheets.h"

#include <algorithm>

#include "network/profile_drawing.h"

namespace vexa {

using namespace profile_sheet;

SheetPacking packParts(const std::vector<PartSize>& sizes) {
    constexpr double kRoom = kFrameTop - kBandsBottom;
    SheetPacking packing;
    std::vector<double> heights;  // of the bands, as the parts need them
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
            packing.bands[band].bottom = band + 1 == heights.size() ? kBandsBottom : top;
        }
    };
    for (const PartSize& size : sizes) {
        const bool besides = heights.size() > firstBand && packing.bands.back().right + size.width <= kFrameRight &&
                             used - heights.back() + std::max(heights.back(), size.height) <= kRoom;
        if (besides) {
            used += std::max(heights.back(), size.height) - heights.back();
            heights.back() = std::max(heights.back(), size.height);
        } else {
            if (packing.sheets == 0 || used + size.height > kRoom) {
                if (packing.sheets > 0) spread();
                ++packing.sheets;
                firstBand = heights.size();
                used = 0;
            }
            heights.push_back(size.height);
            used += size.height;
            packing.bands.push_back({packing.sheets - 1, 0, 0, kHeaderRight});
        }
        SheetBand& band = packing.bands.back();
        packing.parts.push_back({band.sheet, packing.bands.size() - 1, band.right, 0, 0});
        band.right += size.width;
    }
    if (packing.sheets > 0) spread();
    for (PartPlace& part : packing.parts) {
        part.bottom = packing.bands[part.band].bottom;
        part.top = packing.bands[part.band].top;
    }
    return packing;
}

}  // namespace vexa
