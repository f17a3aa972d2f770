#include "noise/decibel_calculator.h"

#include <cmath>

#include "common/number_format.h"
#include "noise/decibel.h"

namespace qelvo::noise {

double DecibelCalculator::apply(Op op, double a, double b)
{
    return op == Op::Add ? addLevels(a, b) : subtractLevels(a, b);
}

std::string DecibelCalculator::displayText() const { return formatG(display_, 15); }

void DecibelCalculator::press(DbKey key)
{
    switch (key) {
    case DbKey::Point: entering().point = true; break;
    case DbKey::Plus: op(Op::Add); break;
    case DbKey::Minus: op(Op::Subtract); break;
    case DbKey::Equals: equals(); break;
    case DbKey::Back: back(); break;
    case DbKey::ClearEntry: clearEntry(); break;
    default: digit(static_cast<int>(key) - static_cast<int>(DbKey::D0)); break;
    }
}

void DecibelCalculator::digit(int d)
{
    Operand& x = entering();
    if (x.point) {
        ++x.digits;
        x.fraction += d * std::pow(10.0, -x.digits);
    } else {
        x.integer = x.integer * 10 + d;
    }
    if (entry_ == 1) {
        acc_ = 0;
        chain_ = false;
    } else {
        typed2_ = true;
        last2_ = 0;
        repeat_ = false;
    }
    display_ = x.value();
}

void DecibelCalculator::op(Op o)
{
    if (chain_ && !equalled_ && typed2_) {
        r_ = apply(op_, acc_, b_.value());
        acc_ = r_;
        display_ = r_;
    } else if (!chain_ && !equalled_ && typed2_) {
        r_ = apply(op_, a_.value(), b_.value());
        a_ = {r_, 0, 0, false};
        acc_ = r_;
        chain_ = true;
        display_ = r_;
    } else {
        display_ = 0;
    }
    b_ = {};
    typed2_ = false;
    entry_ = 2;
    op_ = o;
    lastOp_ = Op::None;
    equalled_ = false;
}

void DecibelCalculator::equals()
{
    if (!chain_ && !repeat_ && !equalled_) {
        if (!typed2_) b_ = a_;
        if (op_ != Op::None) r_ = apply(op_, a_.value(), b_.value());
        acc_ = r_;
        last2_ = b_.value();
        lastOp_ = op_;
    } else if (chain_ && !repeat_ && !equalled_) {
        if (op_ != Op::None) r_ = apply(op_, acc_, b_.value());
        acc_ = r_;
        last2_ = b_.value();
        lastOp_ = op_;
    } else if (lastOp_ != Op::None) {
        r_ = apply(lastOp_, acc_, last2_);
        acc_ = r_;
    }
    chain_ = repeat_ = equalled_ = true;
    display_ = r_;
    clearOperands();
}

void DecibelCalculator::back()
{
    Operand& x = entering();
    if (x.point) {
        if (x.digits <= 1) {
            x.fraction = 0;
            x.digits = 0;
            x.point = false;  // the point goes with the last fraction digit
        } else {
            x.fraction = std::trunc(x.fraction * std::pow(10.0, x.digits) / 10) * std::pow(10.0, 1 - x.digits);
            --x.digits;
        }
    } else {
        x.integer = x.integer < 10 ? 0 : std::trunc(x.integer / 10);
    }
    display_ = x.value();
}

void DecibelCalculator::clearOperands()
{
    a_ = {};
    b_ = {};
    typed2_ = false;
    entry_ = 1;
}

void DecibelCalculator::clearEntry()
{
    clearOperands();
    acc_ = last2_ = 0;
    lastOp_ = Op::None;
    chain_ = repeat_ = equalled_ = false;
    display_ = 0;
}

bool parseDbKeys(std::string_view text, std::vector<DbKey>& keys)
{
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c >= '0' && c <= '9') keys.push_back(static_cast<DbKey>(c - '0'));
        else if (c == '.') keys.push_back(DbKey::Point);
        else if (c == '+') keys.push_back(DbKey::Plus);
        else if (c == '-') keys.push_back(DbKey::Minus);
        else if (c == '=') keys.push_back(DbKey::Equals);
        else if (c == '<' || c == 'b') keys.push_back(DbKey::Back);
        else if (c == ' ') {
        } else if (text.substr(i, 3) == "←") {
            keys.push_back(DbKey::Back);
            i += 3;
            continue;
        } else if (text.substr(i, 2) == "CE" || text.substr(i, 2) == "ce") {
            keys.push_back(DbKey::ClearEntry);
            i += 2;
            continue;
        } else {
            return false;
        }
        ++i;
    }
    return true;
}

DbCalcResult runDecibelKeys(const DbCalcInput& in)
{
    std::vector<DbKey> keys;
    if (!parseDbKeys(in.keys, keys)) return {.refusal = {"按键只能是 0-9 . + - = ← CE，请重新输入！", "keys"}};
    DecibelCalculator calc;
    for (DbKey k : keys) calc.press(k);
    return {calc.display(), {}};
}

const CalculatorDef<DbCalcInput, DbCalcResult>& decibelCalculatorDef()
{
    static const CalculatorDef<DbCalcInput, DbCalcResult> def{
        "noise.dbcalc",
        "分贝计算器",
        {field("keys", "按键序列", &DbCalcInput::keys)},
        {field("display", "显示", &DbCalcResult::display)},
        &runDecibelKeys,
        nullptr,
        // Subtracting a level from an equal or greater one leaves no energy: the display shows
        // the value as it comes (-inf, nan) and the chain goes on with it.
        [](const DbCalcInput&, const DbCalcResult&) { return true; },
    };
    return def;
}

}  // namespace qelvo::noise
