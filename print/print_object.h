#pragma once

// TPrintObject lays text, lines and boxes out on printed pages in inches
// measured from the top-left corner of the sheet. It measures the printer
// once per font or orientation change and converts every position to device
// pixels of the printable area, in 32-bit float arithmetic:
//
//   inches ──InchesToPixels (float product, truncated)──> sheet pixels
//          ── minus the gutters ──> Printer (device pixels of the printable area)

#include <array>
#include <cstdint>
#include <string>

#include "toolkit/printer.h"
#include "toolkit/short_string.h"

namespace vexa {

// Where a header, footer or page-number line sits across the printable width.
enum class TextAlignment { Left, Centre, Right };

// What a header or footer line and the page number share: where the text
// goes and in which font.
struct TPlacedText {
    float YPosition = 0;  // inches, or -1 (next line) / -2 (same line)
    TextAlignment Alignment = TextAlignment::Left;
    ShortString<80> FontName;
    std::uint16_t FontSize = 0;
    FontStyle Style;
};

struct TLineInformation : TPlacedText {
    ShortString<240> Text;
};

struct TColumnInformation {
    float Left = 0;  // inches from the sheet's left edge
    float Width = 0;
};

struct TPageNumberInformation : TPlacedText {
    ShortString<240> Format;  // printf-like, with the page number as its one integer
};

struct TBoxInformation {
    float Left = 0, Top = 0, Right = 0, Bottom = 0;  // inches
    bool Boxed = false;
    std::uint16_t Shade = 0;  // grey of the fill, 0 black .. 255 white; 0 is unshaded
    std::uint16_t LineWidth = 0;
};

class TPrintObject {
public:
    explicit TPrintObject(Printer& printer) : printer_(printer) {}

    // Page geometry and the job
    void Start(bool portrait);
    void Quit();
    void Abort();
    void SetOrientation(Orientation orientation);
    void CalculateMeasurements();
    void SetMargins(float top, float bottom, float left, float right);
    int InchesToPixelsHorizontal(float inches) const;
    int InchesToPixelsVertical(float inches) const;
    float PixelsToInchesHorizontal(int pixels) const;
    float PixelsToInchesVertical(int pixels) const;
    int CalculateLineHeight() const;
    int GetLineHeightPixels() const { return CalculateLineHeight(); }
    float GetLineHeightInches() const;
    int LinesToPixels(int lines) const;
    int GetLinesPerPage() const;
    int GetLinesInDetailArea() const;
    int GetColumnsPerLine() const;
    void GetPixelsPerInch(std::uint16_t& horizontal, std::uint16_t& vertical) const;
    void GetPixelsPerPage(std::uint16_t& horizontal, std::uint16_t& vertical) const;
    void GetGutter(std::uint16_t& top, std::uint16_t& bottom, std::uint16_t& left, std::uint16_t& right) const;
    void SetDetailTopBottom(float top, float bottom);
    void SetTopOfPage() { YPosition = DetailTop; }
    void SetYPosition(float inches) { YPosition = inches; }
    float GetYPosition() const { return YPosition; }
    void NextLine(float lines);
    void NewLines(std::uint16_t count, float lines);
    int GetLinesLeft() const;

    // Text and drawing output
    void WriteLine(float x, float y, const std::string& text);
    void WriteLineColumn(std::uint16_t column, float y, const std::string& text);
    void WriteLineColumnRight(std::uint16_t column, float y, const std::string& text);
    void WriteLineColumnCenter(std::uint16_t column, float y, const std::string& text);
    void WriteLineRight(float y, const std::string& text);
    void WriteLineCenter(float y, const std::string& text);
    int GetTextWidth(const std::string& text) const { return printer_.textWidth(text); }
    void CreateColumn(std::uint16_t column, float left, float width);
    void SetTab(float inches) { Tab = inches; }
    void DrawLine(float x1, float y1, float x2, float y2, std::uint16_t lineWidth);
    void SetLineWidth(std::uint16_t pixels) { printer_.setPenWidth(pixels); }
    int GetLineWidth() const { return printer_.penWidth(); }
    // A box in device pixels of the printable area (the original's _DrawBox,
    // a name C++ reserves).
    void DrawBoxPixels(std::uint16_t left, std::uint16_t top, std::uint16_t right, std::uint16_t bottom,
                       std::uint16_t lineWidth, std::uint16_t shade);
    void DrawBox(float left, float top, float right, float bottom, std::uint16_t lineWidth);
    void DrawBoxShaded(float left, float top, float right, float bottom, std::uint16_t lineWidth, std::uint16_t shade);
    void SetFontInformation(const std::string& name, std::uint16_t size, FontStyle style);
    std::string GetFontName() const { return printer_.fontName(); }
    int GetFontSize() const { return printer_.fontSize(); }
    void SaveCurrentFont();
    void RestoreCurrentFont();
    void SetHeaderInformation(int line, float y, const std::string& text, TextAlignment alignment,
                              const std::string& fontName, std::uint16_t fontSize, FontStyle style);
    void SetFooterInformation(int line, float y, const std::string& text, TextAlignment alignment,
                              const std::string& fontName, std::uint16_t fontSize, FontStyle style);
    void SetHeaderDimensions(float left, float top, float right, float bottom, bool boxed, std::uint16_t lineWidth,
                             std::uint16_t shade);
    void SetFooterDimensions(float left, float top, float right, float bottom, bool boxed, std::uint16_t lineWidth,
                             std::uint16_t shade);
    void WriteHeader();
    void WriteFooter();
    void SetPageNumberInformation(float y, const std::string& format, TextAlignment alignment,
                                  const std::string& fontName, std::uint16_t fontSize, FontStyle style);
    void WritePageNumber();
    void NewPage();
    int GetPageNumber() const { return printer_.pageNumber(); }
    void SetAutoPaging(bool on) { AutoPaging = on; }

    // The object's state, all zero before Start.
    int TopMargin = 0, BottomMargin = 0, LeftMargin = 0, RightMargin = 0;  // device pixels
    int PixelsPerInchVertical = 0, PixelsPerInchHorizontal = 0;
    int PhysicalWidth = 0, PhysicalHeight = 0;
    float PhysicalHeightInches = 0, PhysicalWidthInches = 0;
    int GutterLeft = 0, GutterRight = 0, GutterTop = 0, GutterBottom = 0;
    float DetailTop = 0, DetailBottom = 0;
    float YPosition = 0;  // top of the line written last, inches
    bool AutoPaging = false;
    float Tab = 0;
    ShortString<30> SavedFontName;
    int SavedFontSize = 0;
    FontStyle SavedFontStyle;
    TextMetrics Metrics;
    std::array<TLineInformation, 5> Header;  // lines 1 .. 5
    std::array<TLineInformation, 5> Footer;
    std::array<TColumnInformation, 30> Column;  // columns 1 .. 30
    TPageNumberInformation PageNumber;
    TBoxInformation HeaderBox, FooterBox;

private:
    // The left end in sheet pixels, written without the tab.
    void writeAtPixel(int x, float y, const std::string& text);
    void writeLines(std::array<TLineInformation, 5>& lines, const TBoxInformation& box);
    // In the font of `placed`, which the caller restores.
    void writePlaced(const TPlacedText& placed, const std::string& text);

    Printer& printer_;
};

// The page-number text: `format` with its integer conversions (%d, %i, %u,
// %x, %X, %o with flags, width and precision) given `number`, "%%" as "%";
// any other "%" stands as it is.
std::string formatPageNumber(const std::string& format, int number);

}  // namespace vexa
