#pragma once

// Drawings as a DXF file for CAD (AutoCAD 2000, which every CAD program
// opens): every sheet of every drawing one after another along the x axis,
// in metres at the drawing's scale, so that plotted at that scale a sheet
// comes out at its size. Each kind of line and text on its layer: "TEREN",
// "KANAL", "STUDNIE", "TABELA", "OPISY". The only place that knows the DXF
// library.

#include <filesystem>
#include <string>
#include <vector>

#include "drawing/drawing.h"

namespace vexa {

// The layer of each kind in a DXF file.
const char* dxfLayerName(DrawingLayer layer);

// Writes `drawings` to `fileName` (UTF-8), a drawing millimetre being
// `metresPerMillimetre` metres (1 at 1:1000). The file is replaced only once
// it is complete; a failure throws FileError naming it and leaves an
// existing file as it was.
void writeDxf(const std::string& fileName, const std::vector<Drawing>& drawings, double metresPerMillimetre);

// The same written at `file`, for a caller that replaces the target itself;
// false when it could not be written whole.
bool buildDxf(const std::filesystem::path& file, const std::vector<Drawing>& drawings, double metresPerMillimetre);

}  // namespace vexa
