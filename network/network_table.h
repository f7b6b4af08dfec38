#pragma once

// The results table of a designed network, one row per section in the file's
// order: the texts vexa-calc writes, and what a workbook needs to keep its
// numbers as numbers. Its columns are those of network_columns.h.

#include <string>
#include <vector>

#include "network/network_columns.h"
#include "network/network_design.h"
#include "network/workbook.h"

namespace vexa {

// The columns of a workbook of the results, with the rain's or without.
std::vector<WorkbookColumn> networkWorkbookColumns(bool rain);

// A section's row, fields as they go into the table, with the rain's
// columns or without (networkResultColumns). A section without a result has
// "!" and its message in the first two result columns, and every other
// result and level column empty.
std::vector<std::string> networkResultFields(const NetworkSection& section, const SectionDesign& design, bool rain);

// The rows of a workbook of the results, the rain's columns in those of a
// rain network: values, not the window's texts, so
// a text keeps no blanks that laid it out in the window (the catalogue
// number, say).
std::vector<std::vector<std::string>> networkWorkbookRows(const Network& network,
                                                          const std::vector<SectionDesign>& designs);

}  // namespace vexa
