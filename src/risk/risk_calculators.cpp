#include "risk/risk_calculators.h"

namespace qelvo::risk {

// A built calculator replaces its planned line: listed(command, slot, itsCalculator()).
const CalculatorList& riskCalculators()
{
    static const CalculatorList list = {
        planned(32795, 11, "液体泄漏速率计算"),
        planned(32797, 13, "气体泄漏速率计算"),
        planned(32798, 14, "两相泄漏速率计算"),
        planned(32796, 12, "液体蒸发量计算"),
        planned(32822, 32, "油膜扩展直径计算"),
        planned(32816, 28, "蒸气云爆炸事故后果模型"),
        planned(32815, 27, "沸腾液体扩展为蒸气云爆炸事故(BLEVE事故)后果模型 "),  // the label ends in one blank
        planned(32817, 29, "喷射火事故后果模型"),
        // The pool fire page has no menu entry; no control leads to it.
        planned(0, 26, "池火灾事故后果模型"),
    };
    return list;
}

}  // namespace qelvo::risk
