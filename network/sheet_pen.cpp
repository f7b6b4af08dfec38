#include "network/sheet_pen.h"

#include <algorithm>
#include <cmath>

namespace vexa {

void SheetPen::dashed(DrawingLayer layer, DrawingPoint a, DrawingPoint b) {
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    for (double at = 0; at < length; at += kDash + kGap) {
        const double end = std::min(at + kDash, length);
        const auto along = [&](double share) {
            return DrawingPoint{a.x + (b.x - a.x) * share / length, a.y + (b.y - a.y) * share / length};
        };
        line(layer, 0.25, {along(at), along(end)});
    }
}

}  // namespace vexa
