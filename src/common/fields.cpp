#include "common/fields.h"

namespace qelvo {

const char* fieldKindName(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Single: return "single";
    case FieldKind::Double: return "double";
    case FieldKind::Integer: return "integer";
    case FieldKind::Text: return "text";
    case FieldKind::Choice: return "choice";
    case FieldKind::Check: return "check";
    }
    return "?";
}

std::optional<int> parseWhole(const FieldSpec& desc, std::string_view text)
{
    auto v = parseInteger(text);
    if (!v && desc.kind == FieldKind::Choice) {
        for (std::size_t i = 0; i < desc.choices.size(); ++i)
            if (desc.choices[i] == text) v = static_cast<int>(i);
    }
    if (v && desc.kind == FieldKind::Choice && (*v < 0 || *v >= static_cast<int>(desc.choices.size()))) v.reset();
    if (v && desc.kind == FieldKind::Check && *v != 0 && *v != 1) v.reset();
    return v;
}

bool acceptsText(const FieldSpec& desc, std::string_view text)
{
    switch (desc.kind) {
    case FieldKind::Single: return parseSingle(text).has_value();
    case FieldKind::Double: return parseDouble(text).has_value();
    case FieldKind::Integer:
    case FieldKind::Choice:
    case FieldKind::Check: return parseWhole(desc, text).has_value();
    case FieldKind::Text: return isUtf8(text);
    }
    return false;
}

}  // namespace qelvo

namespace qelvo {

namespace {
// The length of the well-formed UTF-8 sequence at text[i], or 0.
std::size_t utf8Sequence(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    if (c < 0x80) return 1;
    std::size_t n;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + n > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return n;
}
}  // namespace

bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8Sequence(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string validUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8Sequence(text, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(text, i, n);
            i += n;
        }
    }
    return out;
}

const char* kindNoun(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Text: return "有效的文字";
    case FieldKind::Integer: return "一个整数";
    case FieldKind::Choice: return "可选的一项";
    case FieldKind::Check: return "0或1";
    default: return "一个数";
    }
}

}  // namespace qelvo
