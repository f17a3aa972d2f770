#include "risk/pool_evaporation.h"

#include <cmath>

#include "common/guideline_constants.h"
#include "risk/risk_checks.h"
#include "risk/risk_constants.h"

namespace qelvo::risk {

FlashResult computeFlash(const FlashInput& in)
{
    FlashResult res;
    if (!(in.H > 0)) res.refusal = {"液体气化热要大于0", "H"};
    else if (!(in.t1 > 0)) res.refusal = {"闪蒸蒸发时间要大于0", "t1"};
    if (res.refusal.refused()) return res;
    // The flashed share Cp·(TL − Tb)/H of the leaked mass, spread over the flash time.
    res.Q1 = static_cast<float>((double(in.TL) - in.Tb) * in.Cp / in.H * in.WT / in.t1);
    if (!allFinite({res.Q1})) res.refusal = {kOutOfRange, ""};
    return res;
}

HeatResult computeHeat(const HeatInput& in)
{
    HeatResult res;
    if (!(in.t > 0)) res.refusal = mustBePositive("蒸发时间t", "t");
    else if (!(in.alpha > 0)) res.refusal = mustBePositive("表面热扩散系数α", "alpha");
    else if (!(in.H > 0)) res.refusal = mustBePositive("液体汽化热H", "H");
    if (res.refusal.refused()) return res;
    constexpr double kAlphaUnit = 1e-7;  // the field holds α in units of 10^-7 m^2/s
    res.Q2 = static_cast<float>(double(in.lambda) * in.S * (double(in.T0) - in.Tb) /
                                (in.H * std::sqrt(kGuidelinePi * in.alpha * kAlphaUnit * in.t)));
    if (!allFinite({res.Q2})) res.refusal = {kOutOfRange, ""};
    return res;
}

StabilityCoefficients stabilityCoefficients(int stability)
{
    switch (stability) {
    case 1: return {0.25f, 4.685e-3f};  // 中性(D)
    case 2: return {0.3f, 5.285e-3f};   // 稳定(E,F)
    default: return {0.2f, 3.846e-3f};  // 不稳定(A,B)
    }
}

MassResult computeMass(const MassInput& in)
{
    MassResult res;
    if (in.r < 0) res.refusal = mustNotBeNegative("液池半径r", "r");
    else if (!(in.T0 > 0)) res.refusal = mustBePositive("环境温度T0", "T0");
    else if (in.u < 0) res.refusal = mustNotBeNegative("风速u", "u");
    if (res.refusal.refused()) return res;
    const StabilityCoefficients c = stabilityCoefficients(in.stability);
    const double n = c.n;
    res.Q3 = static_cast<float>(c.alpha * double(in.P) * in.M / (kGasConstant * in.T0) *
                                std::pow(double(in.u), (2 - n) / (2 + n)) * std::pow(double(in.r), (4 + n) / (2 + n)));
    if (!allFinite({res.Q3})) res.refusal = {kOutOfRange, ""};
    return res;
}

PoolEvaporationResult computePoolEvaporation(const PoolEvaporationInput& in)
{
    PoolEvaporationResult res;
    res.Wp = static_cast<float>(double(in.Q1) * in.t1 + double(in.Q2) * in.t2 + double(in.Q3) * in.t3);
    if (!allFinite({res.Wp})) res.refusal = {kOutOfRange, ""};
    return res;
}

const CalculatorDef<FlashInput, FlashResult>& flashEvaporationCalculator()
{
    using In = FlashInput;
    static const CalculatorDef<In, FlashResult> def{
        "risk.flash_evaporation",
        "过热液体闪蒸量计算",
        {field("WT", "液体泄漏总量WT       [kg]", &In::WT),
         field("t1", "闪蒸蒸发时间t1        [s]", &In::t1),
         field("Cp", "液体定压比热Cp  [J/kg·K]", &In::Cp),
         field("TL", "泄漏前液体温度TL      [K]", &In::TL),
         field("Tb", "液体常压下沸点Tb      [K]", &In::Tb),
         field("H", "液体汽化热H        [J/kg]", &In::H)},
        {field("Q1", "闪蒸量Q1           [kg/s]", &FlashResult::Q1)},
        &computeFlash,
    };
    return def;
}

const CalculatorDef<HeatInput, HeatResult>& heatEvaporationCalculator()
{
    using In = HeatInput;
    static const CalculatorDef<In, HeatResult> def{
        "risk.heat_evaporation",
        "热量蒸发量计算",
        {field("S", "液池面积S            [m^2]", &In::S),
         field("t", "蒸发时间t              [s]", &In::t),
         field("lambda", "表面热导系数λ    [W/m·K]", &In::lambda),
         field("alpha", "表面热扩散系数α   [m^2/s]", &In::alpha).withUnit("×10^(-7)"),
         field("T0", "环境温度T0             [K]", &In::T0),
         field("Tb", "沸点温度Tb             [K]", &In::Tb),
         field("H", "液体汽化热H         [J/kg]", &In::H)},
        {field("Q2", "热量蒸发量Q2        [kg/s]", &HeatResult::Q2)},
        &computeHeat,
    };
    return def;
}

const CalculatorDef<MassInput, MassResult>& massEvaporationCalculator()
{
    using In = MassInput;
    static const CalculatorDef<In, MassResult> def{
        "risk.mass_evaporation",
        "质量蒸发量计算",
        {field("P", "液体表面蒸气压P       [Pa]", &In::P),
         field("r", "液池半径r              [m]", &In::r),
         choiceField("stability", "大气稳定度", &In::stability, {"不稳定(A,B)", "中性(D)", "稳定(E,F)"}),
         field("M", "分子量M", &In::M),
         field("T0", "环境温度T0             [K]", &In::T0),
         field("u", "风速u                [m/s]", &In::u)},
        {field("Q3", "质量蒸发量Q3        [kg/s]", &MassResult::Q3)},
        &computeMass,
    };
    return def;
}

const CalculatorDef<PoolEvaporationInput, PoolEvaporationResult>& poolEvaporationCalculator()
{
    using In = PoolEvaporationInput;
    static const CalculatorDef<In, PoolEvaporationResult> def{
        "risk.pool_evaporation",
        "液体蒸发量计算",
        {field("Q1", "过热液体闪蒸量Q1[kg/s]", &In::Q1),
         field("Q2", "热量蒸发速度Q2[kg/s]", &In::Q2),
         field("Q3", "质量蒸发速度Q3[kg/s]", &In::Q3),
         field("t1", "闪蒸蒸发时间t1[s]", &In::t1),
         field("t2", "热量蒸发时间t2[s]", &In::t2),
         field("t3", "从液体泄漏到液体全部处理完毕时间t3[s]", &In::t3)},
        {field("Wp", "液体蒸发总量Wp[kg]", &PoolEvaporationResult::Wp)},
        &computePoolEvaporation,
    };
    return def;
}

}  // namespace qelvo::risk
