#include <algorithm>
#include <cstdio>
#include <string_view>

#include "print/print_object.h"

// The output of TPrintObject: lines of text placed or aligned in inches,
// lines and boxes, fonts, header, footer and page number, and paging. Every
// text ends in WriteLine.

namespace vexa {
namespace {

bool isIntegerConversion(char c) { return c == 'd' || c == 'i' || c == 'u' || c == 'x' || c == 'X' || c == 'o'; }

}  // namespace

std::string formatPageNumber(const std::string& format, int number) {
    std::string text;
    for (std::size_t pos = 0; pos < format.size(); ++pos) {
        if (format[pos] != '%') {
            text += format[pos];
            continue;
        }
        if (pos + 1 < format.size() && format[pos + 1] == '%') {
            text += '%';
            ++pos;
            continue;
        }
        // Flags, width and precision, then the conversion; only integer
        // conversions take the number, so no text can make the formatter
        // read an argument that is not there.
        std::size_t end = pos + 1;
        while (end < format.size() && std::string_view("-+ #0123456789.").find(format[end]) != std::string_view::npos)
            ++end;
        if (end < format.size() && isIntegerConversion(format[end]) && end - pos < 16) {
            const std::string conversion = format.substr(pos, end - pos + 1);
            char formatted[64];
            const int length = std::snprintf(formatted, sizeof formatted, conversion.c_str(), number);
            if (length > 0)
                text.append(formatted, static_cast<std::size_t>(std::min<int>(length, sizeof formatted - 1)));
            pos = end;
        } else {
            text += '%';
        }
    }
    return text;
}

void TPrintObject::WriteLine(float x, float y, const std::string& text) {
    int left = x >= 0 ? InchesToPixelsHorizontal(x) : LeftMargin;
    if (left < GutterLeft) left = GutterLeft;
    if (Tab > 0) left += InchesToPixelsHorizontal(Tab);

    int top = 0;
    if (static_cast<long double>(y) > -0.01L) {  // an explicit position
        top = InchesToPixelsVertical(y);
        if (top < GutterTop) top = GutterTop;
        if (top > PhysicalHeight) top = PhysicalHeight - GutterBottom;
        YPosition = y;
    } else if (y == -1) {  // the next line
        if (AutoPaging && YPosition + GetLineHeightInches() > DetailBottom) NewPage();
        YPosition = YPosition + GetLineHeightInches();
        top = InchesToPixelsVertical(YPosition);
    } else if (y == -2) {  // the line written last
        top = InchesToPixelsVertical(YPosition);
    } else {
        return;
    }
    printer_.textOut(left - GutterLeft, top - GutterTop, text);
}

void TPrintObject::writeAtPixel(int x, float y, const std::string& text) {
    const float tab = Tab;
    Tab = 0;
    WriteLine(PixelsToInchesHorizontal(x), y, text);
    Tab = tab;
}

void TPrintObject::WriteLineColumn(std::uint16_t column, float y, const std::string& text) {
    if (column < 1 || column > Column.size()) return;
    WriteLine(Column[column - 1].Left, y, text);
}

void TPrintObject::WriteLineColumnRight(std::uint16_t column, float y, const std::string& text) {
    if (column < 1 || column > Column.size()) return;
    const TColumnInformation& c = Column[column - 1];
    writeAtPixel(InchesToPixelsHorizontal(c.Left + c.Width) - GetTextWidth(text), y, text);
}

void TPrintObject::WriteLineColumnCenter(std::uint16_t column, float y, const std::string& text) {
    if (column < 1 || column > Column.size()) return;
    const TColumnInformation& c = Column[column - 1];
    writeAtPixel(InchesToPixelsHorizontal(c.Width) / 2 + InchesToPixelsHorizontal(c.Left) - GetTextWidth(text) / 2, y,
                 text);
}

void TPrintObject::WriteLineRight(float y, const std::string& text) {
    writeAtPixel(PhysicalWidth - GutterLeft - GutterRight - GetTextWidth(text), y, text);
}

void TPrintObject::WriteLineCenter(float y, const std::string& text) {
    writeAtPixel((PhysicalWidth - GutterRight + GutterLeft) / 2 - GetTextWidth(text) / 2, y, text);
}

void TPrintObject::CreateColumn(std::uint16_t column, float left, float width) {
    if (column < 1 || column > Column.size()) return;
    Column[column - 1] = {left, width};
}

void TPrintObject::DrawLine(float x1, float y1, float x2, float y2, std::uint16_t lineWidth) {
    printer_.setPenWidth(lineWidth);
    printer_.line(InchesToPixelsHorizontal(x1) - GutterLeft, InchesToPixelsVertical(y1) - GutterTop,
                  InchesToPixelsHorizontal(x2) - GutterLeft, InchesToPixelsVertical(y2) - GutterTop);
}

void TPrintObject::DrawBoxPixels(std::uint16_t left, std::uint16_t top, std::uint16_t right, std::uint16_t bottom,
                                 std::uint16_t lineWidth, std::uint16_t shade) {
    printer_.setPenWidth(lineWidth);
    printer_.setFillGrey(shade & 0xFF);
    printer_.rectangle(left, top, right, bottom);
}

void TPrintObject::DrawBox(float left, float top, float right, float bottom, std::uint16_t lineWidth) {
    DrawBoxShaded(left, top, right, bottom, lineWidth, 255);
}

void TPrintObject::DrawBoxShaded(float left, float top, float right, float bottom, std::uint16_t lineWidth,
                                 std::uint16_t shade) {
    const auto horizontal = [&](float x) {
        return static_cast<std::uint16_t>(InchesToPixelsHorizontal(x) - GutterLeft);
    };
    const auto vertical = [&](float y) { return static_cast<std::uint16_t>(InchesToPixelsVertical(y) - GutterTop); };
    DrawBoxPixels(horizontal(left), vertical(top), horizontal(right), vertical(bottom), lineWidth, shade);
}

void TPrintObject::SetFontInformation(const std::string& name, std::uint16_t size, FontStyle style) {
    printer_.setFontName(name);
    printer_.setFontSize(size);
    printer_.setFontStyle(style);
    CalculateMeasurements();
}

void TPrintObject::SaveCurrentFont() {
    SavedFontName = printer_.fontName();
    SavedFontSize = printer_.fontSize();
    SavedFontStyle = printer_.fontStyle();
}

void TPrintObject::RestoreCurrentFont() {
    SetFontInformation(SavedFontName.str(), static_cast<std::uint16_t>(SavedFontSize), SavedFontStyle);
}

namespace {

void place(TPlacedText& placed, float y, TextAlignment alignment, const std::string& fontName, std::uint16_t fontSize,
           FontStyle style) {
    placed.YPosition = y;
    placed.Alignment = alignment;
    placed.FontName = fontName;
    placed.FontSize = fontSize;
    placed.Style = style;
}

void storeLine(std::array<TLineInformation, 5>& lines, int line, float y, const std::string& text,
               TextAlignment alignment, const std::string& fontName, std::uint16_t fontSize, FontStyle style) {
    if (line < 1 || line > 5) return;
    TLineInformation& stored = lines[static_cast<std::size_t>(line - 1)];
    stored.Text = text;
    place(stored, y, alignment, fontName, fontSize, style);
}

}  // namespace

void TPrintObject::SetHeaderInformation(int line, float y, const std::string& text, TextAlignment alignment,
                                        const std::string& fontName, std::uint16_t fontSize, FontStyle style) {
    storeLine(Header, line, y, text, alignment, fontName, fontSize, style);
}

void TPrintObject::SetFooterInformation(int line, float y, const std::string& text, TextAlignment alignment,
                                        const std::string& fontName, std::uint16_t fontSize, FontStyle style) {
    storeLine(Footer, line, y, text, alignment, fontName, fontSize, style);
}

void TPrintObject::SetHeaderDimensions(float left, float top, float right, float bottom, bool boxed,
                                       std::uint16_t lineWidth, std::uint16_t shade) {
    HeaderBox = {left, top, right, bottom, boxed, shade, lineWidth};
}

void TPrintObject::SetFooterDimensions(float left, float top, float right, float bottom, bool boxed,
                                       std::uint16_t lineWidth, std::uint16_t shade) {
    FooterBox = {left, top, right, bottom, boxed, shade, lineWidth};
}

void TPrintObject::writePlaced(const TPlacedText& placed, const std::string& text) {
    SetFontInformation(placed.FontName.str(), placed.FontSize, placed.Style);
    switch (placed.Alignment) {
        case TextAlignment::Left:
            WriteLine(PixelsToInchesHorizontal(LeftMargin), placed.YPosition, text);
            break;
        case TextAlignment::Centre:
            WriteLineCenter(placed.YPosition, text);
            break;
        case TextAlignment::Right:
            WriteLineRight(placed.YPosition, text);
            break;
    }
}

void TPrintObject::writeLines(std::array<TLineInformation, 5>& lines, const TBoxInformation& box) {
    SaveCurrentFont();
    for (const TLineInformation& line : lines) {
        if (!line.Text.str().empty()) writePlaced(line, line.Text.str());
        RestoreCurrentFont();
    }
    if (!box.Boxed) return;
    if (box.Shade > 0)
        DrawBoxShaded(box.Left, box.Top, box.Right, box.Bottom, box.LineWidth, box.Shade);
    else
        DrawBox(box.Left, box.Top, box.Right, box.Bottom, box.LineWidth);
}

void TPrintObject::WriteHeader() { writeLines(Header, HeaderBox); }

void TPrintObject::WriteFooter() {
    const bool paging = AutoPaging;
    AutoPaging = false;
    writeLines(Footer, FooterBox);
    AutoPaging = paging;
}

void TPrintObject::SetPageNumberInformation(float y, const std::string& format, TextAlignment alignment,
                                            const std::string& fontName, std::uint16_t fontSize, FontStyle style) {
    PageNumber.Format = format;
    place(PageNumber, y, alignment, fontName, fontSize, style);
}

void TPrintObject::WritePageNumber() {
    const std::string text = formatPageNumber(PageNumber.Format.str(), printer_.pageNumber());
    SaveCurrentFont();
    const bool paging = AutoPaging;
    AutoPaging = false;
    writePlaced(PageNumber, text);
    AutoPaging = paging;
    RestoreCurrentFont();
}

void TPrintObject::NewPage() {
    WritePageNumber();
    YPosition = DetailTop - GetLineHeightInches();
    printer_.newPage();
}

}  // namespace vexa
