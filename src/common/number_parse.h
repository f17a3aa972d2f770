// Reading numbers typed into fields (pages and command line alike).
//
// A field holds a decimal number: blanks and tabs around it, an optional sign, digits with
// an optional point, an optional exponent, and nothing else. A value of zero counts only
// when the text starts with the digit 0, so "", "-0" and ".5e-400" are not numbers.
#pragma once

#include <optional>
#include <string_view>

namespace qelvo {

std::optional<double> parseDouble(std::string_view text);

// As parseDouble, and the value must fit a float; the result is rounded to float.
std::optional<float> parseSingle(std::string_view text);

// A signed decimal integer that fits 32 bits, blanks and tabs around it.
std::optional<int> parseInteger(std::string_view text);

// [sign] digits [. digits] [e [sign] digits] and nothing else, at least one mantissa digit:
// the texts a number field accepts (before the zero and range rules above).
bool isDecimalNumber(std::string_view text);

// The decimal number a text starts with (blanks first allowed), as the classic C library's
// atof reads it; 0 where there is none. "nan", "inf" and hexadecimal texts are no numbers
// here (they read as 0); a value beyond double range reads as ±infinity, which the caller
// must refuse. For lists and cells where a missing value simply counts as 0.
double leadingNumber(std::string_view text);

}  // namespace qelvo
