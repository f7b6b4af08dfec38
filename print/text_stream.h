#pragma once

// Running text on a printer, line by line, the way a text file is printed:
// text goes out at the current position in the font in force and moves it
// right; text that does not fit is broken at the right edge and continues on
// the next line; a line ends at the left edge below it, and a line that
// leaves too little room below it for another ends the page. A page begins
// only when something is written on it.

#include <string>

#include "toolkit/printer.h"

namespace vexa {

class PrinterTextStream {
public:
    explicit PrinterTextStream(Printer& printer) : printer_(printer) {}

    // The font for the text written next; the size in points.
    void setFont(const std::string& name, int points);
    void setStyle(FontStyle style) { printer_.setFontStyle(style); }

    // Begins the job; the position is the top-left corner of the printable area.
    void open();
    void write(const std::string& text);
    // Down by the tallest text of the line plus 2 pixels, or by the font's
    // height when the line has no text.
    void endLine();
    void formFeed();
    void close() { printer_.endDocument(); }

private:
    void startPage();
    // How many characters of `text` fit between the position and the right edge.
    std::size_t charactersThatFit(const std::u32string& text) const;

    Printer& printer_;
    int x_ = 0;
    int y_ = 0;
    int lineHeight_ = 0;       // 0 while the line has no text
    bool pageHasInk_ = false;  // anything but blanks on the page
    // The page has ended; the next begins with the first text written on it,
    // so that a job whose last page ends exactly full has no blank sheet.
    bool pageWaiting_ = false;
};

}  // namespace vexa
