// vexa-calc's output module: the PDF, workbook and DXF writers with the
// libraries they need (Qt, libxlsxwriter, libdxflib), opened by vexa-calc
// only when a file of theirs is asked for, so that a batch, a network or
// --help starts without loading them.

#include <memory>

#include "network/linked_output_back_ends.h"
#include "qt/pdf_file_printer.h"
#include "qt/pdf_printouts.h"

#ifdef _WIN32
#define VEXA_MODULE_ENTRY extern "C" __declspec(dllexport)
#else
#define VEXA_MODULE_ENTRY extern "C" __attribute__((visibility("default")))
#endif

namespace {

// The writers, with the application Qt's PDF writer needs started at the
// first PDF file.
class ModuleBackEnds : public vexa::LinkedOutputBackEnds {
public:
    ModuleBackEnds(int& argc, char** argv)
        : LinkedOutputBackEnds([this](const std::string& file, vexa::PdfPaper paper) {
              if (!application_) application_ = std::make_unique<vexa::PdfPrintouts>(argc_, argv_, "vexa-calc");
              return std::make_unique<vexa::PdfFilePrinter>(file, paper);
          }),
          argc_(argc),
          argv_(argv) {}

private:
    int& argc_;
    char** argv_;
    std::unique_ptr<vexa::PdfPrintouts> application_;
};

}  // namespace

// The one symbol vexa-calc looks up. The caller owns the object; the module
// stays loaded as long as the process runs.
VEXA_MODULE_ENTRY vexa::OutputBackEnds* vexaOpenOutputBackEnds(int* argc, char** argv) {
    return new ModuleBackEnds(*argc, argv);
}
