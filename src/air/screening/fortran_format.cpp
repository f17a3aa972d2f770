#include "air/screening/fortran_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "common/number_format.h"

namespace qelvo::air::screening {
namespace {

std::string rightJustified(std::string text, int w)
{
    if (static_cast<int>(text.size()) > w) return std::string(w, '*');
    text.insert(0, w - text.size(), ' ');
    return text;
}

// Mantissa digits (d of them) and decimal exponent N with value = 0.ddd… × 10^N.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal decimal(double value, int d)
{
    Decimal out;
    out.negative = value < 0;
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, d - 1);
    const std::string text(buffer, r.ptr);  // "4.036e-05"
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') out.digits.push_back(text[i]);
    out.exponent = std::atoi(text.c_str() + e + 1) + 1;
    return out;
}

}  // namespace

std::string fortranF(double value, int w, int d)
{
    std::string text = formatFixed(value, d);
    // A value that rounds to zero prints without a sign.
    if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);
    if (d == 0) text += '.';
    if (static_cast<int>(text.size()) > w) {
        if (text.rfind("0.", 0) == 0) text.erase(0, 1);
        else if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
    }
    return rightJustified(text, w);
}

std::string fortranE(double value, int w, int d)
{
    if (value == 0) return rightJustified("0." + std::string(d, '0') + "E+00", w);
    const Decimal dec = decimal(value, d);
    const int n = std::abs(dec.exponent);
    // Two exponent digits after "E"; three take the place of the letter.
    const char sign = dec.exponent < 0 ? '-' : '+';
    const std::string exponent = n < 100 ? cformat("E%c%02d", sign, n) : cformat("%c%d", sign, n);
    return rightJustified((dec.negative ? "-0." : "0.") + dec.digits + exponent, w);
}

std::string fortranG(double value, int w, int d)
{
    if (value == 0) return fortranF(0, w - 4, d - 1) + "    ";
    const int n = decimal(value, d).exponent;
    if (0 <= n && n <= d) return fortranF(value, w - 4, d - n) + "    ";
    return fortranE(value, w, d);
}

std::string fortranI(long value, int w) { return rightJustified(cformat("%ld", value), w); }

}  // namespace qelvo::air::screening
