#pragma once

// PDF printouts for a program without windows (vexa-calc's output module):
// starts what Qt's fonts and PDF writer need, on the offscreen platform so
// that no display is needed.

#include <memory>
#include <string>

namespace vexa {

class PdfPrintouts {
public:
    // Once per process, before the first printer. Qt's notes about its
    // environment are not the user's business; its errors still go to
    // standard error after `programName`.
    PdfPrintouts(int& argc, char** argv, std::string programName);
    ~PdfPrintouts();
    PdfPrintouts(const PdfPrintouts&) = delete;
    PdfPrintouts& operator=(const PdfPrintouts&) = delete;

private:
    struct Application;
    std::unique_ptr<Application> application_;
};

}  // namespace vexa
