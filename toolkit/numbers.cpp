#include "numbers.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>

#include "big_integer.h"
#include "decimal_reader.h"
#include "errors.h"

namespace vexa {
namespace {

// The decimal expansion of a finite value: 0.d1 d2 d3 ... x 10^exponent,
// without leading or trailing zero digits (no digits at all for zero). Every
// digit it holds is exact; unless `complete`, more non-zero digits follow.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;  // digits before the decimal point; may be negative
    bool complete = true;

    bool isZero() const { return digits.empty(); }
};

// x = mantissa * 2^exponent exactly, with an odd mantissa, for x > 0.
struct BinaryValue {
    std::uint64_t mantissa = 0;
    int exponent = 0;
};

BinaryValue binaryValue(extended x) {
    int exponent = 0;
    const extended fraction = std::frexp(x, &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    exponent -= 64;
    const int zeros = std::countr_zero(mantissa);
    return {mantissa >> zeros, exponent + zeros};
}

void setDigits(Decimal& result, std::string digits, int decimalsAfterPoint) {
    result.exponent = static_cast<int>(digits.size()) - decimalsAfterPoint;
    digits.erase(digits.find_last_not_of('0') + 1);
    result.digits = std::move(digits);
}

Decimal exactDecimal(extended x) {
    Decimal result;
    result.negative = std::signbit(x);
    x = std::fabs(x);
    if (x == 0) return result;

    const auto [mantissa, binaryExponent] = binaryValue(x);
    BigInteger number(mantissa);
    int decimalsAfterPoint = 0;
    if (binaryExponent > 0) {
        number.shiftLeft(binaryExponent);
    } else {
        // m / 2^k = m * 5^k / 10^k
        number.multiplyByPower(5, -binaryExponent);
        decimalsAfterPoint = -binaryExponent;
    }
    setDigits(result, number.toDecimal(), decimalsAfterPoint);
    return result;
}

__extension__ using Unsigned128 = unsigned __int128;

std::string decimalText(Unsigned128 number) {
    constexpr std::uint64_t kNineteenDigits = 10'000'000'000'000'000'000ULL;
    char text[40];
    char* start = std::end(text);
    while (number >= kNineteenDigits) {
        auto chunk = static_cast<std::uint64_t>(number % kNineteenDigits);
        number /= kNineteenDigits;
        for (int k = 0; k < 19; ++k, chunk /= 10) *--start = static_cast<char>('0' + chunk % 10);
    }
    for (auto rest = static_cast<std::uint64_t>(number); rest != 0; rest /= 10)
        *--start = static_cast<char>('0' + rest % 10);
    return {start, std::end(text)};
}

// The digits of x down to the 10^-19 position, in 128-bit arithmetic, or
// nothing where they do not fit: a formatter's fast way to what exactDecimal
// gives, for the values a sewer has.
std::optional<Decimal> leadingDecimal(extended x) {
    Decimal result;
    result.negative = std::signbit(x);
    x = std::fabs(x);
    if (x == 0) return result;
    const auto [mantissa, binaryExponent] = binaryValue(x);
    if (binaryExponent >= 0) {
        if (std::bit_width(mantissa) + binaryExponent > 128) return std::nullopt;
        setDigits(result, decimalText(Unsigned128{mantissa} << binaryExponent), 0);
        return result;
    }
    const int shift = -binaryExponent;
    if (shift >= 128) return std::nullopt;
    // floor(x * 10^19) = floor(m * 10^19 / 2^shift); m * 10^19 < 2^128.
    const Unsigned128 scaled = Unsigned128{mantissa} * 10'000'000'000'000'000'000ULL;
    const Unsigned128 whole = scaled >> shift;
    if (whole == 0) return std::nullopt;
    result.complete = (scaled & ((Unsigned128{1} << shift) - 1)) == 0;
    setDigits(result, decimalText(whole), 19);
    return result;
}

// Keeps the first `keep` digits, rounding half away from zero.
void roundDigits(Decimal& value, int keep) {
    if (keep >= static_cast<int>(value.digits.size())) return;
    if (keep < 0) {
        value.digits.clear();
        return;
    }
    const bool roundUp = value.digits[keep] >= '5';
    value.digits.resize(keep);
    if (roundUp) {
        int position = keep - 1;
        while (position >= 0 && value.digits[position] == '9') value.digits[position--] = '0';
        if (position < 0) {
            value.digits.insert(value.digits.begin(), '1');
            ++value.exponent;
        } else {
            ++value.digits[position];
        }
    }
    value.digits.erase(value.digits.find_last_not_of('0') + 1);
}

// x rounded to the digits `keep(exponent)` leaves, as roundDigits rounds its
// exact expansion.
template <typename Keep>
Decimal roundedDecimal(extended x, Keep keep) {
    std::optional<Decimal> leading = leadingDecimal(x);
    Decimal value = leading && (leading->complete || static_cast<int>(leading->digits.size()) > keep(leading->exponent))
                        ? std::move(*leading)
                        : exactDecimal(x);
    roundDigits(value, keep(value.exponent));
    return value;
}

char digitAt(const Decimal& value, int index) {
    return index >= 0 && index < static_cast<int>(value.digits.size()) ? value.digits[index] : '0';
}

std::string signOf(const Decimal& value) { return value.negative && !value.isZero() ? "-" : ""; }

// Plain notation with exactly `decimals` digits after the comma.
std::string plain(const Decimal& value, int decimals) {
    std::string text = signOf(value);
    if (value.isZero() || value.exponent <= 0) {
        text += '0';
    } else {
        for (int index = 0; index < value.exponent; ++index) text += digitAt(value, index);
    }
    if (decimals > 0) {
        text += ',';
        const int first = value.isZero() ? 0 : value.exponent;
        for (int k = 0; k < decimals; ++k) text += value.isZero() ? '0' : digitAt(value, first + k);
    }
    return text;
}

std::string scientific(const Decimal& value) {
    std::string text = signOf(value);
    text += value.digits.front();
    if (value.digits.size() > 1) {
        text += ',';
        text.append(value.digits, 1);
    }
    return text + "E" + std::to_string(value.exponent - 1);
}

std::string nonFinite(extended x) {
    if (std::isnan(x)) return "NAN";
    return x < 0 ? "-INF" : "INF";
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

namespace {

// A number text as the reader takes it apart: ±digits·10^exponent.
struct ScannedNumber {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

ScannedNumber scanNumber(std::string_view text) {
    const auto fail = [&] { throw ConversionError(std::string(text)); };
    std::size_t pos = 0;
    const std::size_t end = text.size();
    const auto takeDigits = [&](std::string& into) {
        while (pos < end && isDigit(text[pos])) into += text[pos++];
    };

    while (pos < end && isBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    std::string digits, fractionDigits;
    takeDigits(digits);
    if (pos < end && text[pos] == ',') {
        ++pos;
        takeDigits(fractionDigits);
    }
    if (digits.empty() && fractionDigits.empty()) fail();
    digits += fractionDigits;

    long long exponent = 0;
    if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < end && (text[pos] == '+' || text[pos] == '-')) negativeExponent = text[pos++] == '-';
        std::string exponentDigits;
        takeDigits(exponentDigits);
        if (exponentDigits.empty()) fail();
        // Beyond some 10^12 every exponent is as far out of range as any other.
        for (const char digit : exponentDigits) exponent = std::min(exponent * 10 + (digit - '0'), 1'000'000'000'000LL);
        if (negativeExponent) exponent = -exponent;
    }
    while (pos < end && isBlank(text[pos])) ++pos;
    if (pos != end) fail();
    return {negative, digits, exponent - static_cast<long long>(fractionDigits.size())};
}

}  // namespace

extended parseNumber(std::string_view text) {
    const ScannedNumber number = scanNumber(text);
    const auto value = decimal::toExtended(number.negative, number.digits, number.exponent);
    if (!value) throw ConversionError(std::string(text));
    return *value;
}

std::optional<long long> parseScaled(std::string_view text, int decimals) {
    ScannedNumber number = scanNumber(text);
    const auto first = number.digits.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    const std::string digits = number.digits.substr(first);
    // The integer digits·10^shift, rounded half away from zero where the
    // shift cuts digits off.
    const long long shift = number.exponent + decimals;
    const long long kept = static_cast<long long>(digits.size()) + shift;
    if (kept > 15) return std::nullopt;
    long long units = 0;
    for (long long n = 0; n < kept; ++n)
        units =
            units * 10 + (n < static_cast<long long>(digits.size()) ? digits[static_cast<std::size_t>(n)] - '0' : 0);
    if (kept >= 0 && kept < static_cast<long long>(digits.size()) && digits[static_cast<std::size_t>(kept)] >= '5')
        ++units;
    return number.negative ? -units : units;
}

namespace {

// `units` / 10^decimals with exactly `decimals` decimals.
std::string scaledText(long long units, int decimals) {
    const bool negative = units < 0;
    std::string digits = std::to_string(negative ? -units : units);
    if (static_cast<int>(digits.size()) <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
    std::string text = negative ? "-" : "";
    text += digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) text += "," + digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    return text;
}

}  // namespace

std::string formatScaled(long long units, int decimals) { return scaledText(units, decimals); }

std::string formatScaledGeneral(long long units, int decimals) {
    std::string text = scaledText(units, decimals);
    if (decimals > 0) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == ',') text.pop_back();
    }
    return text;
}

std::string withDecimalComma(std::string text) {
    const auto point = text.find('.');
    if (point != std::string::npos) text[point] = ',';
    return text;
}

std::string withDecimalPoint(std::string text) {
    const auto comma = text.find(',');
    if (comma != std::string::npos) text[comma] = '.';
    return text;
}

std::string formatGeneral(extended x) {
    if (!std::isfinite(x)) return nonFinite(x);
    const Decimal value = roundedDecimal(x, [](int) { return 15; });
    if (value.isZero()) return "0";
    if (value.exponent > 15 || value.exponent < -4) return scientific(value);
    const int decimals = std::max(0, static_cast<int>(value.digits.size()) - value.exponent);
    return plain(value, decimals);
}

std::string formatFixed(extended x, int precision, int decimals) {
    if (!std::isfinite(x)) return nonFinite(x);
    const Decimal value = roundedDecimal(x, [&](int exponent) { return std::min(exponent + decimals, precision); });
    if (!value.isZero() && value.exponent > precision) return scientific(value);
    return plain(value, decimals);
}

std::string formatFixedText(extended x, int width, int decimals) {
    std::string text;
    if (!std::isfinite(x)) {
        text = nonFinite(x);
    } else {
        text = plain(roundedDecimal(x, [&](int exponent) { return exponent + decimals; }), decimals);
    }
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace vexa
