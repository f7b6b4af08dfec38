#pragma once

// Drawings as a DXF file for CAD (AutoCAD 2000, which every CAD program
// opens): every sheet of every drawing one after another along the x axis,
// in metres at the drawing's scale, so that plotted at that scale a sheet
// comes out at its size. Each kind of line and text on its layer: "TEREN",
// "KANAL", "STUDNIE", "TABELA", "OPISY". The only place that knows the DXF
// library.

#include <filesystem>
#include <vector>

#include "drawing/drawing.h"

namespace vexa {

// Whether this build writes DXF drawings (a build without libdxflib has a
// stub that says no).
bool dxfAvailable();

// Writes `drawings` at `file`, a drawing millimetre being
// `metresPerMillimetre` metres (1 at 1:1000), for a caller that replaces
// its target with it once complete; false when it could not be written
// whole.
bool buildDxf(const std::filesystem::path& file, const std::vector<Drawing>& drawings, double metresPerMillimetre);

}  // namespace vexa
