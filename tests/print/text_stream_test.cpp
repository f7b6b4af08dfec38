#include "print/text_stream.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/recording_printer.h"

namespace vexa {
namespace {

using Kind = RecordingPrinter::Kind;

// 10 pt at 600 dpi on the recording printer: 83 px high, characters 41 px
// wide, lines of 85 px; the printable area is 4900 × 6400 px.
class TextStream : public ::testing::Test {
protected:
    void SetUp() override {
        stream.setFont("ARIAL CE", 10);
        stream.open();
    }
    std::size_t newPages() const {
        return static_cast<std::size_t>(
            std::ranges::count(printer.calls(), Kind::NewPage, &RecordingPrinter::Call::kind));
    }

    RecordingPrinter printer;
    PrinterTextStream stream{printer};
};

TEST_F(TextStream, TextPastTheRightEdgeContinuesOnTheNextLine) {
    stream.write("ab");
    stream.write(std::string(130, 'x'));
    stream.endLine();
    const auto texts = printer.texts();
    ASSERT_EQ(texts.size(), 3U);
    EXPECT_EQ(texts[1].x1, 82);
    EXPECT_EQ(texts[1].text.size(), 117U);  // 119 characters fit the line
    EXPECT_EQ(texts[2].x1, 0);
    EXPECT_EQ(texts[2].y1, 85);
    EXPECT_EQ(texts[2].text.size(), 13U);
}

TEST_F(TextStream, ALineThatLeavesNoRoomForTwoMoreStartsAPage) {
    for (int line = 1; line <= 75; ++line) {
        stream.write("x");
        stream.endLine();
    }
    const auto texts = printer.texts();
    EXPECT_EQ(texts[73].page, 1);  // ends at 74 × 85 = 6290 px, past 6400 - 2 × 85
    EXPECT_EQ(texts[74].page, 2);
    EXPECT_EQ(texts[74].y1, 0);
    // A line without text moves by the font height and only breaks past the page.
    stream.endLine();
    EXPECT_EQ(newPages(), 1U);
}

TEST_F(TextStream, AFormFeedOnAPageWithNothingVisibleLeavesNoBlankSheet) {
    for (int line = 1; line <= 74; ++line) {
        stream.write("x");
        stream.endLine();
    }
    stream.write("   ");
    stream.endLine();
    stream.formFeed();
    stream.write("y");
    EXPECT_EQ(newPages(), 1U);
    EXPECT_EQ(printer.texts().back().page, 2);
    EXPECT_EQ(printer.texts().back().y1, 0);
    stream.formFeed();
    EXPECT_EQ(newPages(), 1U);  // the next page begins with its first text
    stream.write("z");
    EXPECT_EQ(newPages(), 2U);
}

TEST_F(TextStream, AJobWhoseLastPageEndsExactlyFullEndsWithoutABlankPage) {
    for (int line = 1; line <= 74; ++line) {
        stream.write("x");
        stream.endLine();
    }
    stream.formFeed();
    stream.close();
    EXPECT_EQ(newPages(), 0U);
    EXPECT_EQ(printer.calls().back().kind, Kind::End);
}

}  // namespace
}  // namespace vexa
