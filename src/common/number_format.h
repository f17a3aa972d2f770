// Number display shared by pages, the command line and every result text.
//
// Results are shown the way the assessors' reports have always shown them: printf
// conversions with three-digit exponents (1.23457e+006, 1e-005), independent of the
// user's locale. Single-precision values get 6 significant digits, double 15.
#pragma once

#include <string>

namespace qelvo {

// "%.*g" with a three-digit exponent.
std::string formatG(double value, int significantDigits);

// How a single-precision number field shows its value ("%g").
std::string formatSingle(float value);

// How a double-precision number field shows its value ("%.15g").
std::string formatDouble(double value);

// "%.Nf", fast enough for tables of a million cells.
std::string formatFixed(double value, int decimals);

// The one spelling of a number that is not finite, wherever a number is shown: "nan" (never
// "-nan"), "inf", "-inf". Only calculators that declare such a display show it (the decibel
// calculator's subtraction, see CalculatorDef::showsNonFinite); any other is refused.
std::string nonFiniteText(double value);
inline const char* kNaNText = "nan";
inline const char* kInfinityText = "inf";
inline const char* kMinusInfinityText = "-inf";

// Counts, on this thread, the numbers that were not finite which the formatters above and
// below turned into text while the watch lives. The framework puts one around every report a
// calculator builds (common/calculator.h: evaluate).
class NonFiniteWatch {
public:
    NonFiniteWatch();
    bool seen() const;

private:
    unsigned long start_;
};

// printf-style formatting for result texts: %d %i %u %x %X %o %c %s %f %F %e %E %g %G %%
// with flags, width, precision and '*'. Exponents have three digits, the decimal point is
// always '.', whatever the process locale; a number that is not finite is spelled as
// nonFiniteText gives it. Arguments are checked by the compiler.
std::string cformat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace qelvo
