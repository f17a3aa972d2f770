#include "common/number_format.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <locale.h>

namespace qelvo {
namespace {

// Formatting always uses the C locale, so that a decimal comma never reaches a result.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t cLocale()
    {
        static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return c;
    }
    locale_t previous_;
};

// Widens a two-digit exponent to three digits: 1e+06 -> 1e+006.
void widenExponent(std::string& text)
{
    const auto e = text.find_first_of("eE");
    if (e == std::string::npos || e + 1 >= text.size()) return;
    const auto sign = e + 1;
    if (text[sign] != '+' && text[sign] != '-') return;
    const auto digits = text.size() - sign - 1;
    if (digits < 3) text.insert(sign + 1, 3 - digits, '0');
}

// Pads a converted number to the requested width the way printf would have.
void pad(std::string& text, int width, bool left, bool zero)
{
    if (width <= 0 || static_cast<int>(text.size()) >= width) return;
    const auto fill = static_cast<std::size_t>(width) - text.size();
    const bool finite = text.find_first_of("0123456789") != std::string::npos
                        && text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
    if (left) {
        text.append(fill, ' ');
    } else if (zero && finite) {
        std::size_t at = (!text.empty() && (text[0] == '-' || text[0] == '+' || text[0] == ' ')) ? 1 : 0;
        text.insert(at, fill, '0');
    } else {
        text.insert(0, fill, ' ');
    }
}

std::string vformatOne(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
    va_end(args);
    return out;
}

thread_local unsigned long nonFiniteShown = 0;

}  // namespace

std::string nonFiniteText(double value)
{
    ++nonFiniteShown;
    if (std::isnan(value)) return kNaNText;  // whatever its sign bit
    return value > 0 ? kInfinityText : kMinusInfinityText;
}

NonFiniteWatch::NonFiniteWatch() : start_(nonFiniteShown) {}

bool NonFiniteWatch::seen() const { return nonFiniteShown != start_; }

std::string formatG(double value, int significantDigits)
{
    if (!std::isfinite(value)) return nonFiniteText(value);
    CLocaleScope scope;
    std::string text = vformatOne("%.*g", significantDigits, value);
    widenExponent(text);
    return text;
}

std::string formatFixed(double value, int decimals)
{
    if (!std::isfinite(value)) return nonFiniteText(value);
    char buffer[400];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return r.ec == std::errc() ? std::string(buffer, r.ptr) : cformat("%.*f", decimals, value);
}

std::string formatSingle(float value) { return formatG(value, 6); }

std::string formatDouble(double value) { return formatG(value, 15); }

std::string cformat(const char* format, ...)
{
    CLocaleScope scope;
    va_list args;
    va_start(args, format);
    std::string out;
    const char* p = format;
    while (*p) {
        if (*p != '%') {
            out.push_back(*p++);
            continue;
        }
        const char* start = p++;
        if (*p == '%') {
            out.push_back('%');
            ++p;
            continue;
        }
        std::string flags;
        while (*p && std::strchr("-+ #0", *p)) flags.push_back(*p++);
        int width = 0;
        if (*p == '*') {
            width = va_arg(args, int);
            if (width < 0) {
                flags.push_back('-');
                width = -width;
            }
            ++p;
        } else {
            while (*p >= '0' && *p <= '9') width = width * 10 + (*p++ - '0');
        }
        int precision = -1;
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                precision = va_arg(args, int);
                ++p;
            } else {
                precision = 0;
                while (*p >= '0' && *p <= '9') precision = precision * 10 + (*p++ - '0');
            }
        }
        std::string length;
        while (*p && std::strchr("hlLqjzt", *p)) length.push_back(*p++);
        const char conversion = *p ? *p++ : '\0';

        // Convert without width, then pad ourselves: the widened exponent must count.
        std::string single = "%" + flags;
        if (precision >= 0) single += "." + std::to_string(precision);
        const bool left = flags.find('-') != std::string::npos;
        const bool zero = flags.find('0') != std::string::npos;
        std::string piece;
        switch (conversion) {
        case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'c': {
            single += length + conversion;
            if (length == "ll" || length == "j") piece = vformatOne(single.c_str(), va_arg(args, long long));
            else if (length == "l" || length == "z" || length == "t") piece = vformatOne(single.c_str(), va_arg(args, long));
            else piece = vformatOne(single.c_str(), va_arg(args, int));
            pad(piece, width, left, zero && precision < 0 && conversion != 'c');
            break;
        }
        case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A': {
            single += conversion;
            const double v = (length == "L") ? static_cast<double>(va_arg(args, long double)) : va_arg(args, double);
            if (std::isfinite(v)) {
                piece = vformatOne(single.c_str(), v);
                widenExponent(piece);
            } else {
                piece = nonFiniteText(v);
            }
            pad(piece, width, left, zero);
            break;
        }
        case 's': {
            const char* s = va_arg(args, const char*);
            piece = s ? s : "(null)";
            if (precision >= 0 && static_cast<std::size_t>(precision) < piece.size()) piece.resize(precision);
            pad(piece, width, left, false);
            break;
        }
        default:
            // Not a conversion we know: keep the text as written.
            piece.assign(start, p);
            break;
        }
        out += piece;
    }
    va_end(args);
    return out;
}

}  // namespace qelvo
