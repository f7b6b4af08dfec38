#include <algorithm>

#include "print/print_object.h"

// The page geometry of TPrintObject: the job, the measurements, the margins,
// the conversions between inches and pixels, and the vertical cursor. Every
// inch value is a 32-bit float, as the layouts built on it were measured.

namespace vexa {

void TPrintObject::Start(bool portrait) {
    printer_.setOrientation(portrait ? Orientation::Portrait : Orientation::Landscape);
    printer_.beginDocument();
    AutoPaging = true;
    CalculateMeasurements();
    PageNumber.Format = "";
    SetMargins(PixelsToInchesVertical(GutterTop), PixelsToInchesVertical(GutterBottom),
               PixelsToInchesHorizontal(GutterLeft), PixelsToInchesHorizontal(GutterRight));
    for (auto* lines : {&Header, &Footer})
        for (auto& line : *lines) line.Text = "";
    for (auto* box : {&HeaderBox, &FooterBox}) {
        box->Boxed = false;
        box->Shade = 0;
    }
    Tab = 0;
    YPosition = 0;
}

void TPrintObject::Quit() { printer_.endDocument(); }

void TPrintObject::Abort() { printer_.abortDocument(); }

void TPrintObject::SetOrientation(Orientation orientation) {
    printer_.setOrientation(orientation);
    CalculateMeasurements();
}

void TPrintObject::CalculateMeasurements() {
    Metrics = printer_.textMetrics();
    PixelsPerInchVertical = printer_.pixelsPerInchVertical();
    PixelsPerInchHorizontal = printer_.pixelsPerInchHorizontal();
    const PixelPoint offset = printer_.printingOffset();
    GutterLeft = offset.x;
    GutterTop = offset.y;
    const PixelSize sheet = printer_.physicalPageSize();
    PhysicalWidth = sheet.width;
    PhysicalHeight = sheet.height;
    PhysicalWidthInches = static_cast<float>(PhysicalWidth) / static_cast<float>(PixelsPerInchHorizontal);
    PhysicalHeightInches = static_cast<float>(PhysicalHeight) / static_cast<float>(PixelsPerInchVertical);
    const PixelSize printable = printer_.printableSize();
    GutterRight = PhysicalWidth - GutterLeft - printable.width;
    GutterBottom = PhysicalHeight - GutterTop - printable.height;
    TopMargin = std::max(TopMargin, GutterTop);
    BottomMargin = std::max(BottomMargin, GutterBottom);
    LeftMargin = std::max(LeftMargin, GutterLeft);
    RightMargin = std::max(RightMargin, GutterRight);
}

void TPrintObject::SetMargins(float top, float bottom, float left, float right) {
    if (left + right >= PhysicalWidthInches) {
        left = PixelsToInchesHorizontal(GutterLeft);
        right = PixelsToInchesHorizontal(GutterRight);
    }
    if (left <= 0) left = PixelsToInchesHorizontal(GutterLeft);
    if (right <= 0) right = PixelsToInchesHorizontal(GutterRight);
    if (top + bottom >= PhysicalHeightInches) {
        top = PixelsToInchesVertical(GutterTop);
        bottom = PixelsToInchesVertical(GutterBottom);
    }
    if (top <= 0) top = PixelsToInchesVertical(GutterTop);
    if (bottom <= 0) bottom = PixelsToInchesVertical(GutterBottom);
    TopMargin = std::max(InchesToPixelsVertical(top), GutterTop);
    BottomMargin = std::max(InchesToPixelsVertical(bottom), GutterBottom);
    LeftMargin = std::max(InchesToPixelsHorizontal(left), GutterLeft);
    RightMargin = std::max(InchesToPixelsHorizontal(right), GutterRight);
}

int TPrintObject::InchesToPixelsHorizontal(float inches) const {
    return static_cast<int>(static_cast<float>(PixelsPerInchHorizontal) * inches);
}

int TPrintObject::InchesToPixelsVertical(float inches) const {
    return static_cast<int>(static_cast<float>(PixelsPerInchVertical) * inches);
}

float TPrintObject::PixelsToInchesHorizontal(int pixels) const {
    return static_cast<float>(pixels) / static_cast<float>(PixelsPerInchHorizontal);
}

float TPrintObject::PixelsToInchesVertical(int pixels) const {
    return static_cast<float>(pixels) / static_cast<float>(PixelsPerInchVertical);
}

int TPrintObject::CalculateLineHeight() const { return Metrics.height + Metrics.externalLeading; }

float TPrintObject::GetLineHeightInches() const {
    return PixelsToInchesVertical(static_cast<std::uint16_t>(CalculateLineHeight()));
}

int TPrintObject::LinesToPixels(int lines) const { return CalculateLineHeight() * (std::max(lines, 1) - 1); }

// Without a usable font (no line height, no width of "B") the counts are 0
// rather than a division by zero.
int TPrintObject::GetLinesPerPage() const {
    const int lineHeight = CalculateLineHeight();
    return lineHeight > 0 ? (PhysicalHeight - GutterTop - GutterBottom) / lineHeight : 0;
}

int TPrintObject::GetLinesInDetailArea() const {
    const int lineHeight = CalculateLineHeight();
    return lineHeight > 0 ? InchesToPixelsVertical(DetailBottom - DetailTop) / lineHeight : 0;
}

int TPrintObject::GetColumnsPerLine() const {
    const int width = printer_.textWidth("B");
    return width > 0 ? (PhysicalWidth - GutterLeft - GutterRight) / width : 0;
}

void TPrintObject::GetPixelsPerInch(std::uint16_t& horizontal, std::uint16_t& vertical) const {
    horizontal = static_cast<std::uint16_t>(PixelsPerInchHorizontal);
    vertical = static_cast<std::uint16_t>(PixelsPerInchVertical);
}

void TPrintObject::GetPixelsPerPage(std::uint16_t& horizontal, std::uint16_t& vertical) const {
    horizontal = static_cast<std::uint16_t>(PhysicalWidth - GutterLeft - GutterRight);
    vertical = static_cast<std::uint16_t>(PhysicalHeight - GutterTop - GutterBottom);
}

void TPrintObject::GetGutter(std::uint16_t& top, std::uint16_t& bottom, std::uint16_t& left,
                             std::uint16_t& right) const {
    top = static_cast<std::uint16_t>(GutterTop);
    bottom = static_cast<std::uint16_t>(GutterBottom);
    left = static_cast<std::uint16_t>(GutterLeft);
    right = static_cast<std::uint16_t>(GutterRight);
}

void TPrintObject::SetDetailTopBottom(float top, float bottom) {
    DetailTop = top;
    DetailBottom = bottom;
    YPosition = top - GetLineHeightInches();
}

void TPrintObject::NextLine(float lines) { YPosition = YPosition + GetLineHeightInches() * lines; }

void TPrintObject::NewLines(std::uint16_t count, float lines) {
    for (std::uint16_t n = 0; n < count; ++n) NextLine(lines);
}

int TPrintObject::GetLinesLeft() const {
    const float lineHeight = GetLineHeightInches();
    return lineHeight > 0 ? static_cast<int>((DetailBottom - YPosition) / lineHeight) : 0;
}

}  // namespace vexa
