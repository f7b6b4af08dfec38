#pragma once

// The results table of a designed network, one row per section in the file's
// order: the texts vexa-calc writes, and for each column what a workbook needs
// to keep its numbers as numbers.

#include <array>
#include <string>
#include <vector>

#include "network/network_design.h"
#include "network/workbook.h"

namespace vexa {

struct NetworkColumn {
    const char* name;     // in the head line of the text table
    const char* heading;  // in Polish with its unit, for a workbook
    int decimals;         // a number written with this many decimals, or kTextColumn / kGeneralNumber
};

inline constexpr int kTextColumn = kWorkbookText;
inline constexpr int kGeneralNumber = kWorkbookGeneral;  // a number in the general form (no fixed decimals)

extern const std::array<NetworkColumn, 23> kNetworkColumns;

// The head line of the text table, and the columns of a workbook.
std::string networkResultsHead();
std::vector<WorkbookColumn> networkWorkbookColumns();

// A section's row, fields as they go into the table. A section without a
// result has "!" and its message in the first two result columns, and every
// other result and level column empty.
std::vector<std::string> networkResultFields(const NetworkSection& section, const SectionDesign& design);

// The rows of a workbook of the results: values, not the window's texts, so
// a text keeps no blanks that laid it out in the window (the catalogue
// number, say).
std::vector<std::vector<std::string>> networkWorkbookRows(const Network& network,
                                                          const std::vector<SectionDesign>& designs);

}  // namespace vexa
