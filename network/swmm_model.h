#pragma once

// A designed network as an EPA SWMM 5 input file, for a dynamic check of the
// design at its design flows: a junction at every manhole, a free outfall
// where the water leaves, a circular conduit for every section with levels
// (its inverts as elevations, the Manning n that gives its full-pipe flow),
// constant inflows where the flows enter, and a simple layout to draw it.

#include <string>
#include <vector>

#include "network/network_design.h"
#include "network/network_file.h"

namespace vexa {

// The lines of the model (UTF-8, each a code page 1250 text), under the title
// `title`. Names SWMM cannot take (blanks, ";", letters outside the code page,
// names equal but for case) are written with "_" and a number.
std::vector<std::string> swmmModelLines(const Network& network, const std::vector<SectionDesign>& designs,
                                        const std::string& title);

// The Manning n of a full circular pipe of inner diameter `diameter` [m] at
// slope `slope` [fraction] carrying `fullFlow` [m³/s].
extended equivalentManning(extended diameter, extended slope, extended fullFlow);

}  // namespace vexa
