// The refusals the risk models share: a value that must be positive or not negative, and a
// result that left the range of numbers the fields can show.
#pragma once

#include <cmath>
#include <initializer_list>
#include <string>

#include "common/calculator.h"

namespace qelvo::risk {

inline Refusal mustBePositive(const std::string& what, const char* key)
{
    return {what + "必须大于0，请重新输入！", key};
}

inline Refusal mustNotBeNegative(const std::string& what, const char* key)
{
    return {what + "不能为负数，请重新输入！", key};
}

inline const char* kOutOfRange = "输入值过大或过小，计算结果超出数值范围，请重新输入！";

// True when every value is a finite number (a float result that overflowed is not).
inline bool allFinite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace qelvo::risk
