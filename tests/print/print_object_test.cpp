// TPrintObject on the recording printer: 600 pixels per inch, a sheet of
// 5100 × 6600 pixels with gutters of 100 pixels; a font of size s has a text
// height of s × 600 / 72 pixels, an eighth of that as leading, and characters
// half the text height wide.

#include "print/print_object.h"

#include <gtest/gtest.h>

#include <array>

#include "support/recording_printer.h"

namespace vexa {
namespace {

using Kind = RecordingPrinter::Kind;

class PrintObject : public testing::Test {
protected:
    void SetUp() override {
        print.Start(true);
        print.SetFontInformation("Arial", 12, {});  // text height 100, line height 112 pixels
    }
    RecordingPrinter::Call lastText() const { return printer.texts().back(); }

    RecordingPrinter printer;
    TPrintObject print{printer};
};

TEST_F(PrintObject, StartMeasuresTheSheetAndPutsTheMarginsOnTheGutters) {
    EXPECT_EQ(printer.calls().front().kind, Kind::Begin);
    EXPECT_EQ(print.PhysicalWidth, 5100);
    EXPECT_EQ(print.GutterRight, 100);
    EXPECT_EQ(print.GutterBottom, 100);
    EXPECT_FLOAT_EQ(print.PhysicalHeightInches, 11.0F);
    EXPECT_EQ(print.LeftMargin, 100);
    EXPECT_TRUE(print.AutoPaging);
    EXPECT_EQ(print.GetLineHeightPixels(), 112);

    TPrintObject landscape(printer);
    landscape.Start(false);
    EXPECT_EQ(landscape.PhysicalWidth, 6600);
    EXPECT_EQ(landscape.PhysicalHeight, 5100);
}

TEST_F(PrintObject, MarginsFallBackToTheGuttersWhenTooSmallOrTooLarge) {
    print.SetMargins(0.8F, 0.8F, 0.8F, 0.8F);
    EXPECT_EQ((std::array{print.TopMargin, print.BottomMargin, print.LeftMargin, print.RightMargin}),
              (std::array{480, 480, 480, 480}));
    print.SetMargins(0.1F, 0.1F, 0.1F, 0.1F);
    EXPECT_EQ((std::array{print.TopMargin, print.BottomMargin, print.LeftMargin, print.RightMargin}),
              (std::array{100, 100, 100, 100}));
    print.SetMargins(1, 0, 4.5F, 4);  // left and right reach the width of 8.5 inches
    EXPECT_EQ((std::array{print.TopMargin, print.BottomMargin, print.LeftMargin, print.RightMargin}),
              (std::array{600, 100, 100, 100}));
    print.SetMargins(6, 5, 1, 2);  // top and bottom reach the height of 11 inches
    EXPECT_EQ((std::array{print.TopMargin, print.BottomMargin, print.LeftMargin, print.RightMargin}),
              (std::array{100, 100, 600, 1200}));
}

TEST_F(PrintObject, CursorMovesByLinesOfTheCurrentFont) {
    const float line = print.GetLineHeightInches();
    EXPECT_FLOAT_EQ(line, 112.0F / 600);
    print.SetDetailTopBottom(1, 10);
    EXPECT_FLOAT_EQ(print.GetYPosition(), 1 - line);
    print.SetTopOfPage();
    EXPECT_EQ(print.GetYPosition(), 1.0F);
    print.NewLines(3, 0.5F);
    EXPECT_FLOAT_EQ(print.GetYPosition(), 1 + 1.5F * line);
    EXPECT_EQ(print.LinesToPixels(0), 0);
    EXPECT_EQ(print.LinesToPixels(1), 0);
    EXPECT_EQ(print.LinesToPixels(3), 224);
    print.SetYPosition(10 - 2.7F * line);
    EXPECT_EQ(print.GetLinesLeft(), 2);
    print.SetYPosition(10 + 2.7F * line);
    EXPECT_EQ(print.GetLinesLeft(), -2);
    EXPECT_EQ(print.GetLinesPerPage(), 6400 / 112);
}

TEST_F(PrintObject, WriteLinePlacesTextOnTheSheetLessTheGutters) {
    print.SetMargins(1, 1, 0.5F, 1);
    print.WriteLine(-1, 2, "lewy margines");
    EXPECT_EQ((std::array{lastText().x1, lastText().y1}), (std::array{200, 1100}));
    print.WriteLine(0, 0, "narożnik");
    EXPECT_EQ((std::array{lastText().x1, lastText().y1}), (std::array{0, 0}));
    EXPECT_EQ(print.GetYPosition(), 0.0F);
    print.WriteLine(1, 20, "pod arkuszem");
    EXPECT_EQ(lastText().y1, 6400);
    print.WriteLine(1, 3, "a");
    print.WriteLine(4, -2, "b");  // on the same line
    EXPECT_EQ((std::array{lastText().x1, lastText().y1}), (std::array{2300, 1700}));
    print.SetAutoPaging(false);
    print.SetTab(0.5F);
    print.WriteLine(1, -1, "c");  // the next line, half an inch further right
    EXPECT_EQ((std::array{lastText().x1, lastText().y1}), (std::array{800, 1700 + 112}));
}

TEST_F(PrintObject, AlignedTextIgnoresTheTabAndKeepsIt) {
    const std::string thousandPixels(20, 'x');
    print.SetTab(0.5F);
    print.WriteLineCenter(1, thousandPixels);
    EXPECT_EQ(lastText().x1, 2050 - 100);
    print.WriteLineRight(1, thousandPixels);
    EXPECT_EQ(lastText().x1, 3900 - 100);
    print.CreateColumn(3, 1, 2);
    print.WriteLineColumnRight(3, 1, "xx");  // 100 pixels, ending at 3 inches
    EXPECT_EQ(lastText().x1, 1800 - 100 - 100);
    print.WriteLineColumnCenter(3, 1, "xx");
    EXPECT_EQ(lastText().x1, 1200 - 50 - 100);
    print.WriteLineColumn(3, 1, "xx");  // not aligned: the tab applies
    EXPECT_EQ(lastText().x1, 600 + 300 - 100);
    EXPECT_EQ(print.Tab, 0.5F);
}

TEST_F(PrintObject, RunningLinePastTheDetailAreaFinishesThePageWithItsNumber) {
    print.SetPageNumberInformation(10.5F, "Strona %d", TextAlignment::Centre, "Arial", 8, {});
    print.SetDetailTopBottom(1, 10);
    print.SetYPosition(10 - print.GetLineHeightInches() / 2);
    print.WriteLine(1, -1, "pierwszy na nowej");
    const auto texts = printer.texts();
    ASSERT_EQ(texts.size(), 2U);
    EXPECT_EQ(texts[0].text, "Strona 1");
    EXPECT_EQ(texts[0].page, 1);
    EXPECT_EQ(texts[0].fontSize, 8);
    EXPECT_EQ((std::array{texts[1].page, texts[1].y1, texts[1].fontSize}), (std::array{2, 500, 12}));
    EXPECT_FLOAT_EQ(print.GetYPosition(), 1.0F);

    print.SetAutoPaging(false);
    print.SetYPosition(10);
    print.WriteLine(1, -1, "dalej za obszarem");
    EXPECT_EQ(lastText().page, 2);
}

TEST_F(PrintObject, BoxesAreFilledWhiteOrWithTheirShade) {
    print.DrawBox(1, 1, 2, 2, 3);
    print.DrawBoxShaded(1, 1, 2, 2, 1, 200);
    print.DrawBoxShaded(1, 1, 2, 2, 1, 0);
    print.DrawLine(1, 2, 3, 2, 5);
    const auto& calls = printer.calls();
    const std::size_t n = calls.size();
    EXPECT_EQ(
        (std::array{calls[n - 4].x1, calls[n - 4].y1, calls[n - 4].x2, calls[n - 4].penWidth, calls[n - 4].fillGrey}),
        (std::array{500, 500, 1100, 3, 255}));
    EXPECT_EQ(calls[n - 3].fillGrey, 200);
    EXPECT_EQ(calls[n - 2].fillGrey, 0);
    EXPECT_EQ((std::array{calls[n - 1].x1, calls[n - 1].y1, calls[n - 1].x2, calls[n - 1].penWidth}),
              (std::array{500, 1100, 1700, 5}));
    EXPECT_EQ(print.GetLineWidth(), 5);
}

TEST_F(PrintObject, HeaderLinesStandAtTheLeftMarginCentredOrAtTheRightEdge) {
    print.SetHeaderInformation(1, 1, "abcd", TextAlignment::Left, "Arial", 12, {});  // 200 pixels wide
    print.SetHeaderInformation(2, 2, "abcd", TextAlignment::Centre, "Arial", 12, {});
    print.SetHeaderInformation(3, 3, "abcd", TextAlignment::Right, "Arial", 12, {});
    print.WriteHeader();
    const auto texts = printer.texts();
    ASSERT_EQ(texts.size(), 3U);
    EXPECT_EQ(texts[0].x1, 0);
    EXPECT_EQ(texts[1].x1, 2350);
    EXPECT_EQ(texts[2].x1, 4600);  // ends a gutter short of the printable width
    EXPECT_EQ((std::array{texts[0].y1, texts[1].y1, texts[2].y1}), (std::array{500, 1100, 1700}));
}

TEST_F(PrintObject, HeaderLinesHaveTheirFontsAndTheFontComesBack) {
    print.SetHeaderInformation(1, 0.5F, "Nagłówek", TextAlignment::Centre, "Arial", 16, {.bold = true});
    print.SetHeaderInformation(6, 0.7F, "poza tabelą", TextAlignment::Left, "Arial", 8, {});
    print.SaveCurrentFont();
    print.SetFontInformation("Arial", 8, {.bold = true});
    print.RestoreCurrentFont();
    EXPECT_EQ(print.GetLineHeightPixels(), 112);
    print.WriteHeader();
    ASSERT_EQ(printer.texts().size(), 1U);
    EXPECT_EQ(lastText().fontSize, 16);
    EXPECT_TRUE(lastText().fontStyle.bold);
    EXPECT_EQ(print.GetFontSize(), 12);
    EXPECT_FALSE(printer.fontStyle().bold);
}

TEST(PageNumberFormat, OnlyIntegerConversionsTakeTheNumber) {
    EXPECT_EQ(formatPageNumber("Strona %d z 3", 2), "Strona 2 z 3");
    EXPECT_EQ(formatPageNumber("%03d%%", 7), "007%");
    EXPECT_EQ(formatPageNumber("%s %n %", 7), "%s %n %");
    EXPECT_EQ(formatPageNumber("", 7), "");
}

}  // namespace
}  // namespace vexa
