#pragma once

// Where the parts of profiles go on a set of sheets: in bands one above the
// other, each band a row of parts side by side behind one column of row
// titles, above the title block and the legend. A part goes into the first
// band of the sheet being filled with room beside its parts, else into a new
// band below while the sheet has room, else onto a new sheet. The height a
// sheet has left over is shared out among its bands, above their drawings.

#include <cstddef>
#include <vector>

namespace vexa {

struct PartSize {
    double width = 0;   // mm
    double height = 0;  // from the foot of its table to the top of its title
};

struct PartPlace {
    std::size_t sheet = 0;
    std::size_t band = 0;  // of all sheets, in SheetPacking::bands
    double left = 0;
    double bottom = 0;  // of the band: the foot of the part's table
    double top = 0;     // of the band
};

struct SheetBand {
    std::size_t sheet = 0;
    double bottom = 0;
    double top = 0;
    double right = 0;  // of its last part
};

struct SheetPacking {
    std::vector<PartPlace> parts;
    std::vector<SheetBand> bands;  // sheet after sheet, each from the top down
    std::size_t sheets = 0;
};

// `sizes` must each fit a sheet's band alone.
SheetPacking packParts(const std::vector<PartSize>& sizes);

}  // namespace vexa
