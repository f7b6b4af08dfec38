#pragma once

// What the program asks of a printer, in device pixels: the print job, the
// page geometry, fonts with their metrics, text, pen, fill, rectangles and
// lines. Drawing coordinates start at the top-left corner of the printable
// area. The Qt back end drives QPrinter and QPdfWriter; tests record the calls.

#include <string>

namespace vexa {

enum class Orientation { Portrait, Landscape };

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontStyle&) const = default;
};

// The two measures of the current font that page layout uses.
struct TextMetrics {
    int height = 0;           // ascent plus descent
    int externalLeading = 0;  // recommended space between lines
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

class Printer {
public:
    virtual ~Printer() = default;

    // The job. Page numbers start at 1. Its name, set before it begins, is
    // what print queues list and what a PDF file gives as its title.
    virtual void setDocumentName(const std::string& name) = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    virtual void beginDocument() = 0;
    virtual void endDocument() = 0;
    virtual void abortDocument() = 0;
    virtual void newPage() = 0;
    virtual int pageNumber() const = 0;

    // The geometry of the sheet in the current orientation.
    virtual int pixelsPerInchHorizontal() const = 0;
    virtual int pixelsPerInchVertical() const = 0;
    virtual PixelPoint printingOffset() const = 0;  // the left and top unprintable borders
    virtual PixelSize physicalPageSize() const = 0;
    virtual PixelSize printableSize() const = 0;

    // The current font; the size in points.
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setFontStyle(FontStyle style) = 0;
    virtual std::string fontName() const = 0;
    virtual int fontSize() const = 0;
    virtual FontStyle fontStyle() const = 0;
    virtual TextMetrics textMetrics() const = 0;
    virtual int textWidth(const std::string& text) const = 0;

    // Drawing. Text is placed by the top-left corner of its text cell; a
    // rectangle is outlined with the pen and filled with the fill colour.
    virtual void textOut(int x, int y, const std::string& text) = 0;
    // Text turned a quarter left, read from the bottom up, placed by the
    // corner where it starts: the bottom-left corner of its turned cell.
    virtual void textOutUpwards(int x, int y, const std::string& text) = 0;
    virtual void setPenWidth(int pixels) = 0;
    virtual int penWidth() const = 0;
    virtual void setFillGrey(int level) = 0;  // 0 black .. 255 white
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;
};

// The font, pen and fill that a back end draws with, as they were last set.
// A new printer starts with Arial 10 pt, a one-pixel pen and a white fill.
struct DrawingTools {
    std::string fontName = "Arial";
    int fontSize = 10;
    FontStyle fontStyle;
    int penWidth = 1;
    int fillGrey = 255;
};

// A back end: it keeps the drawing tools for its drawing calls to read.
class PrinterBackEnd : public Printer {
public:
    void setDocumentName(const std::string& name) final { documentName_ = name; }
    const std::string& documentName() const { return documentName_; }
    void setFontName(const std::string& name) final { tools_.fontName = name; }
    void setFontSize(int points) final { tools_.fontSize = points; }
    void setFontStyle(FontStyle style) final { tools_.fontStyle = style; }
    std::string fontName() const final { return tools_.fontName; }
    int fontSize() const final { return tools_.fontSize; }
    FontStyle fontStyle() const final { return tools_.fontStyle; }
    void setPenWidth(int pixels) final { tools_.penWidth = pixels; }
    int penWidth() const final { return tools_.penWidth; }
    void setFillGrey(int level) final { tools_.fillGrey = level; }

protected:
    const DrawingTools& tools() const { return tools_; }

private:
    DrawingTools tools_;
    std::string documentName_;
};

}  // namespace vexa
