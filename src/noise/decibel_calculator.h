// "分贝计算器": the key logic of the pocket calculator for level addition and subtraction.
// Operands are built digit by digit from an integer and a fraction part; "=" repeats the
// last step; "CE" keeps the pending operator and the last result.
#pragma once

#include <string>
#include <string_view>

#include "common/calculator.h"

namespace qelvo::noise {

// The menu command that opens the calculator in a window of its own.
constexpr int kDecibelCalculatorCommand = 32805;

enum class DbKey { D0, D1, D2, D3, D4, D5, D6, D7, D8, D9, Point, Plus, Minus, Equals, Back, ClearEntry };

class DecibelCalculator {
public:
    void press(DbKey key);

    double display() const { return display_; }
    std::string displayText() const;  // "%.15g"

private:
    enum class Op { None, Add, Subtract };

    struct Operand {
        double integer = 0;
        double fraction = 0;
        int digits = 0;  // fraction digits typed
        bool point = false;
        double value() const { return integer + fraction; }
    };

    static double apply(Op op, double a, double b);
    Operand& entering() { return entry_ == 1 ? a_ : b_; }
    void digit(int d);
    void op(Op o);
    void equals();
    void back();
    void clearEntry();
    void clearOperands();

    Operand a_, b_;
    int entry_ = 1;
    Op op_ = Op::None;
    double r_ = 0, acc_ = 0, last2_ = 0;
    Op lastOp_ = Op::None;
    bool chain_ = false, repeat_ = false, equalled_ = false, typed2_ = false;
    double display_ = 0;
};

// Keys from a text: 0-9 . + - = ← (or '<' or 'b') and "CE"; false at a character that is none.
bool parseDbKeys(std::string_view text, std::vector<DbKey>& keys);

struct DbCalcInput {
    std::string keys = "60+60=";
};

struct DbCalcResult {
    double display = 0;  // shown "%.15g"
    Refusal refusal;
};

DbCalcResult runDecibelKeys(const DbCalcInput& in);

const CalculatorDef<DbCalcInput, DbCalcResult>& decibelCalculatorDef();

}  // namespace qelvo::noise
