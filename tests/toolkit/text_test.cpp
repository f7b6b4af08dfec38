#include "toolkit/text.h"

#include <gtest/gtest.h>

namespace vexa {
namespace {

TEST(CharacterText, CountsAndCutsCharactersNotBytes) {
    EXPECT_EQ(text::length("Średnica"), 8U);
    EXPECT_EQ(text::cut("ąćęłń", 3), "ąćę");
    EXPECT_EQ(text::cut("abc", 10), "abc");
    EXPECT_EQ(text::cut("abc", 0), "");
}

TEST(CharacterText, CopyTakesOneBasedRangesAndStopsAtTheEnds) {
    const std::u32string line = U"Rurtyp PVC;";
    EXPECT_EQ(text::copy(line, 8, 3), U"PVC");
    EXPECT_EQ(text::copy(line, 8, 100), U"PVC;");
    EXPECT_EQ(text::copy(line, 0, 3), U"Rur");
    EXPECT_EQ(text::copy(line, 12, 3), U"");
    EXPECT_EQ(text::copy(line, 3, -1), U"");
}

TEST(CharacterText, FindGivesOneBasedPositionOrZero) {
    EXPECT_EQ(text::find(U"K1,250", U","), 3);
    EXPECT_EQ(text::find(U"K1,250", U";"), 0);
    EXPECT_EQ(text::find(U"abc", U""), 0);
}

TEST(CharacterText, Utf8RoundTrip) {
    const std::string polish = "Wypełnienie h/d ‰ 𝄞";
    EXPECT_EQ(text::toUtf8(text::toUtf32(polish)), polish);
}

}  // namespace
// A message on one line keeps its blanks; an item laid out in columns is
// one blank between its words; a one-line field takes no control character.
TEST(CharacterText, OneLineTextsAndFields) {
    EXPECT_EQ(text::onOneLine("Rura\r\nza mała\n\tQ"), "Rura za mała \tQ");
    EXPECT_EQ(text::onOneLine(" 1:\tPVC  SN8\r\n k=0,25 ", true), "1: PVC SN8 k=0,25");
    EXPECT_EQ(text::withoutControlCharacters("K\r\n1\t\x7F\x01ł"), "K1ł");
}

}  // namespace vexa
