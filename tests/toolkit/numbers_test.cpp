#include "toolkit/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "toolkit/errors.h"

namespace vexa {
namespace {

struct GeneralCase {
    extended value;
    const char* text;
};
void PrintTo(const GeneralCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class GeneralForm : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralForm, WritesShortestTextWithDecimalComma) { EXPECT_EQ(formatGeneral(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Examples, GeneralForm,
    testing::Values(GeneralCase{0.25L, "0,25"}, GeneralCase{0.4L, "0,4"}, GeneralCase{0.05L, "0,05"},
                    GeneralCase{160, "160"}, GeneralCase{150.6L, "150,6"}, GeneralCase{27.6L, "27,6"},
                    GeneralCase{31.5L, "31,5"}, GeneralCase{0, "0"}, GeneralCase{-0.0L, "0"},
                    GeneralCase{-2.5L, "-2,5"},
                    // A double read from the catalogue still shows as typed.
                    GeneralCase{static_cast<double>(1506.0L / 10), "150,6"},
                    GeneralCase{static_cast<double>(250.0L / 1000), "0,25"},
                    // 15 significant digits, rounded half away from zero.
                    GeneralCase{1.0L / 3, "0,333333333333333"}, GeneralCase{2.0L / 3, "0,666666666666667"},
                    GeneralCase{123456789012345.5L, "123456789012346"},
                    // Plain between 1e-5 and 1e15, scientific beyond.
                    GeneralCase{0.00001L, "0,00001"}, GeneralCase{0.000001L, "1E-6"}, GeneralCase{0.0000015L, "1,5E-6"},
                    GeneralCase{999999999999999, "999999999999999"}, GeneralCase{1e15L, "1E15"},
                    GeneralCase{1.5e20L, "1,5E20"}, GeneralCase{9999999999999999.0L, "1E16"}));

struct FixedCase {
    extended value;
    int precision;
    int decimals;
    const char* text;
};
void PrintTo(const FixedCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class FixedForm : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedForm, RoundsToDecimalsOrSignificantDigits) {
    const auto& c = GetParam();
    EXPECT_EQ(formatFixed(c.value, c.precision, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(Examples, FixedForm,
                         testing::Values(FixedCase{0.4L, 3, 2, "0,40"}, FixedCase{152.195L, 4, 0, "152"},
                                         FixedCase{12.345L, 3, 2, "12,30"}, FixedCase{33, 3, 1, "33,0"},
                                         FixedCase{27.6L, 3, 1, "27,6"}, FixedCase{17.6L, 3, 1, "17,6"},
                                         FixedCase{0.75L, 3, 2, "0,75"}, FixedCase{0.125L, 3, 2, "0,13"},
                                         FixedCase{-0.125L, 3, 2, "-0,13"}, FixedCase{-0.001L, 3, 2, "0,00"},
                                         FixedCase{0, 3, 2, "0,00"}, FixedCase{1000, 4, 0, "1000"},
                                         FixedCase{999.5L, 4, 0, "1000"}, FixedCase{152.5L, 4, 0, "153"},
                                         // More integer digits than the precision: scientific.
                                         FixedCase{12345, 3, 0, "1,23E4"}, FixedCase{9999.7L, 4, 0, "1E4"}));

struct FixedTextCase {
    extended value;
    int width;
    int decimals;
    const char* text;
};
void PrintTo(const FixedTextCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class FixedText : public testing::TestWithParam<FixedTextCase> {};

TEST_P(FixedText, PadsOnTheLeftToTheWidth) {
    const auto& c = GetParam();
    EXPECT_EQ(formatFixedText(c.value, c.width, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(Examples, FixedText,
                         testing::Values(FixedTextCase{5, 2, 0, " 5"}, FixedTextCase{2.5L, 3, 1, "2,5"},
                                         FixedTextCase{44.9999999999999999L, 2, 0, "45"},
                                         FixedTextCase{4.5L, 2, 0, " 5"}, FixedTextCase{99.5L, 2, 0, "100"},
                                         FixedTextCase{0.7156L, 2, 2, "0,72"}, FixedTextCase{2.2686L, 2, 2, "2,27"},
                                         FixedTextCase{0.375L, 2, 2, "0,38"}, FixedTextCase{0.005L, 2, 2, "0,00"},
                                         FixedTextCase{0.125L, 1, 2, "0,13"}, FixedTextCase{0.25L, 2, 2, "0,25"},
                                         FixedTextCase{12.3L, 7, 1, "   12,3"}, FixedTextCase{-1.25L, 6, 1, "  -1,3"},
                                         FixedTextCase{0, 2, 0, " 0"}));

TEST(FixedText, RoundsOnTheExactBinaryValue) {
    // 2.675 is stored as 2.67499999999999999982..., so it rounds down.
    EXPECT_EQ(formatFixedText(2.675L, 1, 2), "2,67");
    // 0.5 ulp above a half still rounds up, a tie rounds away from zero.
    EXPECT_EQ(formatFixedText(std::nextafter(0.125L, 1.0L), 1, 2), "0,13");
    EXPECT_EQ(formatFixedText(-2.5L, 1, 0), "-3");
    // Digits far beyond the usual ones: 0.1 is stored as 0.1000000000000000000013552527...
    EXPECT_EQ(formatFixedText(0.1L, 1, 25), "0,1000000000000000000013553");
}

TEST(NumberTexts, ExtremeValuesAreExpandedExactly) {
    EXPECT_EQ(formatGeneral(std::numeric_limits<extended>::max()), "1,18973149535723E4932");
    EXPECT_EQ(formatGeneral(std::numeric_limits<extended>::denorm_min()), "3,64519953188247E-4951");
    EXPECT_EQ(formatGeneral(std::numeric_limits<extended>::infinity()), "INF");
}

struct ParseCase {
    const char* text;
    extended value;
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ReadingANumber : public testing::TestWithParam<ParseCase> {};

TEST_P(ReadingANumber, AcceptsTheDecimalComma) { EXPECT_EQ(parseNumber(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Accepted, ReadingANumber,
                         testing::Values(ParseCase{"2,5", 2.5L}, ParseCase{"10", 10}, ParseCase{"  1600 ", 1600},
                                         ParseCase{"-0,25", -0.25L}, ParseCase{"+3", 3}, ParseCase{",5", 0.5L},
                                         ParseCase{"5,", 5}, ParseCase{"1,5E3", 1500}, ParseCase{"1e-3", 0.001L},
                                         ParseCase{"2,5e+2", 250}, ParseCase{"0,1", 0.1L}, ParseCase{"\t7\t", 7},
                                         ParseCase{"0,005", 0.005L}, ParseCase{"1,1", 1.1L}));

class RejectingANumber : public testing::TestWithParam<const char*> {};

TEST_P(RejectingANumber, ThrowsTheConversionErrorWithTheText) {
    const std::string text = GetParam();
    try {
        parseNumber(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Rejected, RejectingANumber,
                         testing::Values("1,000.5", "abc", "", " ", "inf", "nan", "0x10", "1e99999", "-1e99999",
                                         "1e-99999", "2.5", "1,2,3", "1 000", "12a", "e5", "1e", "1e+", "--1", "+", ",",
                                         "INF", "1,5 E3"));

TEST(ScaledNumbers, RoundHalfAwayFromZeroOnTheDecimalDigitsAndWriteBack) {
    EXPECT_EQ(parseScaled("101,2345", 3), 101235);
    EXPECT_EQ(parseScaled("-0,0005", 3), -1);
    EXPECT_EQ(parseScaled("0,00049", 3), 0);
    EXPECT_EQ(parseScaled(" 1,5E2 ", 1), 1500);
    EXPECT_EQ(parseScaled("0,0000000000000000000009", 3), 0);
    EXPECT_EQ(parseScaled("1e12", 3), std::nullopt);  // more than 15 digits
    EXPECT_THROW(parseScaled("2.5", 3), ConversionError);
    EXPECT_EQ(formatScaled(-500, 3), "-0,500");
    EXPECT_EQ(formatScaled(123456, 3), "123,456");
    EXPECT_EQ(formatScaled(5, 1), "0,5");
    EXPECT_EQ(formatScaledGeneral(12500, 3), "12,5");
    EXPECT_EQ(formatScaledGeneral(3000, 3), "3");
    EXPECT_EQ(formatScaledGeneral(-1250, 3), "-1,25");
}

}  // namespace
}  // namespace vexa
