#pragma once

// A catalogue a user wrote for another pipe maker, looked over: what it
// holds, and what loads but is probably a mistake.

#include <string>
#include <vector>

#include "catalogue/catalogue.h"

namespace vexa {

// The types with their class, roughness and diameters, the optimisation
// table and the SDR lists, in Polish, a line each.
std::vector<std::string> catalogueSummary(const Catalogue& catalogue);

// What probably is a mistake although the catalogue loads: an inner diameter
// not below the outer one, diameters out of order, a catalogue number used
// twice, an optimisation entry that names no type. Linked catalogue.
std::vector<std::string> catalogueWarnings(const Catalogue& catalogue);

}  // namespace vexa
