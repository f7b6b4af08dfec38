#pragma once

// The formats written through a library of their own (Excel workbooks,
// DXF drawings, PDF files) behind one plain interface. The window links
// them; vexa-calc opens them on demand, so that a batch starts without
// them; a build or a process without one says so in Polish.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "drawing/drawing.h"
#include "network/workbook.h"
#include "toolkit/printer.h"

namespace vexa {

enum class OutputFormat { Workbook, Pdf, Dxf };

// The sheet of a PDF file: A4 for the tables and the notebook, A3 for drawings.
enum class PdfPaper { A4, A3 };

class OutputBackEnds {
public:
    virtual ~OutputBackEnds() = default;

    // Whether this program can write the format.
    virtual bool has(OutputFormat format) const = 0;
    // Each writes its file at `file` and says whether the library succeeded.
    virtual bool workbook(const std::filesystem::path& file, const std::string& sheetName,
                          const std::vector<WorkbookColumn>& columns,
                          const std::vector<std::vector<std::string>>& rows) = 0;
    virtual bool dxf(const std::filesystem::path& file, const std::vector<Drawing>& drawings,
                     double metresPerMillimetre) = 0;
    // A printer that writes the PDF file `file` (UTF-8) once its job has ended.
    virtual std::unique_ptr<Printer> pdf(const std::string& file, PdfPaper paper) = 0;
};

// Why a format cannot be written in this program: "skoroszyty Excel są
// niedostępne w tej wersji programu".
std::string unavailable(OutputFormat format);

// A program without any of them.
class NoOutputBackEnds : public OutputBackEnds {
public:
    bool has(OutputFormat) const override { return false; }
    bool workbook(const std::filesystem::path&, const std::string&, const std::vector<WorkbookColumn>&,
                  const std::vector<std::vector<std::string>>&) override {
        return false;
    }
    bool dxf(const std::filesystem::path&, const std::vector<Drawing>&, double) override { return false; }
    std::unique_ptr<Printer> pdf(const std::string&, PdfPaper) override { return nullptr; }
};

}  // namespace vexa
