#include "toolkit/decimal_reader.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace vexa::decimal {
namespace {

static_assert(std::numeric_limits<extended>::digits == 64, "the reader builds 64-bit significands");

// A non-negative integer of any size, 32 bits a limb, least significant first.
class Big {
public:
    explicit Big(std::uint32_t value = 0) {
        if (value) limbs_.push_back(value);
    }

    bool isZero() const { return limbs_.empty(); }

    // this = this * factor + addend
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    void multiplyByPowerOfTen(long long power) {
        for (; power >= 9; power -= 9) multiplyAdd(1'000'000'000, 0);
        for (; power > 0; --power) multiplyAdd(10, 0);
    }

    long long bitLength() const {
        if (limbs_.empty()) return 0;
        return static_cast<long long>(limbs_.size() - 1) * 32 + (32 - std::countl_zero(limbs_.back()));
    }

    void shiftLeft(long long bits) {
        if (isZero() || bits == 0) return;
        const auto whole = static_cast<std::size_t>(bits / 32);
        const int part = static_cast<int>(bits % 32);
        limbs_.insert(limbs_.begin(), whole, 0);
        if (part) {
            std::uint32_t carry = 0;
            for (std::size_t n = whole; n < limbs_.size(); ++n) {
                const std::uint32_t limb = limbs_[n];
                limbs_[n] = (limb << part) | carry;
                carry = limb >> (32 - part);
            }
            if (carry) limbs_.push_back(carry);
        }
    }

    void shiftRightOne() {
        for (std::size_t n = 0; n < limbs_.size(); ++n) {
            limbs_[n] >>= 1;
            if (n + 1 < limbs_.size()) limbs_[n] |= limbs_[n + 1] << 31;
        }
        trim();
    }

    friend int compare(const Big& a, const Big& b) {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        for (std::size_t n = a.limbs_.size(); n-- > 0;)
            if (a.limbs_[n] != b.limbs_[n]) return a.limbs_[n] < b.limbs_[n] ? -1 : 1;
        return 0;
    }

    // this -= other; other must not be larger.
    void subtract(const Big& other) {
        std::int64_t borrow = 0;
        for (std::size_t n = 0; n < limbs_.size(); ++n) {
            std::int64_t difference = std::int64_t{limbs_[n]} - borrow - (n < other.limbs_.size() ? other.limbs_[n] : 0);
            borrow = difference < 0 ? 1 : 0;
            if (difference < 0) difference += std::int64_t{1} << 32;
            limbs_[n] = static_cast<std::uint32_t>(difference);
        }
        trim();
    }

private:
    void trim() {
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_;
};

// Inputs longer than this lose their further digits to one sticky digit:
// no rounding boundary of an extended number in its normal range has more
// significant decimal digits, so the rounding stays exact.
constexpr std::size_t kMostDigits = 12'000;

// The smallest and largest binary exponents k of q * 2^k with a 64-bit q.
constexpr long long kLowestExponent = -16445;  // q * 2^k is then the smallest normal at q = 2^63
constexpr long long kHighestExponent = 16320;

struct Rounded {
    std::uint64_t significand;  // in [2^63, 2^64), or less below the normal range
    long long exponent;
};

// numerator / denominator * 2^scale, rounded to an integer of 64 bits at most,
// ties to even; the quotient must be below 2^64.
std::uint64_t roundedQuotient(Big numerator, const Big& denominator, long long scale, bool& carried) {
    if (scale > 0) numerator.shiftLeft(scale);
    Big shifted = denominator;
    if (scale < 0) shifted.shiftLeft(-scale);
    Big step = shifted;
    step.shiftLeft(63);
    std::uint64_t quotient = 0;
    for (int bit = 63; bit >= 0; --bit) {
        if (compare(numerator, step) >= 0) {
            numerator.subtract(step);
            quotient |= std::uint64_t{1} << bit;
        }
        step.shiftRightOne();
    }
    numerator.shiftLeft(1);  // twice the remainder against the divisor
    const int half = compare(numerator, shifted);
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
    Big numerator;
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
    Big denominator(1);
    if (exponent >= 0) numerator.multiplyByPowerOfTen(exponent);
    else denominator.multiplyByPowerOfTen(-exponent);

    // A scale that puts the quotient in [2^63, 2^64).
    long long scale = 64 - (numerator.bitLength() - denominator.bitLength());
    {
        Big probe = numerator;
        probe.shiftLeft(std::max(scale, 0LL));
        Big limit = denominator;
        limit.shiftLeft(64 + std::max(-scale, 0LL));
        if (compare(probe, limit) >= 0) --scale;
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
