#pragma once

// Drawings on paper: every sheet of every drawing a page, landscape, through
// the printer interface. A page the size of the sheet (A3 for a profile)
// takes it at its own scale; a smaller page takes it scaled down to fit its
// printable area, centred.

#include <vector>

#include "drawing/drawing.h"
#include "toolkit/printer.h"

namespace vexa {

void printDrawings(const std::vector<Drawing>& drawings, Printer& printer);

}  // namespace vexa
