#include "tools/sludge.h"


namespace qelvo::tools {

SludgeResult computeSludge(const SludgeInput& in)
{
    // A water content of 100 % or a density of 0 would divide by zero.
    if (!(in.P < 100.0f)) return {.refusal = {"污泥含水率P必须小于100，请重新输入！", "P"}};
    if (!(in.rho > 0.0f)) return {.refusal = {"沉淀污泥密度ρ必须大于0，请重新输入！", "rho"}};

    // V = Q·η·C / ((100 − P)·ρ·1000), every step in double (100 and 1000 are exact in
    // either precision), stored as float.
    const double v = double(in.Q) * in.eta * in.C / ((100.0 - in.P) * in.rho * 1000.0);
    if (!fitsSingle(v)) return {.refusal = {"沉淀污泥量V超出数值范围，请重新输入！", "Q"}};
    return {static_cast<float>(v), {}};
}

const CalculatorDef<SludgeInput, SludgeResult>& sludgeCalculator()
{
    using In = SludgeInput;
    static const CalculatorDef<In, SludgeResult> def{
        "solid.sludge",
        "沉淀池污泥量计算",
        {field("Q", "污水流量 Q [m^3/d]", &In::Q),
         field("C", "进水悬浮物浓度 C [mg/L]", &In::C),
         field("eta", "去除率 η [%]", &In::eta),
         field("P", "污泥含水率 P [%]", &In::P),
         field("rho", "沉淀污泥密度  ρ [t/m^3]", &In::rho)},
        {field("V", "沉淀污泥量 V [m^3/d]", &SludgeResult::V)},
        &computeSludge,
    };
    return def;
}

}  // namespace qelvo::tools
