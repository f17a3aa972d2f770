#include "common/number_parse.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace qelvo {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

locale_t cLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

// The length of the decimal number at the start of s (see isDecimalNumber), or 0.
std::size_t decimalPrefix(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
        std::size_t expDigits = 0;
        while (e < s.size() && isDigit(s[e])) ++e, ++expDigits;
        if (expDigits > 0) i = e;  // an exponent without digits is not part of the number
    }
    return i;
}

}  // namespace

bool isDecimalNumber(std::string_view s)
{
    const std::size_t n = decimalPrefix(s);
    return n > 0 && n == s.size();
}

std::optional<double> parseDouble(std::string_view text)
{
    const std::string_view s = trimBlanks(text);
    if (!isDecimalNumber(s)) return std::nullopt;
    const std::string copy(s);
    const double value = strtod_l(copy.c_str(), nullptr, cLocale());
    if (std::isinf(value)) return std::nullopt;
    if (value == 0.0 && s.front() != '0') return std::nullopt;
    return value;
}

double leadingNumber(std::string_view text)
{
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\n' || text.front() == '\r'
                             || text.front() == '\v' || text.front() == '\f'))
        text.remove_prefix(1);
    const std::size_t n = decimalPrefix(text);
    if (n == 0) return 0;
    const std::string copy(text.substr(0, n));
    return strtod_l(copy.c_str(), nullptr, cLocale());
}

std::optional<float> parseSingle(std::string_view text)
{
    const auto value = parseDouble(text);
    if (!value || std::fabs(*value) > FLT_MAX) return std::nullopt;
    return static_cast<float>(*value);
}

std::optional<int> parseInteger(std::string_view text)
{
    const std::string_view s = trimBlanks(text);
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    if (i == s.size()) return std::nullopt;
    for (std::size_t k = i; k < s.size(); ++k)
        if (!isDigit(s[k])) return std::nullopt;
    errno = 0;
    const std::string copy(s);
    const long long value = std::strtoll(copy.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace qelvo
