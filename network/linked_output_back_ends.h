#pragma once

// The output back ends linked into a program: workbooks and DXF drawings
// where this build has their libraries (their stubs say otherwise), and PDF
// files through the printers a program with Qt gives.

#include <functional>

#include "network/output_back_ends.h"

namespace vexa {

class LinkedOutputBackEnds : public OutputBackEnds {
public:
    // Makes the printer of a PDF file; none where the program writes no PDF.
    using PdfPrinters = std::function<std::unique_ptr<Printer>(const std::string& file, PdfPaper paper)>;

    explicit LinkedOutputBackEnds(PdfPrinters pdf = {}) : pdf_(std::move(pdf)) {}

    bool has(OutputFormat format) const override;
    bool workbook(const std::filesystem::path& file, const std::string& sheetName,
                  const std::vector<WorkbookColumn>& columns,
                  const std::vector<std::vector<std::string>>& rows) override;
    bool dxf(const std::filesystem::path& file, const std::vector<Drawing>& drawings,
             double metresPerMillimetre) override;
    std::unique_ptr<Printer> pdf(const std::string& file, PdfPaper paper) override;

private:
    PdfPrinters pdf_;
};

}  // namespace vexa
