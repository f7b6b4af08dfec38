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

// Writes the rows (texts in UTF-8, one per column; empty for an empty cell)
// to `fileName` (UTF-8). The file is replaced only once the workbook is
// complete; a failure throws FileError naming it and leaves an existing
// file as it was.
void writeWorkbook(const std::string& fileName, const std::string& sheetName,
                   const std::vector<WorkbookColumn>& columns, const std::vector<std::vector<std::string>>& rows);

// The same written at `file`, for a caller that replaces the target itself;
// false when the library failed. The library says nothing on the terminal.
bool buildWorkbook(const std::filesystem::path& file, const std::string& sheetName,
                   const std::vector<WorkbookColumn>& columns, const std::vector<std::vector<std::string>>& rows);

}  // namespace vexa
