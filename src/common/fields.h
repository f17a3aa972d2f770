// Input and result fields of a calculator, declared once and used by the page and the
// command line.
//
// A field ties a key (command line), a label (page and command line) and a display kind to
// one member of a model's input or result struct. Reading a text into a member and showing
// a member as text go through here, so a page and the command line can never disagree.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/number_format.h"
#include "common/number_parse.h"

namespace qelvo {

enum class FieldKind {
    Single,   // single-precision number, shown "%g"
    Double,   // double-precision number, shown "%.15g"
    Integer,  // whole number, shown "%d"
    Text,     // text as is
    Choice,   // index of a radio button or list item, from 0
    Check,    // check box, 0 or 1
};

const char* fieldKindName(FieldKind kind);

struct FieldSpec {
    std::string key;
    std::string label;
    FieldKind kind = FieldKind::Single;
    std::string row;                   // a shared row heading ("第一点："), or empty
    std::vector<std::string> choices;  // the items of a Choice field
    std::string unit;                  // the text after the field ("mg/L", "吨"), or empty

    // The label with its row heading and unit, for places that show one field alone.
    std::string fullLabel() const { return row + label + (unit.empty() ? "" : " " + unit); }
};

template <class S>
using MemberRef = std::variant<float S::*, double S::*, int S::*, std::string S::*>;

template <class S>
struct Field {
    FieldSpec desc;
    MemberRef<S> member;

    Field withUnit(std::string unit) const
    {
        Field f = *this;
        f.desc.unit = std::move(unit);
        return f;
    }
};

template <class S>
using Fields = std::vector<Field<S>>;

// The kind follows from the member type; an int member is a whole number unless it names
// choices (Choice) or is declared a Check.
template <class S>
Field<S> field(std::string key, std::string label, float S::*m, std::string row = {})
{
    return {{std::move(key), std::move(label), FieldKind::Single, std::move(row), {}}, m};
}
template <class S>
Field<S> field(std::string key, std::string label, double S::*m, std::string row = {})
{
    return {{std::move(key), std::move(label), FieldKind::Double, std::move(row), {}}, m};
}
template <class S>
Field<S> field(std::string key, std::string label, int S::*m, std::string row = {})
{
    return {{std::move(key), std::move(label), FieldKind::Integer, std::move(row), {}}, m};
}
template <class S>
Field<S> field(std::string key, std::string label, std::string S::*m, std::string row = {})
{
    return {{std::move(key), std::move(label), FieldKind::Text, std::move(row), {}}, m};
}
template <class S>
Field<S> choiceField(std::string key, std::string label, int S::*m, std::vector<std::string> choices)
{
    return {{std::move(key), std::move(label), FieldKind::Choice, {}, std::move(choices)}, m};
}
template <class S>
Field<S> checkField(std::string key, std::string label, int S::*m)
{
    return {{std::move(key), std::move(label), FieldKind::Check, {}, {}}, m};
}

// A value in the display form of a field of its type ("%g" for float, "%.15g" for double).
template <class T>
std::string displayValue(const T& v)
{
    if constexpr (std::is_same_v<T, float>) return formatSingle(v);
    else if constexpr (std::is_same_v<T, double>) return formatDouble(v);
    else if constexpr (std::is_same_v<T, int>) return std::to_string(v);
    else return v;
}

// The member's value in the field's display form.
template <class S>
std::string displayText(const S& s, const Field<S>& f)
{
    return std::visit([&](auto m) -> std::string { return displayValue(s.*m); }, f.member);
}

// Where a field's member lives in one object: the key by which a page finds the field's
// widgets from a member pointer.
template <class S>
const void* memberAddress(const S& s, const Field<S>& f)
{
    return std::visit([&](auto m) -> const void* { return &(s.*m); }, f.member);
}

// Whether bytes are well-formed UTF-8 (every text the program keeps and shows is).
bool isUtf8(std::string_view text);
// The text with every byte that is not part of well-formed UTF-8 replaced by U+FFFD, for
// echoing what someone typed.
std::string validUtf8(std::string_view text);

// The value of a whole-number field (Integer, Choice, Check) a text names: a whole number; for
// a choice also the item's own text; a choice within its items, a check 0 or 1.
std::optional<int> parseWhole(const FieldSpec& desc, std::string_view text);

// Whether a text is a value of the field's kind, as assignText below takes it (for texts
// read from a file before any of them is shown or used).
bool acceptsText(const FieldSpec& desc, std::string_view text);

// Stores a text typed for the field; false, and the member unchanged, when the text is not
// a value of the field's kind (not a number, a choice out of range, a check not 0 or 1, a
// text that is not UTF-8).
template <class S>
bool assignText(S& s, const Field<S>& f, std::string_view text)
{
    return std::visit(
        [&](auto m) -> bool {
            using T = std::remove_cvref_t<decltype(s.*m)>;
            if constexpr (std::is_same_v<T, float>) {
                const auto v = parseSingle(text);
                if (v) s.*m = *v;
                return v.has_value();
            } else if constexpr (std::is_same_v<T, double>) {
                const auto v = parseDouble(text);
                if (v) s.*m = *v;
                return v.has_value();
            } else if constexpr (std::is_same_v<T, int>) {
                const auto v = parseWhole(f.desc, text);
                if (v) s.*m = *v;
                return v.has_value();
            } else {
                if (!isUtf8(text)) return false;  // bytes that are no text
                s.*m = std::string(text);
                return true;
            }
        },
        f.member);
}

}  // namespace qelvo

namespace qelvo {
// "一个数" / "一个整数" ...: what a field of this kind expects, for messages.
const char* kindNoun(FieldKind kind);
}  // namespace qelvo
