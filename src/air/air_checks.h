// Input checks the air models share: a field that would make a formula divide by zero, take
// a root or power of a negative number, or overflow is refused with a message naming it, so
// no page or command line ever shows nan or inf.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <string>

#include "common/calculator.h"

namespace qelvo::air {

// A result that no longer fits a number field (an input near the float limits).
inline const char* kOutOfRange = "计算结果超出数值范围，请检查输入数据后重新输入！";

// "<what>必须大于0，请重新输入！" unless value > 0 (a NaN is refused too).
inline Refusal mustBePositive(double value, const std::string& what, const char* key)
{
    if (value > 0) return {};
    return {what + "必须大于0，请重新输入！", key};
}

// "<what>不能小于0，请重新输入！" unless value ≥ 0.
inline Refusal mustNotBeNegative(double value, const std::string& what, const char* key)
{
    if (value >= 0) return {};
    return {what + "不能小于0，请重新输入！", key};
}

// The first refusal of a list of checks, in order; none when every check passed.
inline Refusal firstRefusal(std::initializer_list<Refusal> checks)
{
    for (const Refusal& r : checks)
        if (r.refused()) return r;
    return {};
}

// Whether every value is a finite number; results are checked with it before they are shown.
inline bool allFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

inline Refusal outOfRangeUnlessFinite(std::initializer_list<double> values)
{
    if (allFinite(values)) return {};
    return {kOutOfRange, ""};
}

// An index held inside one dimension of a coefficient table.
template <class T, std::size_t N>
int clampIndex(const T (&)[N], int index)
{
    return std::clamp(index, 0, static_cast<int>(N) - 1);
}

}  // namespace qelvo::air
