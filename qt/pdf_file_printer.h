#pragma once

// A PDF file as a printer: A4 (or A3) at 600 dpi with a sixth of an inch that
// cannot be printed on all round, like an office laser printer. The pages are kept
// in memory and the file is replaced only once the job has ended, so a failed
// job leaves an existing file as it was.

#include <QBuffer>
#include <QPdfWriter>

#include "network/linked_output_back_ends.h"
#include "qt/paint_device_printer.h"

namespace vexa {

namespace pdf_detail {
// Built before the printer that paints on it.
struct PdfPages {
    QBuffer bytes;
    QPdfWriter writer{&bytes};
};
}  // namespace pdf_detail

class PdfFilePrinter : private pdf_detail::PdfPages, public PaintDevicePrinter {
public:
    // `fileName` in UTF-8. Needs a QGuiApplication.
    explicit PdfFilePrinter(const std::string& fileName, PdfPaper paper = PdfPaper::A4);

    void beginDocument() override;

private:
    void nameDocument(const QString& name) override { writer.setTitle(name); }
    void documentEnded(bool finished) override;

    std::string fileName_;
};

// The printers of PDF files, for the output back ends a program links.
LinkedOutputBackEnds::PdfPrinters pdfFilePrinters();

}  // namespace vexa
