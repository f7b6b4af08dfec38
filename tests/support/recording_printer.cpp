#include "support/recording_printer.h"

#include <type_traits>
#include <utility>

#include "toolkit/text.h"

namespace vexa {
namespace {

template <typename T>
T turned(T portrait, Orientation orientation) {
    if (orientation == Orientation::Portrait) return portrait;
    if constexpr (std::is_same_v<T, PixelPoint>)
        return {portrait.y, portrait.x};
    else
        return {portrait.height, portrait.width};
}

}  // namespace

RecordingPrinter::Call RecordingPrinter::call(Kind kind) const {
    Call made;
    made.kind = kind;
    made.page = page_;
    made.fontName = tools().fontName;
    made.fontSize = tools().fontSize;
    made.fontStyle = tools().fontStyle;
    made.penWidth = tools().penWidth;
    made.fillGrey = tools().fillGrey;
    return made;
}

void RecordingPrinter::beginDocument() {
    page_ = 1;
    calls_.push_back(call(Kind::Begin));
}

void RecordingPrinter::endDocument() { calls_.push_back(call(Kind::End)); }

void RecordingPrinter::abortDocument() { calls_.push_back(call(Kind::Abort)); }

void RecordingPrinter::newPage() {
    ++page_;
    calls_.push_back(call(Kind::NewPage));
}

PixelPoint RecordingPrinter::printingOffset() const { return turned(portrait_.printingOffset, orientation_); }

PixelSize RecordingPrinter::physicalPageSize() const { return turned(portrait_.physicalSize, orientation_); }

PixelSize RecordingPrinter::printableSize() const { return turned(portrait_.printableSize, orientation_); }

TextMetrics RecordingPrinter::textMetrics() const {
    const int height = tools().fontSize * portrait_.pixelsPerInch * portrait_.fontHeightPercent / 7200;
    return {height, height / 8};
}

int RecordingPrinter::textWidth(const std::string& text) const {
    return static_cast<int>(text::length(text)) * (textMetrics().height / 2);
}

void RecordingPrinter::textOut(int x, int y, const std::string& text) {
    Call made = call(Kind::Text);
    made.x1 = x;
    made.y1 = y;
    made.text = text;
    calls_.push_back(std::move(made));
}

void RecordingPrinter::textOutUpwards(int x, int y, const std::string& text) {
    textOut(x, y, text);
    calls_.back().kind = Kind::UpwardText;
}

void RecordingPrinter::record(Kind kind, int x1, int y1, int x2, int y2) {
    Call made = call(kind);
    made.x1 = x1;
    made.y1 = y1;
    made.x2 = x2;
    made.y2 = y2;
    calls_.push_back(std::move(made));
}

void RecordingPrinter::rectangle(int left, int top, int right, int bottom) {
    record(Kind::Rectangle, left, top, right, bottom);
}

void RecordingPrinter::line(int x1, int y1, int x2, int y2) { record(Kind::Line, x1, y1, x2, y2); }

std::vector<RecordingPrinter::Call> RecordingPrinter::texts() const {
    std::vector<Call> written;
    for (const auto& made : calls_)
        if (made.kind == Kind::Text || made.kind == Kind::UpwardText) written.push_back(made);
    return written;
}

}  // namespace vexa
