#pragma once

// Number texts with the decimal comma: the one place where numbers become text
// and text becomes numbers. Every form rounds half away from zero on the exact
// binary value, never through the process locale.

#include <optional>
#include <string>
#include <string_view>

#include "extended.h"

namespace vexa {

// Reads blanks, an optional sign, digits with at most one decimal comma, an
// optional exponent and blanks. Anything else, and anything out of the range of
// an extended number, throws ConversionError naming the text.
extended parseNumber(std::string_view text);

// The value of a number text, as parseNumber reads it, times 10^decimals
// and rounded half away from zero on its decimal digits: whole millimetres
// from metres with 3, say. Nothing when the result has more than 15 digits.
std::optional<long long> parseScaled(std::string_view text, int decimals);

// `units` / 10^decimals with exactly `decimals` decimals ("-0,500" for -500
// and 3), and in the general form, trailing zeros and comma dropped ("12,5",
// "3").
std::string formatScaled(long long units, int decimals);
std::string formatScaledGeneral(long long units, int decimals);

// The text with its first decimal point, if any, turned into the comma: how
// typed numbers are read and how the notebook writes them.
std::string withDecimalComma(std::string text);

// The text with its decimal comma written as a point ("25.0"), for the few
// fields that show numbers that way.
std::string withDecimalPoint(std::string text);

// General form: 15 significant digits, trailing zeros and comma dropped
// ("0,25", "150,6", "160"). Plain for 0 and 1e-5 <= |x| < 1e15, otherwise
// scientific with the shortest exponent ("1,5E20", "1E-6").
std::string formatGeneral(extended x);

// Fixed form: rounded to `decimals` decimals, or to `precision` significant
// digits where that is fewer, then written with exactly `decimals` decimals
// ("0,40" for 0.4 with 3 and 2). A value with more than `precision` integer
// digits takes the general form at that precision.
std::string formatFixed(extended x, int precision, int decimals);

// Fixed text (width, decimals): rounded to `decimals` decimals and padded on the
// left with blanks to at least `width` characters (" 5" for 5 with 2 and 0).
std::string formatFixedText(extended x, int width, int decimals);

}  // namespace vexa
