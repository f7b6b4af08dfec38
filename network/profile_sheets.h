#pragma once

// Where the pieces of profiles go on a set of sheets: in bands one above the
// other, each band a row of pieces side by side behind one column of row
// titles, above the title block and the legend. A piece goes into the first
// band of the sheet being filled with room beside its pieces (for a piece
// going on from the one before, that band or a lower one), else into a new
// band below while the sheet has room, else onto a new sheet. A sheet holds
// profiles of one pair of scales, so that its drawing in CAD units has one.
// The height a sheet has left over is shared out among its bands, above
// their drawings.

#include <cstddef>
#include <vector>

namespace vexa {

struct PieceSize {
    double width = 0;        // mm
    double height = 0;       // from the foot of its table to the top of its title
    bool continues = false;  // the piece before is of the same profile
    long long horizontalScale = 0;
    long long verticalScale = 0;
};

struct PiecePlace {
    std::size_t sheet = 0;
    std::size_t band = 0;  // of all sheets, in SheetPacking::bands
    double left = 0;
    double bottom = 0;  // of the band: the foot of the piece's table
    double top = 0;     // of the band
};

struct SheetBand {
    std::size_t sheet = 0;
    double bottom = 0;
    double top = 0;
    double right = 0;  // of its last piece
};

struct SheetPacking {
    std::vector<PiecePlace> pieces;
    std::vector<SheetBand> bands;  // sheet after sheet, each from the top down
    std::size_t sheets = 0;
};

// `sizes` must each fit a sheet's band alone.
SheetPacking packPieces(const std::vector<PieceSize>& sizes);

}  // namespace vexa
