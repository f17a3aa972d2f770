// Fortran edit descriptors as SCREEN3's listing uses them (gfortran output conventions):
// Fw.d, Ew.d, Gw.d and Iw, each returning exactly w characters.
#pragma once

#include <string>

namespace qelvo::air::screening {

// Fw.d: rounded to d decimals, right-justified; "280." for d = 0; the leading 0 of a value in
// (−1, 1) is dropped only when the field is too narrow for it; asterisks when it does not fit.
std::string fortranF(double value, int w, int d);

// Ew.d: " 0.3982E+06".
std::string fortranE(double value, int w, int d);

// Gw.d: F form with 4 trailing blanks when the decimal exponent after rounding to d digits is
// 0 … d ("  41.59    "), E form otherwise (" 0.4036E-04"); zero as "  0.000    ".
std::string fortranG(double value, int w, int d);

// Iw.
std::string fortranI(long value, int w);

}  // namespace qelvo::air::screening
