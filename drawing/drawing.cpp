#include "drawing/drawing.h"

#include <algorithm>

#include "toolkit/text.h"

namespace vexa {

FittedText fitText(const std::string& text, double room,
                   const std::function<double(const std::string&, double)>& widthAt) {
    const double full = room > 0 ? widthAt(text, 1) : 0;
    if (full <= room) return {1, text};
    // A renderer's measure need not be proportional to the size (whole
    // points, hinting): smaller step by step until it fits.
    for (double share = std::max(kSmallestTextShare, room / full); share > kSmallestTextShare;
         share = std::max(kSmallestTextShare, share - 0.02))
        if (widthAt(text, share) <= room) return {share, text};
    if (widthAt(text, kSmallestTextShare) <= room) return {kSmallestTextShare, text};
    std::u32string characters = text::toUtf32(text);
    while (!characters.empty()) {
        characters.pop_back();
        while (!characters.empty() && characters.back() == U' ') characters.pop_back();
        std::string cut = text::toUtf8(characters) + "…";
        if (widthAt(cut, kSmallestTextShare) <= room) return {kSmallestTextShare, std::move(cut)};
    }
    return {kSmallestTextShare, "…"};
}

}  // namespace vexa
