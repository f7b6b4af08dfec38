#pragma once

// The reader of the catalogue data file: a line-oriented text in code page
// 1250 with five sections (pipe types, "Optymalizacja", "SDR-PE", "SDR-PP",
// "Limit SDR"). Numbers are stored scaled: diameters in tenths of a
// millimetre, roughness in thousandths, SDR values in tenths.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace vexa {

// A catalogue file that cannot be read or does not hold a whole catalogue.
class CatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Splits file bytes into lines (LF or CR LF ends a line) and decodes each.
std::vector<std::string> catalogueLines(std::string_view bytes);

// Reads the decoded lines into `catalogue`. A malformed number throws
// ConversionError, a damaged or overfull file CatalogueError naming
// `fileName`; either way `catalogue` stays as it was.
void readCatalogue(const std::vector<std::string>& lines, Catalogue& catalogue, const std::string& fileName);

// Reads the file at `path` the same way.
void readCatalogueFile(const std::filesystem::path& path, Catalogue& catalogue);

// Links each optimisation entry to the first type whose name contains it; an
// entry that matches no type keeps its link.
void linkOptimisation(Catalogue& catalogue);

}  // namespace vexa
