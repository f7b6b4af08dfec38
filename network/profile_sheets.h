#pragma once

// Where the parts of profiles go on a set of sheets: side by side behind one
// column of row titles, above the title block and the legend, as many to a
// sheet as its width holds, in their order. On A3 a part with its table
// takes more than half the sheet's height, so parts never stand one above
// the other: the sheet's height is all its parts' drawing's.

#include <cstddef>
#include <vector>

namespace vexa {

struct PartPlace {
    std::size_t sheet = 0;
    double left = 0;  // mm
};

struct SheetPacking {
    std::vector<PartPlace> parts;
    std::vector<double> rights;  // of each sheet's last part
};

// The parts' widths [mm], each no wider than a sheet holds.
SheetPacking packParts(const std::vector<double>& widths);

}  // namespace vexa
