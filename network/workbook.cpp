#include "network/workbook.h"

#include <xlsxwriter.h>

#ifdef _WIN32
#include <io.h>
#define VEXA_DUP _dup
#define VEXA_DUP2 _dup2
#define VEXA_CLOSE _close
#define VEXA_OPEN _open
#define VEXA_NULL_DEVICE "NUL"
#else
#include <unistd.h>
#define VEXA_DUP dup
#define VEXA_DUP2 dup2
#define VEXA_CLOSE close
#define VEXA_OPEN open
#define VEXA_NULL_DEVICE "/dev/null"
#endif
#include <fcntl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "toolkit/errors.h"
#include "toolkit/numbers.h"
#include "toolkit/text.h"

namespace vexa {
namespace {

namespace fs = std::filesystem;

// Texts longer than this wrap in nobody's spreadsheet; the column stops growing.
constexpr double kWidestColumn = 80;

std::string numberFormat(int decimals) { return decimals == 0 ? "0" : "0." + std::string(decimals, '0'); }

// The library prints its errors on standard error itself, in English and
// before the program could say them in Polish: they go nowhere meanwhile.
class QuietStandardError {
public:
    QuietStandardError() {
        std::fflush(stderr);
        saved_ = VEXA_DUP(2);
        const int nowhere = VEXA_OPEN(VEXA_NULL_DEVICE, O_WRONLY);
        if (saved_ >= 0 && nowhere >= 0) VEXA_DUP2(nowhere, 2);
        if (nowhere >= 0) VEXA_CLOSE(nowhere);
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        if (saved_ < 0) return;
        VEXA_DUP2(saved_, 2);
        VEXA_CLOSE(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_ = -1;
};

// Builds the workbook in `file`; false when the library fails.
bool build(const fs::path& file, const std::string& sheetName, const std::vector<WorkbookColumn>& columns,
           const std::vector<std::vector<std::string>>& rows) {
    lxw_workbook* workbook = workbook_new(file.string().c_str());
    if (!workbook) return false;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, sheetName.c_str());
    lxw_format* head = workbook_add_format(workbook);
    format_set_bold(head);
    std::vector<lxw_format*> formats;
    for (const WorkbookColumn& column : columns) {
        lxw_format* format = nullptr;
        if (column.decimals >= 0) {
            format = workbook_add_format(workbook);
            format_set_num_format(format, numberFormat(column.decimals).c_str());
        }
        formats.push_back(format);
    }

    bool written = sheet != nullptr;
    std::vector<double> widths;
    for (std::size_t c = 0; c < columns.size() && written; ++c) {
        written = worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), columns[c].heading.c_str(), head) ==
                  LXW_NO_ERROR;
        widths.push_back(static_cast<double>(text::length(columns[c].heading)));
    }
    for (std::size_t r = 0; r < rows.size() && written; ++r) {
        const auto row = static_cast<lxw_row_t>(r + 1);
        for (std::size_t c = 0; c < columns.size() && c < rows[r].size() && written; ++c) {
            const std::string& cell = rows[r][c];
            if (cell.empty()) continue;
            const auto col = static_cast<lxw_col_t>(c);
            widths[c] = std::max(widths[c], static_cast<double>(text::length(cell)));
            bool asNumber = columns[c].decimals != kWorkbookText;
            double value = 0;
            if (asNumber) {
                try {
                    value = static_cast<double>(parseNumber(cell));
                } catch (const ConversionError&) {
                    asNumber = false;  // a text in a column of numbers stays the text it is
                }
            }
            written = (asNumber ? worksheet_write_number(sheet, row, col, value, formats[c])
                                : worksheet_write_string(sheet, row, col, cell.c_str(), nullptr)) == LXW_NO_ERROR;
        }
    }
    for (std::size_t c = 0; c < columns.size() && written; ++c)
        written = worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                       std::min(widths[c] + 2, kWidestColumn), nullptr) == LXW_NO_ERROR;
    if (written) worksheet_freeze_panes(sheet, 1, 0);
    // The workbook is freed by closing it, written or not.
    const bool closed = workbook_close(workbook) == LXW_NO_ERROR;
    return written && closed;
}

}  // namespace

bool buildWorkbook(const fs::path& file, const std::string& sheetName, const std::vector<WorkbookColumn>& columns,
                   const std::vector<std::vector<std::string>>& rows) {
    const QuietStandardError quiet;
    return build(file, sheetName, columns, rows);
}

bool workbooksAvailable() { return true; }

}  // namespace vexa
