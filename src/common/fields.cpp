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

}  // namespace qelvo

namespace qelvo {

const char* kindNoun(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Integer: return "一个整数";
    case FieldKind::Choice: return "可选的一项";
    case FieldKind::Check: return "0或1";
    default: return "一个数";
    }
}

}  // namespace qelvo
