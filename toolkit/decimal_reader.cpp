#include "toolkit/decimal_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "toolkit/big_integer.h"

namespace vexa::decimal {
namespace {

static_assert(std::numeric_limits<extended>::digits == 64, "the reader builds 64-bit significands");

// Inputs longer than this lose their further digits to one sticky digit:
// no rounding boundary of an extended number in its normal range has more
// significant decimal digits, so the rounding stays exact.
constexpr std::size_t kMostDigits = 12'000;

// The smallest and largest binary exponents k of q * 2^k with a 64-bit q.
constexpr long long kLowestExponent = -16445;  // q * 2^k is then the smallest normal at q = 2^63
constexpr long long kHighestExponent = 16320;

// numerator / denominator * 2^scale, rounded to an integer of 64 bits at most,
// ties to even; the quotient must be below 2^64.
std::uint64_t roundedQuotient(BigInteger numerator, const BigInteger& denominator, long long scale, bool& carried) {
    if (scale > 0) numerator.shiftLeft(scale);
    BigInteger shifted = denominator;
    if (scale < 0) shifted.shiftLeft(-scale);
    BigInteger step = shifted;
    step.shiftLeft(63);
    std::uint64_t quotient = 0;
    for (int bit = 63; bit >= 0; --bit) {
        if (numerator >= step) {
            numerator.subtract(step);
            quotient |= std::uint64_t{1} << bit;
        }
        step.shiftRightOne();
    }
    numerator.shiftLeft(1);  // twice the remainder against the divisor
    const auto half = numerator <=> shifted;
    carried = false;
    if (half > 0 || (half == 0 && (quotient & 1))) {
        ++quotient;
        carried = quotient == 0;
    }
    return quotient;
}

}  // namespace

std::optional<extended> toExtended(bool negative, std::string_view digits, long long exponent) {
    const extended sign = negative ? -1.0L : 1.0L;
    const auto first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return sign * 0.0L;
    digits.remove_prefix(first);
    const auto last = digits.find_last_not_of('0');
    exponent += static_cast<long long>(digits.size() - last - 1);
    digits = digits.substr(0, last + 1);

    // Up to 19 digits and ten to at most the 27th are both exact extended
    // numbers (5^27 < 2^64), so one multiplication or division, rounded once
    // to nearest even, gives the correctly rounded value: the usual case.
    if (digits.size() <= 19 && exponent >= -27 && exponent <= 27) {
        std::uint64_t whole = 0;
        for (const char digit : digits) whole = whole * 10 + static_cast<std::uint64_t>(digit - '0');
        extended power = 1;
        for (long long n = 0; n < (exponent < 0 ? -exponent : exponent); ++n) power *= 10;
        const auto value = static_cast<extended>(whole);
        return sign * (exponent < 0 ? value / power : value * power);
    }

    // Far outside the range, and the big integers stay small.
    const long long magnitude = exponent + static_cast<long long>(digits.size());  // value < 10^magnitude
    if (magnitude > 4934 || magnitude < -4935) return std::nullopt;

    bool sticky = false;
    if (digits.size() > kMostDigits) {
        exponent += static_cast<long long>(digits.size() - kMostDigits);
        sticky = true;  // the digits dropped end in a nonzero one
        digits = digits.substr(0, kMostDigits);
    }
    BigInteger numerator;
    for (std::size_t n = 0; n < digits.size();) {
        std::uint32_t chunk = 0, factor = 1;
        for (int k = 0; k < 9 && n < digits.size(); ++k, ++n) {
            chunk = chunk * 10 + static_cast<std::uint32_t>(digits[n] - '0');
            factor *= 10;
        }
        numerator.multiplyAdd(factor, chunk);
    }
    if (sticky) {
        numerator.multiplyAdd(10, 1);
        --exponent;
    }
    BigInteger denominator(1);
    if (exponent >= 0)
        numerator.multiplyByPower(10, exponent);
    else
        denominator.multiplyByPower(10, -exponent);

    // A scale that puts the quotient in [2^63, 2^64).
    long long scale = 64 - (numerator.bitLength() - denominator.bitLength());
    {
        BigInteger probe = numerator;
        probe.shiftLeft(std::max(scale, 0LL));
        BigInteger limit = denominator;
        limit.shiftLeft(64 + std::max(-scale, 0LL));
        if (probe >= limit) --scale;
    }
    long long binaryExponent = -scale;
    if (binaryExponent < kLowestExponent) {
        // Below the normal range: only a value that rounds up to the
        // smallest normal number is in range.
        bool carried = false;
        const std::uint64_t q = roundedQuotient(numerator, denominator, -kLowestExponent, carried);
        if (q != std::uint64_t{1} << 63) return std::nullopt;
        return sign * std::ldexp(static_cast<extended>(q), static_cast<int>(kLowestExponent));
    }
    bool carried = false;
    std::uint64_t q = roundedQuotient(numerator, denominator, scale, carried);
    if (carried) {
        q = std::uint64_t{1} << 63;
        ++binaryExponent;
    }
    if (binaryExponent > kHighestExponent) return std::nullopt;
    return sign * std::ldexp(static_cast<extended>(q), static_cast<int>(binaryExponent));
}

}  // namespace vexa::decimal
