#pragma once

// Draws lines and texts onto a drawing sheet: the one way the profiles, their
// tables and the title block put geometry on paper.

#include <string>
#include <utility>
#include <vector>

#include "drawing/drawing.h"

namespace vexa {

class SheetPen {
public:
    explicit SheetPen(DrawingSheet& sheet) : sheet_(sheet) {}

    void line(DrawingLayer layer, double width, std::vector<DrawingPoint> points) {
        sheet_.lines.push_back({layer, width, std::move(points)});
    }
    // Dashes of kDash and gaps of kGap from a to b, as every renderer draws them alike.
    void dashed(DrawingLayer layer, DrawingPoint a, DrawingPoint b);
    // `room` 0: as long as the text is; else fitted to it.
    void text(DrawingLayer layer, DrawingPoint at, double height, AlongText along, AcrossText across, std::string text,
              double room = 0, bool upwards = false) {
        sheet_.texts.push_back({layer, at, height, upwards, along, across, std::move(text), room});
    }

    static constexpr double kDash = 3;  // mm
    static constexpr double kGap = 1.5;

private:
    DrawingSheet& sheet_;
};

}  // namespace vexa
