#include "qt/output_back_ends.h"

#include "drawing/dxf_drawing.h"
#include "qt/pdf_file_printer.h"

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
    return true;
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
    return std::make_unique<PdfFilePrinter>(file, paper);
}

}  // namespace vexa
