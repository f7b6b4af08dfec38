#include "qt/printer_job.h"

#include "toolkit/version.h"

namespace vexa {
namespace {

PaintDevicePrinter::Target targetOf(const QPrinter& printer) {
    const QString file = printer.outputFileName();
    return {(file.isEmpty() ? printer.printerName() : file).toStdString(), !file.isEmpty()};
}

}  // namespace

PrinterJob::PrinterJob(QPrinter& printer) : PaintDevicePrinter(printer, targetOf(printer)), printer_(printer) {
    // What a PDF printed to a file names as its maker.
    printer_.setCreator("Vexa " VEXA_VERSION);
}

void PrinterJob::beginDocument() {
    if (target().isFile) {
        file_ = std::make_unique<text_file::FileReplacement>(target().name);
        printer_.setOutputFileName(QString::fromStdString(file_->temporary().string()));
    }
    try {
        PaintDevicePrinter::beginDocument();
    } catch (...) {
        documentEnded(false);
        throw;
    }
}

// Runs only for a job that began. Qt's PDF engine cannot withdraw a job:
// the pages it wrote to the temporary file go with it.
void PrinterJob::withdrawPages() { printer_.abort(); }

void PrinterJob::documentEnded(bool finished) {
    if (!file_) return;
    // The dialog offers the user's own file again next time.
    printer_.setOutputFileName(QString::fromStdString(target().name));
    const std::unique_ptr<text_file::FileReplacement> file = std::move(file_);
    if (finished) file->commit();
}

}  // namespace vexa
