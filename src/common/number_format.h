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

// printf-style formatting for result texts: %d %i %u %x %X %o %c %s %f %F %e %E %g %G %%
// with flags, width, precision and '*'. Exponents have three digits, the decimal point is
// always '.', whatever the process locale. Arguments are checked by the compiler.
std::string cformat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace qelvo
