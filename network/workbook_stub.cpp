// A build without libxlsxwriter writes no workbooks, and says so.

#include "network/workbook.h"

namespace vexa {

bool workbooksAvailable() { return false; }

bool buildWorkbook(const std::filesystem::path&, const std::string&, const std::vector<WorkbookColumn>&,
                   const std::vector<std::vector<std::string>>&) {
    return false;
}

}  // namespace vexa
