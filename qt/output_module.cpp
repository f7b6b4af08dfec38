// vexa-calc's output module: the PDF, workbook and DXF back ends with the
// libraries they need (Qt, libxlsxwriter, libdxflib), opened by vexa-calc
// only when a file of theirs is asked for, so that a batch, a network or
// --help starts without loading them.

#include <memory>

#include "qt/output_back_ends.h"
#include "qt/pdf_printouts.h"

namespace {

// The back ends with the application Qt's PDF writer needs.
class ModuleBackEnds : public vexa::LinkedOutputBackEnds {
public:
    ModuleBackEnds(int& argc, char** argv) : argc_(argc), argv_(argv) {}

    std::unique_ptr<vexa::Printer> pdf(const std::string& file, vexa::PdfPaper paper) override {
        if (!application_) application_ = std::make_unique<vexa::PdfPrintouts>(argc_, argv_, "vexa-calc");
        return LinkedOutputBackEnds::pdf(file, paper);
    }

private:
    int& argc_;
    char** argv_;
    std::unique_ptr<vexa::PdfPrintouts> application_;
};

}  // namespace

// The one symbol vexa-calc looks up. The caller owns the object; the module
// stays loaded as long as the process runs.
extern "C" __attribute__((visibility("default"))) vexa::OutputBackEnds* vexaOpenOutputBackEnds(int* argc, char** argv) {
    return new ModuleBackEnds(*argc, argv);
}
