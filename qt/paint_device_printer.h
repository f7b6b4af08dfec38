#pragma once

// The printer interface on a Qt paged paint device: a QPrinter chosen in the
// print dialog, or a QPdfWriter. Painting starts at the top-left corner of
// the device's printable area (its page layout's paint rectangle), in device
// pixels. "Arial" and "ARIAL CE" are drawn in Liberation Sans, which has
// Arial's metrics and the Polish letters.

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <string>

#include "toolkit/printer.h"

class QPagedPaintDevice;

namespace vexa {

class PaintDevicePrinter : public PrinterBackEnd {
public:
    // Where the pages go, named in the error a failed job throws: FileError
    // for a file, PrintError for a printer.
    struct Target {
        std::string name;
        bool isFile = false;
    };
    PaintDevicePrinter(QPagedPaintDevice& device, Target target);

    void setOrientation(Orientation orientation) override;
    void beginDocument() override;
    void endDocument() override;
    void abortDocument() override;
    void newPage() override;
    int pageNumber() const override { return page_; }

    int pixelsPerInchHorizontal() const override;
    int pixelsPerInchVertical() const override;
    PixelPoint printingOffset() const override;
    PixelSize physicalPageSize() const override;
    PixelSize printableSize() const override;

    TextMetrics textMetrics() const override;
    int textWidth(const std::string& text) const override;

    void textOut(int x, int y, const std::string& text) override;
    void textOutUpwards(int x, int y, const std::string& text) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void line(int x1, int y1, int x2, int y2) override;

protected:
    [[noreturn]] void fail() const;
    // Gives the device the job's name as the job begins.
    virtual void nameDocument(const QString& name) { (void)name; }
    // Called before the painter of an aborted job ends, so that the device
    // can drop what was drawn.
    virtual void withdrawPages() {}
    // Called once the painter has ended, for a finished and an aborted job.
    virtual void documentEnded(bool finished) { (void)finished; }
    const Target& target() const { return target_; }

private:
    QFont font() const;
    QFontMetrics metrics() const;

    QPagedPaintDevice& device_;
    Target target_;
    mutable QPainter painter_;  // measuring sets its font
    int page_ = 0;
};

// The font family that stands for `name` on this system.
QString printerFontFamily(const std::string& name);

}  // namespace vexa
