#pragma once

// A print job on the printer the print dialog set up. An aborted job is
// withdrawn: nothing of it is printed, and a print-to-file job leaves no
// file behind.

#include <QPrinter>

#include "qt/paint_device_printer.h"

namespace vexa {

class PrinterJob : public PaintDevicePrinter {
public:
    // Named in errors by its output file, or by the printer's name.
    explicit PrinterJob(QPrinter& printer);

private:
    void nameDocument(const QString& name) override { printer_.setDocName(name); }
    void withdrawPages() override;
    void documentEnded(bool finished) override;

    QPrinter& printer_;
    // The job began and wrote a file that Qt could not withdraw.
    bool discardFile_ = false;
};

}  // namespace vexa
