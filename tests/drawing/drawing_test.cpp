// Drawings on paper, on their own: a long text fitted to its room, the one
// rule of every renderer, and a sheet's page on a recording printer.

#include "drawing/drawing.h"

#include <gtest/gtest.h>

#include "drawing/drawing_pages.h"
#include "support/recording_printer.h"
#include "toolkit/text.h"

namespace vexa {
namespace {

// The one rule of every renderer, on a measure of one unit a character.
TEST(DrawingText, ALongTextShrinksToSeventyPercentAndIsThenCut) {
    const auto measure = [](const std::string& text, double share) {
        return static_cast<double>(text::length(text)) * share;
    };
    EXPECT_EQ(fitText("K1", 0, measure).share, 1);  // no room given: as it is
    EXPECT_EQ(fitText("Kółko", 5, measure).share, 1);
    const FittedText smaller = fitText("Kółko", 4, measure);
    EXPECT_DOUBLE_EQ(smaller.share, 0.8);
    EXPECT_EQ(smaller.text, "Kółko");
    const FittedText cut = fitText("Studnia kaskadowa", 6.5, measure);
    EXPECT_DOUBLE_EQ(cut.share, 0.7);
    EXPECT_EQ(cut.text, "Studnia…");  // no blank before the ellipsis
}

// A catalogue number in the 10 mm (236 pixels) of a short section: at 8 pt
// its 19 letters take 19 x 33 pixels, at 6 pt (70 % and no less) 19 x 25:
// cut to 8 letters and "…", 225 pixels.
TEST(DrawingPages, ATextLongerThanItsRoomIsDrawnSmallerAndCut) {
    Drawing drawing;
    drawing.sheets.emplace_back();
    drawing.sheets[0].texts.push_back({DrawingLayer::Table,
                                       {100, 100},
                                       2.0,
                                       false,
                                       AlongText::Centre,
                                       AcrossText::Middle,
                                       "DP-401-0110-SDR23,4",
                                       10});
    RecordingPrinter printer({600, {100, 100}, {7016, 9921}, {6816, 9721}, 100});
    printDrawings({drawing}, printer);
    ASSERT_EQ(printer.texts().size(), 1U);
    EXPECT_EQ(printer.texts()[0].fontSize, 6);
    EXPECT_EQ(printer.texts()[0].text, "DP-401-0…");
}

}  // namespace
}  // namespace vexa
