#pragma once

// The output back ends linked into a program: PDF files through Qt's PDF
// writer (the program has a QGuiApplication), workbooks and DXF drawings
// where this build has their libraries.

#include "network/output_back_ends.h"

namespace vexa {

class LinkedOutputBackEnds : public OutputBackEnds {
public:
    bool has(OutputFormat format) const override;
    bool workbook(const std::filesystem::path& file, const std::string& sheetName,
                  const std::vector<WorkbookColumn>& columns,
                  const std::vector<std::vector<std::string>>& rows) override;
    bool dxf(const std::filesystem::path& file, const std::vector<Drawing>& drawings,
             double metresPerMillimetre) override;
    std::unique_ptr<Printer> pdf(const std::string& file, PdfPaper paper) override;
};

}  // namespace vexa
