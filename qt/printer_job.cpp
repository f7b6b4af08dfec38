#include "qt/printer_job.h"

#include <QFile>

namespace vexa {
namespace {

PaintDevicePrinter::Target targetOf(const QPrinter& printer) {
    const QString file = printer.outputFileName();
    return {(file.isEmpty() ? printer.printerName() : file).toStdString(), !file.isEmpty()};
}

}  // namespace

PrinterJob::PrinterJob(QPrinter& printer) : PaintDevicePrinter(printer, targetOf(printer)), printer_(printer) {}

void PrinterJob::withdrawPages() { withdrawn_ = printer_.abort(); }

void PrinterJob::documentEnded(bool finished) {
    // Qt's PDF engine cannot withdraw a job: the pages it wrote are no
    // printout of the whole and go.
    if (!finished && !withdrawn_ && target().isFile) QFile::remove(QString::fromStdString(target().name));
    withdrawn_ = false;
}

}  // namespace vexa
