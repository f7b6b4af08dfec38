#include "qt/printer_job.h"

#include <QFile>

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

// Runs only for a job that began. Qt's PDF engine cannot withdraw a job: the
// pages it wrote are no printout of the whole and go.
void PrinterJob::withdrawPages() { discardFile_ = !printer_.abort() && target().isFile; }

void PrinterJob::documentEnded(bool finished) {
    if (!finished && discardFile_) QFile::remove(QString::fromStdString(target().name));
    discardFile_ = false;
}

}  // namespace vexa
