#pragma once

// A drawing as plain geometry, with no knowledge of where it goes: sheets of
// polylines and texts in drawing millimetres, x to the right and y upwards
// from the sheet's bottom-left corner. The page and the DXF renderers turn it
// into their own units.

#include <functional>
#include <string>
#include <vector>

namespace vexa {

// What a line or text belongs to; a CAD drawing keeps each kind on its layer.
enum class DrawingLayer { Ground, Sewer, Water, Manholes, Table, Labels };

struct DrawingPoint {
    double x = 0;
    double y = 0;
    bool operator==(const DrawingPoint&) const = default;
};

struct DrawingLine {
    DrawingLayer layer = DrawingLayer::Labels;
    double width = 0.25;  // mm
    std::vector<DrawingPoint> points;
};

// Which point of its box a text is placed by, in the text's own direction:
// along it (start, centre, end) and across it (the foot of its letters, the
// middle of its capitals, their top).
enum class AlongText { Start, Centre, End };
enum class AcrossText { Foot, Middle, Top };

struct DrawingText {
    DrawingLayer layer = DrawingLayer::Labels;
    DrawingPoint at;
    double height = 2.5;   // of a capital letter, mm
    bool upwards = false;  // read from the bottom up, turned a quarter left
    AlongText along = AlongText::Start;
    AcrossText across = AcrossText::Foot;
    std::string text;  // UTF-8
    // The room along the text, mm: a longer text is fitted to it (fitText).
    // 0: as long as it is.
    double room = 0;
};

// Where a text's anchor lies in its text cell (Liberation Sans, Arial's
// metrics): along the text as a share of its length; across it as a share of
// the cell's height from its top (the top of the capitals at 0,19, their
// middle at half, the foot of the letters at 0,81). A capital is 0,7 of the
// font size.
inline constexpr double kCapitalShare = 0.7;
inline double alongShare(AlongText along) {
    return along == AlongText::Centre ? 0.5 : along == AlongText::End ? 1.0 : 0.0;
}
inline double acrossShare(AcrossText across) {
    return across == AcrossText::Top ? 0.19 : across == AcrossText::Middle ? 0.5 : 0.81;
}

// A text as it fits its room: drawn at `share` of its size, and cut.
struct FittedText {
    double share = 1;
    std::string text;
};

// A text longer than its room is drawn smaller, down to 70 % of its size,
// and beyond that cut with "…" at 70 %, so that it stays readable: the one
// rule of every renderer. `widthAt(text, share)` measures a text drawn at
// that share of its size, in the room's unit.
inline constexpr double kSmallestTextShare = 0.7;
FittedText fitText(const std::string& text, double room,
                   const std::function<double(const std::string&, double)>& widthAt);

struct DrawingSheet {
    std::vector<DrawingLine> lines;
    std::vector<DrawingText> texts;
};

struct Drawing {
    std::string title;
    double sheetWidth = 420;  // mm: A3 landscape
    double sheetHeight = 297;
    std::vector<DrawingSheet> sheets;
};

}  // namespace vexa
