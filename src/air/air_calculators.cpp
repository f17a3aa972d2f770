#include "air/air_calculators.h"

namespace qelvo::air {

// A built calculator replaces its planned line: listed(command, slot, itsCalculator()).
const CalculatorList& airCalculators()
{
    static const CalculatorList list = {
        planned(32786, 2, "燃煤(油)废气"),
        planned(32794, 10, "油罐大小呼吸蒸发损耗计算"),
        planned(32787, 8, "有害物质敞露存放散发量"),
        planned(32800, 15, "液体(除水以外)蒸发量的计算"),
        planned(32801, 16, "生产设备和管道不严密处散发量计算"),
        planned(32790, 9, "恶臭气体散发速率"),
        planned(32804, 20, "扬尘计算"),
        planned(32823, 33, "大气环境防护距离08新导则"),
        planned(32824, 34, "估算模式SCREEN3计算08新导则"),
        planned(32788, 3, "卫生防护距离计算"),
        planned(32803, 18, "点源扩散模式计算"),
    };
    return list;
}

}  // namespace qelvo::air
