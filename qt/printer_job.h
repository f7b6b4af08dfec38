#pragma once

// A print job on the printer the print dialog set up. An aborted job is
// withdrawn: nothing of it is printed. A print to a file is a file written
// like every other: refused where the file may not be replaced (write-
// protected, even for root; no such folder), written beside it and put in
// its place once the job has ended, so that a failed job leaves the old
// file as it was.

#include <QPrinter>
#include <memory>

#include "qt/paint_device_printer.h"
#include "toolkit/text_file.h"

namespace vexa {

class PrinterJob : public PaintDevicePrinter {
public:
    // Named in errors by its output file, or by the printer's name.
    explicit PrinterJob(QPrinter& printer);

    void beginDocument() override;

private:
    void nameDocument(const QString& name) override { printer_.setDocName(name); }
    void withdrawPages() override;
    void documentEnded(bool finished) override;

    QPrinter& printer_;
    // The file of a print to a file, until the job has ended.
    std::unique_ptr<text_file::FileReplacement> file_;
};

}  // namespace vexa
