#pragma once

// A printer without paper: it keeps every drawing call with the page it was
// made on, so that tests can check positions to the pixel. Its geometry is
// set by the test; its fonts have simple metrics that tests can work out:
// a text height of size × resolution / 72 pixels (times a percentage the test
// may set), an external leading of an eighth of that, and characters half the
// text height wide.

#include <string>
#include <vector>

#include "toolkit/printer.h"

namespace vexa {

struct PrinterGeometry {
    int pixelsPerInch = 600;
    PixelPoint printingOffset{100, 100};
    PixelSize physicalSize{5100, 6600};  // portrait: US letter at 600 dpi
    PixelSize printableSize{4900, 6400};
    int fontHeightPercent = 100;
};

class RecordingPrinter : public PrinterBackEnd {
public:
    enum class Kind { Text, UpwardText, Rectangle, Line, NewPage, Begin, End, Abort };
    struct Call {
        Kind kind = Kind::Text;
        int page = 0;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        std::string text;
        std::string fontName;
        int fontSize = 0;
        FontStyle fontStyle;
        int penWidth = 0;
        int fillGrey = 0;
    };

    explicit RecordingPrinter(PrinterGeometry portrait = {}) : portrait_(portrait) {}

    void setOrientation(Orientation orientation) override { orientation_ = orientation; }
    void beginDocument() override;
    void endDocument() override;
    void abortDocument() override;
    void newPage() override;
    int pageNumber() const override { return page_; }

    int pixelsPerInchHorizontal() const override { return portrait_.pixelsPerInch; }
    int pixelsPerInchVertical() const override { return portrait_.pixelsPerInch; }
    PixelPoint printingOffset() const override;
    PixelSize physicalPageSize() const override;
    PixelSize printableSize() const override;

    TextMetrics textMetrics() const override;
    int textWidth(const std::string& text) const override;

    void textOut(int x, int y, const std::string& text) override;
    void textOutUpwards(int x, int y, const std::string& text) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void line(int x1, int y1, int x2, int y2) override;

    const std::vector<Call>& calls() const { return calls_; }
    // The texts written, in order, level or upwards.
    std::vector<Call> texts() const;

private:
    Call call(Kind kind) const;
    void record(Kind kind, int x1, int y1, int x2, int y2);

    PrinterGeometry portrait_;
    Orientation orientation_ = Orientation::Portrait;
    int page_ = 0;
    std::vector<Call> calls_;
};

}  // namespace vexa
