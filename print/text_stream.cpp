#include "print/text_stream.h"

#include <algorithm>

#include "toolkit/text.h"

namespace vexa {

void PrinterTextStream::setFont(const std::string& name, int points) {
    printer_.setFontName(name);
    printer_.setFontSize(points);
}

void PrinterTextStream::open() {
    printer_.beginDocument();
    x_ = 0;
    y_ = 0;
    lineHeight_ = 0;
    pageHasInk_ = false;
    pageWaiting_ = false;
}

std::size_t PrinterTextStream::charactersThatFit(const std::u32string& text) const {
    const int room = printer_.printableSize().width - x_;
    std::size_t count = text.size();
    while (count > 0 && printer_.textWidth(text::toUtf8(text.substr(0, count))) > room) --count;
    return count;
}

void PrinterTextStream::write(const std::string& text) {
    std::u32string rest = text::toUtf32(text);
    while (!rest.empty()) {
        std::size_t count = charactersThatFit(rest);
        // A character wider than the whole line goes out alone rather than
        // being broken off forever.
        if (count == 0 && x_ == 0) count = 1;
        const std::string piece = text::toUtf8(rest.substr(0, count));
        if (count > 0) {
            const bool ink = piece.find_first_not_of(' ') != std::string::npos;
            if (ink && pageWaiting_) {
                printer_.newPage();
                pageWaiting_ = false;
            }
            // Blanks on a page not yet begun would only begin it blank.
            if (!pageWaiting_) printer_.textOut(x_, y_, piece);
            if (ink) pageHasInk_ = true;
            lineHeight_ = std::max(lineHeight_, printer_.textMetrics().height + 2);
        }
        rest.erase(0, count);
        if (rest.empty())
            x_ += printer_.textWidth(piece);
        else
            endLine();
    }
}

void PrinterTextStream::endLine() {
    x_ = 0;
    y_ += lineHeight_ > 0 ? lineHeight_ : printer_.textMetrics().height;
    if (y_ > printer_.printableSize().height - 2 * lineHeight_) startPage();
    lineHeight_ = 0;
}

void PrinterTextStream::formFeed() {
    // A page with nothing visible on it yet (one the stream has just begun on
    // its own, say) is already the new page: a second break would leave a
    // blank sheet.
    if (pageHasInk_) {
        startPage();
    } else {
        x_ = 0;
        y_ = 0;
    }
}

void PrinterTextStream::startPage() {
    pageWaiting_ = true;
    x_ = 0;
    y_ = 0;
    pageHasInk_ = false;
}

}  // namespace vexa
