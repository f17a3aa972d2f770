#include "risk/pool_fire.h"

#include <cmath>

#include "common/guideline_constants.h"
#include "common/number_format.h"
#include "risk/risk_checks.h"

namespace qelvo::risk {
namespace {

constexpr double kAirDensity = 1.293;  // kg/m^3
constexpr double kGravity = 9.8;       // m/s^2
constexpr double kFarthestInRadii = 1e12;

}  // namespace

double layerThickness(int ground)
{
    switch (ground) {
    case 0: return 0.02;    // 草地
    case 1: return 0.025;   // 粗糙地面
    case 3: return 0.005;   // 混凝土地面
    case 4: return 0.0018;  // 平静的水面
    default: return 0.01;   // 平整地面
    }
}

double pointSourceRadiation(double power, double x) { return power / (4 * kGuidelinePi * x * x) / 1000; }

PoolFireResult computePoolFire(const PoolFireInput& in)
{
    PoolFireResult res;
    Refusal& refusal = res.refusal;
    if (!(in.W > 0)) refusal = mustBePositive("泄漏液体质量W", "W");
    else if (!(in.Hc > 0)) refusal = mustBePositive("液体燃烧热Hc", "Hc");
    else if (!(in.Hv > 0)) refusal = mustBePositive("常压沸点下的蒸发热Hv", "Hv");
    else if (in.Cp < 0) refusal = mustNotBeNegative("液体比定压热容Cp", "Cp");
    else if (!(in.rho > 0)) refusal = mustBePositive("液体密度ρ", "rho");
    else if (in.f < 0) refusal = mustNotBeNegative("热辐射系数f", "f");
    if (refusal.refused()) return res;

    res.D = static_cast<float>(std::sqrt(4 * double(in.W) / (layerThickness(in.ground) * in.rho * kGuidelinePi)));
    const double m = in.Tb > in.Ta ? 0.001 * in.Hc / ((double(in.Tb) - in.Ta) * in.Cp + in.Hv) : 0.001 * in.Hc / in.Hv;
    res.m = static_cast<float>(m);
    const double D = res.D;
    res.L = static_cast<float>(42 * D * std::pow(res.m / (kAirDensity * std::sqrt(kGravity * D)), 0.61));
    res.tb = static_cast<float>(4 * double(in.W) / (res.m * D * D * kGuidelinePi));
    res.q0 = static_cast<float>(0.25 * in.f * in.Hc * res.m * D / (0.25 * D + res.L));
    if (!(res.D > 0 && res.m > 0) || !allFinite({res.D, res.m, res.L, res.tb, res.q0})) {
        refusal = {kOutOfRange, ""};
        return res;
    }
    // The flame as a cylinder of the pool's diameter and the flame's height: its surface flux
    // over its top and side is the radiated power, sent out from the pool's centre.
    res.radiatedPower = res.q0 * (kGuidelinePi * D * D / 4 + kGuidelinePi * D * res.L);
    const double power = res.radiatedPower;
    const double radius = D / 2;
    res.hazard = radiationDistances([power](double x) { return pointSourceRadiation(power, x); }, radius,
                                    radius * kFarthestInRadii, "池火灾热辐射强度随距离的变化", "离火焰中心距离 [m]");
    return res;
}

namespace {

void presentPoolFire(const PoolFireResult& r, Report& report)
{
    report.text = cformat("液池直径为%f[m]\r\n液体单位面积燃烧速率为%f[kg/(m^2·s)]\r\n火焰高度为%f[m]\r\n燃烧持续时间为%f[s]\r\n"
                          "火焰表面热通量为%f[W/m^2]\r\n该模型计算软件还在继续完善中...................",
                          double(r.D), double(r.m), double(r.L), double(r.tb), double(r.q0));
    presentRadiation(r.hazard, report);
}

}  // namespace

const CalculatorDef<PoolFireInput, PoolFireResult>& poolFireCalculator()
{
    using In = PoolFireInput;
    static const CalculatorDef<In, PoolFireResult> def{
        "risk.pool_fire",
        "池火灾事故后果模型",
        {field("W", "泄漏液体质量W [kg]", &In::W),
         field("Hc", "液体燃烧热Hc [J/kg]", &In::Hc),
         field("Hv", "常压沸点下的蒸发热Hv [J/kg]", &In::Hv),
         field("Ta", "环境温度Ta [℃]", &In::Ta),
         field("t", "暴露时间t [s]", &In::t),
         field("Cp", "液体比定压热容Cp [J/kg·K]", &In::Cp),
         field("rho", "液体密度 ρ[kg/m^3]", &In::rho),
         field("Tb", "液体常压下沸点Tb [℃]", &In::Tb),
         choiceField("ground", "地面性质", &In::ground, {"草地", "粗糙地面", "平整地面", "混凝土地面", "平静的水面"}),
         field("f", "热辐射系数f", &In::f),
         field("x", "预测点离火球中心水平距离距离x [m]", &In::x)},
        {},
        &computePoolFire,
        &presentPoolFire,
    };
    return def;
}

}  // namespace qelvo::risk
