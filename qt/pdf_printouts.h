#pragma once

// PDF printouts for a program without windows (vexa-calc): starts what Qt's
// fonts and PDF writer need, on the offscreen platform so that no display is
// needed, and makes a printer for each PDF file. The header is free of Qt, so
// the batch calculator does not see its types.

#include <memory>
#include <string>

#include "toolkit/printer.h"

namespace vexa {

// The sheet of a PDF printout: A4 for the tables and the notebook, A3 for
// drawings.
enum class PdfPaper { A4, A3 };

class PdfPrintouts {
public:
    // Once per process, before the first printer. Qt's notes about its
    // environment are not the user's business; its errors still go to
    // standard error after `programName`.
    PdfPrintouts(int& argc, char** argv, std::string programName);
    ~PdfPrintouts();
    PdfPrintouts(const PdfPrintouts&) = delete;
    PdfPrintouts& operator=(const PdfPrintouts&) = delete;

    // A printer that writes `file` (UTF-8) once its job has ended.
    std::unique_ptr<Printer> printerFor(const std::string& file, PdfPaper paper = PdfPaper::A4) const;

private:
    struct Application;
    std::unique_ptr<Application> application_;
};

}  // namespace vexa
