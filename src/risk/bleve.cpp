#include "risk/bleve.h"

#include <cmath>

#include "common/guideline_constants.h"
#include "common/number_format.h"
#include "risk/risk_checks.h"

namespace qelvo::risk {
namespace {

// The radiation curve runs from the fireball's edge to this many radii at most.
constexpr double kFarthestInRadii = 1e12;

}  // namespace

float storageFactor(int storage)
{
    switch (storage) {
    case 1: return 0.7f;  // 双罐储存
    case 2: return 0.9f;  // 多罐储存
    default: return 0.5f;  // 单罐储存
    }
}

double fireballRadiation(const Fireball& ball, float RH, float Pw, double x)
{
    const double D = ball.D;
    const double R = std::sqrt(x * x + D * D);  // the fireball's centre stands at height D
    const double Rf = D * 0.5;
    const double Lp = R - Rf;  // path through the air from the fireball's surface
    const double tau = 2.02 * std::pow(double(RH) * Pw * Lp, -0.09);
    return (Rf / R) * (Rf / R) * tau * ball.E;
}

BleveResult computeBleve(const BleveInput& in)
{
    BleveResult res;
    Refusal& refusal = res.refusal;
    const double burning = double(in.Hc) - in.Hv - double(in.Cp) * in.dT;  // J/kg radiated
    if (!(in.W > 0)) refusal = mustBePositive("储罐容量W", "W");
    else if (!(in.Pw > 0)) refusal = mustBePositive("饱和水蒸气压Pw", "Pw");
    else if (!(burning > 0)) refusal = {"物质燃烧热Hc必须大于Hv与Cp·T之和，请重新输入！", "Hc"};
    else if (!(in.RH > 0)) refusal = mustBePositive("相对湿度RH", "RH");
    else if (!(in.P > 0)) refusal = mustBePositive("储罐破裂瞬间储存物料饱和蒸气压力P", "P");
    else if (in.x < 0) refusal = mustNotBeNegative("预测点离储罐水平距离x", "x");
    if (refusal.refused()) return res;

    Fireball& ball = res.ball;
    ball.Wf = in.W * storageFactor(in.storage);
    const double scale = std::pow(double(ball.Wf), 0.327);
    ball.D = static_cast<float>(2.665 * scale);
    ball.t = static_cast<float>(1.089 * scale);
    ball.f = static_cast<float>(0.27 * std::pow(double(in.P), 0.32));
    ball.E = static_cast<float>(double(ball.f) * ball.Wf * burning / (kGuidelinePi * double(ball.D) * ball.D * ball.t));
    if (!(ball.D > 0 && ball.t > 0 && ball.E > 0) || !allFinite({ball.Wf, ball.D, ball.t, ball.E})) {
        refusal = {kOutOfRange, ""};
        return res;
    }

    const float Rf = ball.D * 0.5f;
    res.x = in.x;
    res.inside = in.x <= Rf;
    if (res.inside) {
        res.Pd = res.P2 = res.P1 = 1;
    } else {
        res.q = static_cast<float>(fireballRadiation(ball, in.RH, in.Pw, in.x));
        if (!allFinite({res.q})) {
            refusal = {kOutOfRange, ""};
            return res;
        }
        const ThermalProbabilities p = thermalProbabilities(ball.t, res.q);
        res.Pd = static_cast<float>(p.death);
        res.P2 = static_cast<float>(p.secondDegree);
        res.P1 = static_cast<float>(p.firstDegree);
    }

    const float RH = in.RH, Pw = in.Pw;
    res.hazard = radiationDistances([ball, RH, Pw](double x) { return fireballRadiation(ball, RH, Pw, x) / 1000; },
                                    Rf, Rf * kFarthestInRadii, "火球热辐射强度随距离的变化", "离储罐水平距离 [m]");
    return res;
}

namespace {

void presentBleve(const BleveResult& r, Report& report)
{
    const Fireball& ball = r.ball;
    const std::string radiationLine =
        r.inside ? kInsideFireball : cformat("距离储罐%g米处热辐射强度为 %g[W/m^2]", double(r.x), double(r.q));
    report.text = cformat("火球直径为 %g[m];火球持续时间为 %g[s]\r\n火球抬升高度为 %g[m]\r\n火球表面热辐射能量为 %g[W/m^2]\r\n"
                          "%s\r\n死亡概率为 %g\r\n二度烧伤概率为 %g\r\n一度烧伤概率为 %g",
                          double(ball.D), double(ball.t), double(ball.D), double(ball.E), radiationLine.c_str(),
                          double(r.Pd), double(r.P2), double(r.P1));
    presentRadiation(r.hazard, report);
}

}  // namespace

const CalculatorDef<BleveInput, BleveResult>& bleveCalculator()
{
    using In = BleveInput;
    static const CalculatorDef<In, BleveResult> def{
        "risk.bleve",
        "沸腾液体扩展为蒸气云爆炸事故(BLEVE事故)后果模型 ",
        {field("W", "储罐容量W [kg]", &In::W),
         field("Hv", "常压沸点下的蒸发热Hv [J/kg]", &In::Hv),
         field("Pw", "饱和水蒸气压Pw [Pa]", &In::Pw),
         field("Hc", "物质燃烧热Hc [J/kg]", &In::Hc),
         choiceField("storage", "物质存储方式", &In::storage, {"单罐储存", "双罐储存", "多罐储存"}),
         field("Cp", "液体比定压热容Cp [J/kg·K]", &In::Cp),
         field("RH", "相对湿度RH", &In::RH),
         field("P", "储罐破裂瞬间储存物料饱和蒸气压力P[MPa]", &In::P),
         field("dT", "火球表面火焰温度与环境温度之差T [K]", &In::dT),
         field("x", "预测点离储罐水平距离x [m]", &In::x)},
        {},
        &computeBleve,
        &presentBleve,
    };
    return def;
}

}  // namespace qelvo::risk
