#include "network/linked_output_back_ends.h"

#include "drawing/dxf_drawing.h"
#include "network/workbook.h"

namespace vexa {

bool LinkedOutputBackEnds::has(OutputFormat format) const {
    switch (format) {
        case OutputFormat::Workbook:
            return workbooksAvailable();
        case OutputFormat::Dxf:
            return dxfAvailable();
        case OutputFormat::Pdf:
            break;
    }
    return static_cast<bool>(pdf_);
}

bool LinkedOutputBackEnds::workbook(const std::filesystem::path& file, const std::string& sheetName,
                                    const std::vector<WorkbookColumn>& columns,
                                    const std::vector<std::vector<std::string>>& rows) {
    return buildWorkbook(file, sheetName, columns, rows);
}

bool LinkedOutputBackEnds::dxf(const std::filesystem::path& file, const std::vector<Drawing>& drawings,
                               double metresPerMillimetre) {
    return buildDxf(file, drawings, metresPerMillimetre);
}

std::unique_ptr<Printer> LinkedOutputBackEnds::pdf(const std::string& file, PdfPaper paper) {
    return pdf_ ? pdf_(file, paper) : nullptr;
}

}  // namespace vexa
