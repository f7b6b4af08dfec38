#include "toolkit/big_integer.h"

#include <bit>
#include <limits>

namespace vexa {

BigInteger::BigInteger(std::uint64_t value) {
    for (; value != 0; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
}

long long BigInteger::bitLength() const {
    if (limbs_.empty()) return 0;
    return static_cast<long long>(limbs_.size() - 1) * 32 + (32 - std::countl_zero(limbs_.back()));
}

void BigInteger::multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& limb : limbs_) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry) limbs_.push_back(static_cast<std::uint32_t>(carry));
    trim();  // after a zero factor
}

void BigInteger::multiplyByPower(std::uint32_t base, long long power) {
    if (isZero()) return;
    // One pass over the limbs per largest power of the base that fits a limb.
    std::uint32_t step = base;
    int powersPerStep = 1;
    while (step <= std::numeric_limits<std::uint32_t>::max() / base) {
        step *= base;
        ++powersPerStep;
    }
    for (; power >= powersPerStep; power -= powersPerStep) multiplyAdd(step);
    std::uint32_t rest = 1;
    for (; power > 0; --power) rest *= base;
    if (rest != 1) multiplyAdd(rest);
}

void BigInteger::shiftLeft(long long bits) {
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

void BigInteger::shiftRightOne() {
    for (std::size_t n = 0; n < limbs_.size(); ++n) {
        limbs_[n] >>= 1;
        if (n + 1 < limbs_.size()) limbs_[n] |= limbs_[n + 1] << 31;
    }
    trim();
}

void BigInteger::subtract(const BigInteger& other) {
    std::int64_t borrow = 0;
    for (std::size_t n = 0; n < limbs_.size(); ++n) {
        std::int64_t difference = std::int64_t{limbs_[n]} - borrow - (n < other.limbs_.size() ? other.limbs_[n] : 0);
        borrow = difference < 0 ? 1 : 0;
        if (difference < 0) difference += std::int64_t{1} << 32;
        limbs_[n] = static_cast<std::uint32_t>(difference);
    }
    trim();
}

std::string BigInteger::toDecimal() const {
    if (isZero()) return "0";
    // Nine digits a pass: each division by 10^9 leaves the next nine as its
    // remainder, least significant first, and the text is written from its end.
    constexpr std::uint32_t kNineDigits = 1'000'000'000;
    std::vector<std::uint32_t> quotient = limbs_;
    // Ten digits at most a limb, and the last pass may add eight zeros.
    std::string text(quotient.size() * 10 + 8, '0');
    auto end = text.end();
    while (!quotient.empty()) {
        std::uint64_t remainder = 0;
        for (auto limb = quotient.rbegin(); limb != quotient.rend(); ++limb) {
            const std::uint64_t value = (remainder << 32) | *limb;
            *limb = static_cast<std::uint32_t>(value / kNineDigits);
            remainder = value % kNineDigits;
        }
        while (!quotient.empty() && quotient.back() == 0) quotient.pop_back();
        for (int k = 0; k < 9; ++k, remainder /= 10) *--end = static_cast<char>('0' + remainder % 10);
    }
    text.erase(text.begin(), end);
    text.erase(0, text.find_first_not_of('0'));
    return text;
}

std::strong_ordering operator<=>(const BigInteger& a, const BigInteger& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() <=> b.limbs_.size();
    for (std::size_t n = a.limbs_.size(); n-- > 0;)
        if (a.limbs_[n] != b.limbs_[n]) return a.limbs_[n] <=> b.limbs_[n];
    return std::strong_ordering::equal;
}

void BigInteger::trim() {
    while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

}  // namespace vexa
