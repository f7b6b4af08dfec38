// A build without libdxflib writes no DXF drawings, and says so.

#include "drawing/dxf_drawing.h"

namespace vexa {

bool dxfAvailable() { return false; }

bool buildDxf(const std::filesystem::path&, const std::vector<Drawing>&, double) { return false; }

}  // namespace vexa
