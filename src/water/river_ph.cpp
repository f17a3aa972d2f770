#include "water/river_ph.h"

#include <cmath>

#include "common/number_format.h"

namespace qelvo::water {

double carbonicKa1(double T)
{
    // Ka1 at the temperature nodes; 5-degree steps up to 30 °C, then one of 10 degrees.
    static const double nodes[] = {0, 5, 10, 15, 20, 25, 30, 40};
    static const double values[] = {2.65, 3.04, 3.43, 3.8, 4.15, 4.45, 4.71, 5.06};
    if (T <= 5) return ((5 - T) * values[0] + T * values[1]) * 0.02;
    if (T > 30) return ((T - 30) * values[7] + (40 - T) * values[6]) * 0.01;
    int i = 1;
    while (T > nodes[i + 1]) ++i;  // each interval includes its upper end
    return ((nodes[i + 1] - T) * values[i] + (T - nodes[i]) * values[i + 1]) * 0.02;
}

PhResult computePh(const PhInput& in)
{
    PhResult r;
    if (!(in.T >= 0 && in.T <= 40)) {
        r.refusal = {"河流平均水温T必须在0～40℃之间，请重新输入！", "T"};
        return r;
    }
    if (!(in.Qh + in.Qp > 0)) {
        r.refusal = {"河水流量与污水流量之和必须大于0，请重新输入！", "Qh"};
        return r;
    }
    r.Ka1 = static_cast<float>(carbonicKa1(in.T));
    const double M = (double(in.Qh) + in.Qp) * in.Cbh;
    const double load = double(in.Qp) * in.Cw;
    const double buffer = 10 * double(r.Ka1) * in.pHh * load;
    // A logarithm of a non-positive ratio has no value and is shown as it comes.
    r.logArgument = in.kind == 0 ? (M - load) / (buffer + M) : (M + load) / (M - buffer);
    const double pH = in.pHh + std::log(r.logArgument);
    r.pH = static_cast<float>(pH);
    r.kind = in.kind;
    return r;
}

void phChoiceRule(PhInput& in, std::string_view key)
{
    if (key == "kind") in.Cw = in.kind == 0 ? kAcidDefault : kAlkaliDefault;
}

namespace {
void presentPh(const PhResult& r, Report& report)
{
    report.text = cformat("河--10 河流酸碱污染物(pH)充分混合段(适用于pH<=9的情况):\n%s\n碳酸一级平衡常数 Ka1 =%g\n"
                          "完全混合后河流中的pH值 pH =%g",
                          r.kind == 0 ? "污染物为酸性物质" : "污染物为碱性物质", double(r.Ka1), double(r.pH));
}
}  // namespace

const CalculatorDef<PhInput, PhResult>& phCalculator()
{
    using In = PhInput;
    static const CalculatorDef<In, PhResult> def{
        "water.ph",
        "导则河流pH模式",
        {choiceField("kind", "废水性质", &In::kind, {"废水呈酸性", "废水呈碱性"}),
         field("Qh", "河水流量Qh [m^3/s]", &In::Qh),
         field("pHh", "本底pH值pHh[     ]", &In::pHh),
         field("Cbh", "本底碱度Cbh[mgN/L]", &In::Cbh),
         field("T", "河流平均水温T[ ℃] ", &In::T),
         field("Qp", "污水排放量Qp[m^3/s]", &In::Qp),
         field("Cw", "废水酸度Cap[mgN/L]", &In::Cw)},
        {field("Ka1", "碳酸一级平衡常数 Ka1", &PhResult::Ka1), field("pH", "完全混合后河流中的pH值 pH", &PhResult::pH)},
        &computePh,
        &presentPh,
        // The logarithm of a ratio that is not positive: its value is shown as it comes.
        [](const In&, const PhResult& r) { return !(r.logArgument > 0); },
        &phChoiceRule,
    };
    return def;
}

}  // namespace qelvo::water
