#include "drawing/drawing_pages.h"

#include <algorithm>
#include <cmath>

namespace vexa {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kMillimetresPerPoint = kMillimetresPerInch / 72;
constexpr double kSameSize = 0.999;

// Drawing millimetres on one page, to device pixels of its printable area.
class PageMapping {
public:
    PageMapping(const Printer& printer, const Drawing& drawing) : sheetHeight_(drawing.sheetHeight) {
        const PixelSize page = printer.physicalPageSize();
        const double pageWidth = page.width * kMillimetresPerInch / printer.pixelsPerInchHorizontal();
        const double pageHeight = page.height * kMillimetresPerInch / printer.pixelsPerInchVertical();
        dotsPerMillimetreX_ = printer.pixelsPerInchHorizontal() / kMillimetresPerInch;
        dotsPerMillimetreY_ = printer.pixelsPerInchVertical() / kMillimetresPerInch;
        offset_ = printer.printingOffset();
        // A page the sheet's size but for the rounding of its pixels takes
        // it as it is; a smaller one, scaled down to its printable area and
        // centred there, so that the printer's margins cut nothing off.
        if (std::min(pageWidth / drawing.sheetWidth, pageHeight / drawing.sheetHeight) < kSameSize) {
            const PixelSize printable = printer.printableSize();
            const double printableWidth = printable.width / dotsPerMillimetreX_;
            const double printableHeight = printable.height / dotsPerMillimetreY_;
            scale_ = std::min(printableWidth / drawing.sheetWidth, printableHeight / drawing.sheetHeight);
            left_ = offset_.x / dotsPerMillimetreX_ + (printableWidth - drawing.sheetWidth * scale_) / 2;
            top_ = offset_.y / dotsPerMillimetreY_ + (printableHeight - drawing.sheetHeight * scale_) / 2;
        }
    }

    double x(double millimetres) const { return (left_ + millimetres * scale_) * dotsPerMillimetreX_ - offset_.x; }
    double y(double millimetres) const {
        return (top_ + (sheetHeight_ - millimetres) * scale_) * dotsPerMillimetreY_ - offset_.y;
    }
    double length(double millimetres) const { return millimetres * scale_ * dotsPerMillimetreX_; }
    int pixels(double millimetres) const {
        return std::max(1, static_cast<int>(std::lround(millimetres * scale_ * dotsPerMillimetreX_)));
    }
    int points(double capitalHeight) const {
        return std::max(1,
                        static_cast<int>(std::lround(capitalHeight * scale_ / kCapitalShare / kMillimetresPerPoint)));
    }

private:
    double sheetHeight_;
    double scale_ = 1;
    double left_ = 0, top_ = 0;
    double dotsPerMillimetreX_ = 0, dotsPerMillimetreY_ = 0;
    PixelPoint offset_;
};

int rounded(double pixels) { return static_cast<int>(std::lround(pixels)); }

void drawLine(Printer& printer, const PageMapping& page, const DrawingLine& line) {
    printer.setPenWidth(page.pixels(line.width));
    for (std::size_t n = 1; n < line.points.size(); ++n)
        printer.line(rounded(page.x(line.points[n - 1].x)), rounded(page.y(line.points[n - 1].y)),
                     rounded(page.x(line.points[n].x)), rounded(page.y(line.points[n].y)));
}

void drawText(Printer& printer, const PageMapping& page, const DrawingText& text) {
    const int points = page.points(text.height);
    const auto pointsAt = [points](double share) { return std::max(1, static_cast<int>(std::lround(points * share))); };
    const FittedText fitted =
        fitText(text.text, page.length(text.room), [&](const std::string& candidate, double share) {
            printer.setFontSize(pointsAt(share));
            return static_cast<double>(printer.textWidth(candidate));
        });
    printer.setFontSize(pointsAt(fitted.share));
    const double width = printer.textWidth(fitted.text);
    const double height = printer.textMetrics().height;
    const double x = page.x(text.at.x), y = page.y(text.at.y);
    const double along = alongShare(text.along) * width, across = acrossShare(text.across) * height;
    if (text.upwards)
        printer.textOutUpwards(rounded(x - across), rounded(y + along), fitted.text);
    else
        printer.textOut(rounded(x - along), rounded(y - across), fitted.text);
}

}  // namespace

void printDrawings(const std::vector<Drawing>& drawings, Printer& printer) {
    // One drawing goes by its title; more than one are the network's profiles.
    printer.setDocumentName(drawings.size() == 1 ? "Vexa - " + drawings.front().title : "Vexa - profile podłużne");
    printer.setOrientation(Orientation::Landscape);
    printer.beginDocument();
    try {
        printer.setFontName("Arial");
        printer.setFontStyle({});
        bool first = true;
        for (const Drawing& drawing : drawings) {
            const PageMapping page(printer, drawing);
            for (const DrawingSheet& sheet : drawing.sheets) {
                if (!first) printer.newPage();
                first = false;
                for (const DrawingLine& line : sheet.lines) drawLine(printer, page, line);
                for (const DrawingText& text : sheet.texts) drawText(printer, page, text);
            }
        }
    } catch (...) {
        printer.abortDocument();
        throw;
    }
    printer.endDocument();
}

}  // namespace vexa
