#include "risk/jet_fire.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "risk/risk_checks.h"

namespace qelvo::risk {
namespace {

// Transmissivity τ = 1 − 0.0565·ln x: it reaches 0 at x = e^(1/0.0565).
constexpr double kTransmissivitySlope = 0.0565;
const double kClearestDistance = std::exp(1 / kTransmissivitySlope);

// Nearer than a fifth of the flame length from the point source is the flame itself; never
// nearer than 1 mm.
constexpr double kFlameTipShare = 0.2;
constexpr double kNearest = 1e-3;

}  // namespace

double jetRadiation(double Q, double f, double x)
{
    const double tau = 1 - kTransmissivitySlope * std::log(x);
    return tau * f * Q / (12566.36 * x * x);  // 12566.36 = 4π·1000: W to kW
}

JetFireResult computeJetFire(const JetFireInput& in)
{
    JetFireResult res;
    Refusal& refusal = res.refusal;
    if (in.m < 0) refusal = mustNotBeNegative("质量流速m", "m");
    else if (in.Hc < 0) refusal = mustNotBeNegative("物质燃烧热Hc", "Hc");
    else if (in.f < 0) refusal = mustNotBeNegative("热辐射率f", "f");
    else if (!(in.t > 0)) refusal = mustBePositive("暴露时间t", "t");
    else if (!(in.x > 0)) refusal = mustBePositive("预测点离火焰点源距离x", "x");
    else if (!(in.x < kClearestDistance)) refusal = {"预测点离火焰点源距离x过大（大气透射率不大于0），请重新输入！", "x"};
    if (refusal.refused()) return res;

    res.Q = in.m * in.Hc;
    res.x = in.x;
    res.Lf = static_cast<float>(0.0061858220957565265 * std::pow(double(res.Q), 0.444));
    res.q = static_cast<float>(jetRadiation(res.Q, in.f, in.x));
    if (!allFinite({res.Q, res.Lf, res.q})) {
        refusal = {kOutOfRange, ""};
        return res;
    }
    const ThermalProbabilities p = thermalProbabilities(in.t, res.q * 1000.0);
    res.Pd = static_cast<float>(p.death);
    res.P2 = static_cast<float>(p.secondDegree);
    res.P1 = static_cast<float>(p.firstDegree);

    const double Q = res.Q, f = in.f;
    res.hazard = radiationDistances([Q, f](double x) { return jetRadiation(Q, f, x); },
                                    std::max(kFlameTipShare * res.Lf, kNearest), kClearestDistance,
                                    "喷射火热辐射强度随距离的变化", "离火焰点源距离 [m]");
    return res;
}

namespace {

void presentJetFire(const JetFireResult& r, Report& report)
{
    report.text = cformat("喷射火的火焰长度为 %g[m]\r\n距离火焰点源%g米处接收的热辐射能量为 %g[KW/m^2]\r\n死亡概率为 %g\r\n"
                          "二度烧伤概率为 %g\r\n一度烧伤概率为 %g",
                          double(r.Lf), double(r.x), double(r.q), double(r.Pd), double(r.P2), double(r.P1));
    presentRadiation(r.hazard, report);
}

}  // namespace

const CalculatorDef<JetFireInput, JetFireResult>& jetFireCalculator()
{
    using In = JetFireInput;
    static const CalculatorDef<In, JetFireResult> def{
        "risk.jet_fire",
        "喷射火事故后果模型",
        {field("m", "质量流速m[kg/s]", &In::m),
         field("Hc", "物质燃烧热Hc [J/kg]", &In::Hc),
         field("f", "热辐射率f", &In::f),
         field("t", "暴露时间t[s]", &In::t),
         field("x", "预测点离火焰点源距离x [m]", &In::x)},
        {},
        &computeJetFire,
        &presentJetFire,
    };
    return def;
}

}  // namespace qelvo::risk
