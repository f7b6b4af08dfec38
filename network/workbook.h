#pragma once

// A table as an Excel workbook (.xlsx) of one sheet: a bold head row that
// stays in view while the rows scroll, numbers kept as numbers with their
// decimals, text as text, every column as wide as its longest text. The only
// place that knows the workbook library.

#include <filesystem>
#include <string>
#include <vector>

namespace vexa {

struct WorkbookColumn {
    std::string heading;
    // A column of numbers written with this many decimals (their texts use
    // the decimal comma), kWorkbookGeneral for numbers without fixed
    // decimals, or kWorkbookText.
    int decimals;
};

inline constexpr int kWorkbookText = -1;
inline constexpr int kWorkbookGeneral = -2;

// Whether this build writes workbooks (a build without libxlsxwriter has a
// stub that says no).
bool workbooksAvailable();

// Writes the rows (texts in UTF-8, one per column; empty for an empty cell)
// at `file`, for a caller that replaces its target with it once complete;
// false when the library failed. The library says nothing on the terminal.
bool buildWorkbook(const std::filesystem::path& file, const std::string& sheetName,
                   const std::vector<WorkbookColumn>& columns, const std::vector<std::vector<std::string>>& rows);

}  // namespace vexa
