#pragma once

// Exact integer arithmetic for the conversions between extended numbers and
// decimal text: the number reader divides big integers, the formatters expand
// a value into all its decimal digits. Internal to the toolkit.

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

namespace vexa {

// A non-negative integer of any size, 32 bits a limb, least significant first.
// No zero limb is kept at the top, so zero has no limbs and equal values have
// equal limbs.
class BigInteger {
public:
    explicit BigInteger(std::uint64_t value = 0);

    bool isZero() const { return limbs_.empty(); }
    long long bitLength() const;  // 0 for zero

    // this = this * factor + addend
    void multiplyAdd(std::uint32_t factor, std::uint32_t addend = 0);
    // this = this * base^power, for a base of 2 or more.
    void multiplyByPower(std::uint32_t base, long long power);
    void shiftLeft(long long bits);
    void shiftRightOne();
    // this = this - other; other must not be larger.
    void subtract(const BigInteger& other);

    // The decimal digits without leading zeros, "0" for zero.
    std::string toDecimal() const;

    friend bool operator==(const BigInteger&, const BigInteger&) = default;
    friend std::strong_ordering operator<=>(const BigInteger& a, const BigInteger& b);

private:
    void trim();

    std::vector<std::uint32_t> limbs_;
};

}  // namespace vexa
