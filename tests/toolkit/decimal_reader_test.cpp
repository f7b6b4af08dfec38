// The number reader's conversion against exact values: hard cases worked
// out with exact rationals (ties, the ends of the range, the longest digit
// strings a boundary needs), and random texts against the C library's own
// correctly rounded strtold on Linux.

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "toolkit/errors.h"
#include "toolkit/numbers.h"

namespace vexa {
namespace {

// "0x<significand>p<exponent>L" as the extended number it names.
extended fromHexBits(const std::string& text) {
    const auto p = text.find('p');
    const std::uint64_t significand = std::stoull(text.substr(2, p - 2), nullptr, 16);
    return std::ldexp(static_cast<extended>(significand), std::stoi(text.substr(p + 1)));
}

TEST(DecimalReader, HardCasesGetTheBitsOfTheExactRationals) {
    std::ifstream file(std::string(VEXA_TEST_DATA_DIR) + "/numbers/hard_cases.txt");
    std::string line;
    int cases = 0;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto first = line.find(';'), second = line.find(';', first + 1);
        const std::string what = line.substr(0, first), text = line.substr(first + 1, second - first - 1);
        const std::string bits = line.substr(second + 1);
        ++cases;
        if (bits.empty()) {
            EXPECT_THROW(parseNumber(text), ConversionError) << what;
        } else {
            EXPECT_EQ(parseNumber(text), fromHexBits(bits)) << what;
            EXPECT_EQ(parseNumber("-" + text), -fromHexBits(bits)) << what;
        }
    }
    EXPECT_EQ(cases, 8);
    EXPECT_TRUE(std::signbit(parseNumber("-0,0e99999999999999999999")));
    EXPECT_EQ(parseNumber("0000,000125e+0000000000000000000000000004"), 1.25L);
    EXPECT_THROW(parseNumber("1e99999999999999999999"), ConversionError);
    EXPECT_THROW(parseNumber("1e-4940"), ConversionError);  // only as a subnormal
}

#ifdef __linux__
// glibc's strtold rounds correctly in every case; it reads a point.
TEST(DecimalReader, RandomTextsReadAsStrtoldReadsThem) {
    std::setlocale(LC_NUMERIC, "C");
    std::mt19937_64 random(4065);
    const auto below = [&](std::uint64_t n) { return std::uniform_int_distribution<std::uint64_t>(0, n - 1)(random); };
    for (int n = 0; n < 200'000; ++n) {
        std::string digits;
        const std::size_t length = below(100) == 0 ? 1 + below(3000) : 1 + below(25);
        for (std::size_t k = 0; k < length; ++k) digits += static_cast<char>('0' + below(10));
        const std::size_t point = below(length + 1);
        const long long exponent =
            below(100) == 0 ? static_cast<long long>(below(9900)) - 4950 : static_cast<long long>(below(60)) - 30;
        const std::string mantissa = digits.substr(0, point) + "," + digits.substr(point);
        const std::string text = (below(2) ? "-" : "") + mantissa + "e" + std::to_string(exponent);
        std::string cText = text;
        cText[cText.find(',')] = '.';
        errno = 0;
        const extended expected = std::strtold(cText.c_str(), nullptr);
        const bool inRange =
            errno != ERANGE && std::isfinite(expected) && (expected == 0 || std::fpclassify(expected) == FP_NORMAL);
        if (inRange) {
            ASSERT_EQ(parseNumber(text), expected) << text;
            ASSERT_EQ(std::signbit(parseNumber(text)), std::signbit(expected)) << text;
        } else {
            ASSERT_THROW(parseNumber(text), ConversionError) << text;
        }
    }
}
#endif

}  // namespace
}  // namespace vexa
