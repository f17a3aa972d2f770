#include "risk/leak.h"

#include <cmath>

#include "common/number_format.h"
#include "risk/risk_checks.h"
#include "risk/risk_constants.h"

namespace qelvo::risk {
namespace {

constexpr double kTwoG = 19.6;  // m/s^2, twice the gravity of the Bernoulli equation

// Two-phase discharge: coefficient 0.8, and the pressure difference taken as 0.45·P.
constexpr double kTwoPhaseDischarge = 0.8;
constexpr double kTwoPhasePressureShare = 0.45;

const char* kCriticalText = "气体流速在音速范围，是临界流。";
const char* kSubcriticalText = "气体流速在亚音速范围，是次临界流。";

}  // namespace

LiquidLeakResult computeLiquidLeak(const LiquidLeakInput& in)
{
    LiquidLeakResult res;
    if (!(in.rho > 0)) {
        res.refusal = mustBePositive("液体密度ρ", "rho");
        return res;
    }
    const double radicand = 2 * (double(in.P) - in.P0) / in.rho + kTwoG * in.h;
    if (radicand < 0) {
        res.refusal = {"容器内介质压力P与液柱压力之和小于环境压力P0，液体不会流出，请重新输入！", "P"};
        return res;
    }
    res.QL = double(in.Cd) * in.A * in.rho * std::sqrt(radicand);
    if (!allFinite({res.QL})) res.refusal = {kOutOfRange, ""};
    return res;
}

double shapeCoefficient(int shape)
{
    switch (shape) {
    case 1: return 0.95;  // 三角形
    case 2: return 0.9;   // 长方形
    default: return 1.0;  // 圆形
    }
}

GasLeakResult computeGasLeak(const GasLeakInput& in)
{
    GasLeakResult res;
    Refusal& refusal = res.refusal;
    if (!(in.P > 0)) refusal = mustBePositive("容器内介质压力P", "P");
    else if (in.P0 < 0) refusal = mustNotBeNegative("环境压力P0", "P0");
    else if (in.P0 > in.P) refusal = {"环境压力P0大于容器内介质压力P，气体不会泄漏，请重新输入！", "P0"};
    else if (!(in.M > 0)) refusal = mustBePositive("气体分子量M", "M");
    else if (!(in.TG > 0)) refusal = mustBePositive("气体温度TG", "TG");
    else if (!(in.kappa > 1)) refusal = {"气体绝热指数κ必须大于1，请重新输入！", "kappa"};
    if (refusal.refused()) return res;

    const double k = in.kappa;
    res.r = double(in.P0) / in.P;
    res.rc = std::pow(2 / (k + 1), k / (k - 1));
    res.critical = res.r <= res.rc;
    res.Y = res.critical ? 1.0
                         : std::sqrt(std::pow((k + 1) / 2, (k + 1) / (k - 1)) * 2 / (k - 1)) *
                               std::sqrt(1 - std::pow(res.r, (k - 1) / k)) * std::pow(res.r, 1 / k);
    res.Cd = shapeCoefficient(in.shape);
    // M from g/mol to kg/mol.
    res.QG = res.Y * res.Cd * in.A * in.P *
             std::sqrt(in.M * 0.001 * k / (kGasConstant * in.TG) * std::pow(2 / (k + 1), (k + 1) / (k - 1)));
    if (!allFinite({res.Y, res.QG})) refusal = {kOutOfRange, ""};
    return res;
}

TwoPhaseLeakResult computeTwoPhaseLeak(const TwoPhaseLeakInput& in)
{
    TwoPhaseLeakResult res;
    Refusal& refusal = res.refusal;
    if (!(in.rho1 > 0)) refusal = mustBePositive("液体蒸发的蒸气密度ρ1", "rho1");
    else if (!(in.rho2 > 0)) refusal = mustBePositive("液体密度ρ2", "rho2");
    else if (!(in.H > 0)) refusal = mustBePositive("液体气化热H", "H");
    else if (in.P < 0) refusal = mustNotBeNegative("操作压力或容器压力P", "P");
    if (refusal.refused()) return res;

    res.Fv = double(in.Cp) * (double(in.TLG) - in.Tc) / in.H;
    res.rhoM = 1 / (res.Fv / in.rho1 + (1 - res.Fv) / in.rho2);
    if (!(res.rhoM > 0) || !allFinite({res.Fv, res.rhoM})) {
        refusal = {"按蒸发比例Fv算得的两相混合物密度不是正数，请重新输入！", "TLG"};
        return res;
    }
    res.QLG = kTwoPhaseDischarge * in.A * std::sqrt(2 * res.rhoM * kTwoPhasePressureShare * in.P);
    if (!allFinite({res.QLG})) refusal = {kOutOfRange, ""};
    return res;
}

std::string flashFractionMessage(double Fv)
{
    // Both lines end in one blank, as the page has always shown them.
    return Fv <= 1 ? cformat("蒸发的液体占液体总量的比例Fv：%f ", Fv)
                   : cformat("蒸发的液体占液体总量的比例Fv：%f\r\n液体将全部蒸发成气体，这时应按气体泄漏计算。 ", Fv);
}

namespace {

void presentGasLeak(const GasLeakResult& r, Report& report)
{
    report.text = cformat("%s\r\n气体泄漏速率为：%.13f [kg/s]", r.critical ? kCriticalText : kSubcriticalText, r.QG);
}

void presentTwoPhaseLeak(const TwoPhaseLeakResult& r, Report& report) { report.text = flashFractionMessage(r.Fv); }

}  // namespace

const CalculatorDef<LiquidLeakInput, LiquidLeakResult>& liquidLeakCalculator()
{
    using In = LiquidLeakInput;
    static const CalculatorDef<In, LiquidLeakResult> def{
        "risk.liquid_leak",
        "液体泄漏速率计算",
        {field("A", "裂口面积 A             [m^2]", &In::A),
         field("P", "容器内介质压力 P        [Pa]", &In::P),
         field("h", "裂口之上液位高度 h       [m]", &In::h),
         field("rho", "液体密度 ρ          [kg/m^3]", &In::rho),
         field("P0", "环境压力 P0             [Pa]", &In::P0),
         field("Cd", "液体泄漏系数Cd 常取0.6-0.64", &In::Cd)},
        {field("QL", "液体泄漏速度 QL        [kg/s]", &LiquidLeakResult::QL)},
        &computeLiquidLeak,
    };
    return def;
}

const CalculatorDef<GasLeakInput, GasLeakResult>& gasLeakCalculator()
{
    using In = GasLeakInput;
    static const CalculatorDef<In, GasLeakResult> def{
        "risk.gas_leak",
        "气体泄漏速率计算",
        {field("A", "裂口面积 A              [m^2]", &In::A),
         choiceField("shape", "裂口形状", &In::shape, {"圆形", "三角形", "长方形"}),
         field("P", "容器内介质压力 P         [Pa]", &In::P),
         field("P0", "环境压力 P0              [Pa]", &In::P0),
         field("M", "气体分子量 M          [g/mol]", &In::M),
         field("TG", "气体温度 TG               [K]", &In::TG),
         field("kappa", "气体绝热指数(热容比)κ", &In::kappa)},
        {},
        &computeGasLeak,
        &presentGasLeak,
    };
    return def;
}

const CalculatorDef<TwoPhaseLeakInput, TwoPhaseLeakResult>& twoPhaseLeakCalculator()
{
    using In = TwoPhaseLeakInput;
    static const CalculatorDef<In, TwoPhaseLeakResult> def{
        "risk.twophase_leak",
        "两相泄漏速率计算",
        {field("A", "裂口面积 A                 [m^2]", &In::A),
         field("rho1", "液体蒸发的蒸气密度 ρ1  [kg/m^3]", &In::rho1),
         field("rho2", "液体密度 ρ2            [kg/m^3]", &In::rho2),
         field("H", "液体气化热 H              [J/kg]", &In::H),
         field("Tc", "液体在临界压力下的沸点 Tc    [K]", &In::Tc),
         field("P", "操作压力或容器压力 P        [Pa]", &In::P),
         field("TLG", "两相混合物温度 TLG           [K]", &In::TLG),
         field("Cp", "两相混合物定压比热 Cp  [J/kg·K]", &In::Cp)},
        {field("QLG", "两相泄漏速度 QLG          [kg/s]", &TwoPhaseLeakResult::QLG)},
        &computeTwoPhaseLeak,
        &presentTwoPhaseLeak,
    };
    return def;
}

}  // namespace qelvo::risk
