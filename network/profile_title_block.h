#pragma once

// What every profile sheet has around its profiles: the frame with its
// binding margin, the title block in the lower right corner, and left of it
// the legend of the lines and the height datum.

#include <cstddef>
#include <string>

#include "network/project_data.h"
#include "network/sheet_pen.h"

namespace vexa {

struct SheetTitle {
    std::string drawing;  // what the sheet shows
    std::string scales;   // "1:1000 / 1:100"
    std::size_t number = 1;
    std::size_t count = 1;
};

void drawSheetFrame(SheetPen& pen, const ProjectData& project, const SheetTitle& title);

}  // namespace vexa
