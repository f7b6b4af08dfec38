#include "network/profile_sheets.h"

#include "network/profile_drawing.h"

namespace vexa {

using namespace profile_sheet;

SheetPacking packParts(const std::vector<double>& widths) {
    SheetPacking packing;
    for (const double width : widths) {
        if (packing.rights.empty() || packing.rights.back() + width > kFrameRight)
            packing.rights.push_back(kHeaderRight);
        packing.parts.push_back({packing.rights.size() - 1, packing.rights.back()});
        packing.rights.back() += width;
    }
    return packing;
}

}  // namespace vexa
