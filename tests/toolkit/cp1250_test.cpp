#include "toolkit/cp1250.h"

#include <gtest/gtest.h>

#include <string>

#include "toolkit/errors.h"

namespace vexa {
namespace {

TEST(CodePage1250, EveryByteSurvivesARoundTrip) {
    std::string bytes;
    for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
    EXPECT_EQ(cp1250::encode(cp1250::decode(bytes)), bytes);
}

TEST(CodePage1250, DecodesThePolishLettersAndSigns) {
    // ą ć ę ł ń ó ś ź ż  Ą Ć Ę Ł Ń Ó Ś Ź Ż  ‰ € „ ”
    const std::string bytes =
        "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF "
        "\x89\x80\x84\x94";
    EXPECT_EQ(cp1250::decode(bytes), "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ ‰€„”");
    EXPECT_EQ(cp1250::encode("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ ‰€„”"), bytes);
}

TEST(CodePage1250, AsciiIsUnchanged) {
    EXPECT_EQ(cp1250::decode("Rurtyp PVC klasa N;\r\n"), "Rurtyp PVC klasa N;\r\n");
}

TEST(CodePage1250, ReportsACharacterItCannotHold) {
    try {
        cp1250::encode("Spadek 5‰ → 6‰");
        FAIL() << "an arrow was encoded";
    } catch (const EncodingError& error) {
        EXPECT_EQ(std::string(error.what()), "Znak \"→\" (pozycja 11) nie występuje w stronie kodowej 1250");
    }
    EXPECT_THROW(cp1250::encode("Łódź ё"), EncodingError);    // Cyrillic
    EXPECT_THROW(cp1250::encode("\xC5"), EncodingError);      // cut UTF-8 sequence
    EXPECT_THROW(cp1250::encode("\xC0\x80"), EncodingError);  // overlong NUL
    EXPECT_FALSE(cp1250::byteFor(U'\u00E0').has_value());     // à is not in the code page
    EXPECT_EQ(cp1250::byteFor(U'ł'), 0xB3);
}

}  // namespace
}  // namespace vexa
