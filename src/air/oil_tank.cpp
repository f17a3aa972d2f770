#include "air/oil_tank.h"

#include <algorithm>
#include <cmath>

#include "air/air_checks.h"
#include "common/number_format.h"

namespace qelvo::air {
namespace {

// Fixed-roof working loss: turnovers a year up to which KN = 1, and the constants of
// LDw = (Py1 + Py2)·V1·K1·KN / ((690 − 4μ)·103.2).
constexpr double kTurnoverLimit = 36;
constexpr double kMolarBase = 690, kMolarFactor = 4, kWorkingDivisor = 103.2;

// Floating-roof working loss: Lw = 4·Q·ρ·C / D.
constexpr double kWettedFactor = 4;

// Fixed-roof standing loss: the diameter (m) from which the small-tank factor C is 1, the
// factor's polynomial, the exponents and the constant of LDs.
constexpr double kLargeTank = 9.14;
constexpr double kSmallTankCubic = 1.9891e-6, kSmallTankSquare = 0.0013099, kSmallTankLinear = 0.073631,
                 kSmallTankConstant = 0.082626;
constexpr double kPressureExponent = 0.68, kSpaceExponent = 0.51, kSwingExponent = 0.5, kDiameterExponent = 1.73;
constexpr double kStandingConstant = 0.0732;

// Floating-roof standing loss: wind speed m/s → mile/h, diameter m → ft, and the constants
// of Ls for the external (0.46) and internal (0.45) floating roof.
constexpr double kMilesPerHour = 2.24, kFeet = 3.28;
constexpr double kFloatingConstant = 0.46, kInternalConstant = 0.45;

// Wall adhesion C [m^3/1000m^2], American Petroleum Institute tests: rows 汽油, 原油;
// columns 轻锈, 重锈, 喷涂内衬.
constexpr float kWallAdhesion[][3] = {{0.00257f, 0.01284f, 0.2567f}, {0.01027f, 0.05134f, 1.0268f}};

// P* = (Py/Pa) / (1 + (1 − Py/Pa)^0.5)².
double vapourPressureFunction(double Py, double Pa)
{
    const double p = Py / Pa;
    const double root = 1 + std::sqrt(1 - p);
    return p / (root * root);
}

Refusal floatingChecks(float Py, float Pa, const char* pyKey, const char* paKey)
{
    if (Py > Pa) return {"油品蒸汽压Py不能大于当地大气压Pa，请重新输入！", pyKey};
    return firstRefusal({mustBePositive(Pa, "当地大气压Pa", paKey), mustNotBeNegative(Py, "油品蒸汽压Py", pyKey)});
}

Refusal checks(const OilTankInput& in, OilTankForm form)
{
    switch (form) {
    case OilTankForm::FixedRoofWorking:
        return firstRefusal({mustBePositive(in.f1V, "油罐体积V", "f1V"),
                             in.f1mu < kMolarBase / kMolarFactor
                                 ? Refusal{}
                                 : Refusal{"油蒸汽摩尔质量μy必须小于172.5，请重新输入！", "f1mu"}});
    case OilTankForm::FloatingWorking:
    case OilTankForm::InternalWorking: return mustBePositive(in.f2D, "油罐直径D", "f2D");
    case OilTankForm::FixedRoofStanding:
        if (!(in.f3P < in.f3Pa)) return {"油品蒸汽压P必须小于当地大气压Pa，请重新输入！", "f3P"};
        return firstRefusal({mustNotBeNegative(in.f3P, "油品蒸汽压P", "f3P"), mustNotBeNegative(in.f3D, "油罐直径D", "f3D"),
                             mustNotBeNegative(in.f3H, "油罐内气体空间高度H", "f3H"),
                             mustNotBeNegative(in.f3dT, "大气温度的平均日温差△T", "f3dT")});
    case OilTankForm::FloatingStanding:
        return firstRefusal({floatingChecks(in.f4Py, in.f4Pa, "f4Py", "f4Pa"),
                             mustNotBeNegative(in.f4v, "油罐所在地平均风速v", "f4v")});
    case OilTankForm::InternalStanding: return floatingChecks(in.f5Py, in.f5Pa, "f5Py", "f5Pa");
    }
    return {};
}

double loss(const OilTankInput& in, OilTankForm form)
{
    switch (form) {
    case OilTankForm::FixedRoofWorking: {
        const double N = double(in.f1Q) / in.f1V;
        const double KN = N <= kTurnoverLimit ? 1 : (N + 180) / (6 * N);
        return (double(in.f1Py1) + in.f1Py2) * in.f1V1 * in.f1K1 * KN / ((kMolarBase - kMolarFactor * in.f1mu) * kWorkingDivisor);
    }
    case OilTankForm::FloatingWorking:
    case OilTankForm::InternalWorking: {
        const double Lw = kWettedFactor * in.f2Q * in.f2rho * in.f2C / in.f2D;
        if (form == OilTankForm::InternalWorking && in.f2columns) return (1 + double(in.f2Nc) * in.f2Fc / in.f2D) * Lw;
        return Lw;
    }
    case OilTankForm::FixedRoofStanding: {
        const double D = in.f3D;
        const double C = D >= kLargeTank
                             ? 1
                             : kSmallTankCubic * D * D * D + (kSmallTankSquare * D + kSmallTankLinear) * D + kSmallTankConstant;
        return std::pow(in.f3P / (double(in.f3Pa) - in.f3P), kPressureExponent) * std::pow(double(in.f3H), kSpaceExponent) *
               std::pow(double(in.f3dT), kSwingExponent) * std::pow(D, kDiameterExponent) * in.f3K3 * in.f3Fp * C *
               kStandingConstant;
    }
    case OilTankForm::FloatingStanding:
        return (in.f4Kt * std::pow(kMilesPerHour * in.f4v, double(in.f4n)) * in.f4D * kFeet + in.f4Ff) * in.f4Mv * in.f4Kc *
               vapourPressureFunction(in.f4Py, in.f4Pa) * kFloatingConstant;
    case OilTankForm::InternalStanding:
        // The seal factor Kc enters twice, as the guide's formula has it.
        return (double(in.f5Kc) * in.f5D + in.f5Fc + double(in.f5Kd) * in.f5Fd * in.f5D * in.f5D) * in.f5Mv * in.f5Kc *
               vapourPressureFunction(in.f5Py, in.f5Pa) * kInternalConstant;
    }
    return 0;
}

}  // namespace

OilTankForm oilTankForm(int calculation, int tank)
{
    static const OilTankForm forms[][3] = {
        {OilTankForm::FixedRoofWorking, OilTankForm::FloatingWorking, OilTankForm::InternalWorking},
        {OilTankForm::FixedRoofStanding, OilTankForm::FloatingStanding, OilTankForm::InternalStanding}};
    return forms[clampIndex(forms, calculation)][clampIndex(forms[0], tank)];
}

float wallAdhesion(int oil, int wall)
{
    return kWallAdhesion[clampIndex(kWallAdhesion, oil)][clampIndex(kWallAdhesion[0], wall)];
}

bool oilTankFieldShown(const OilTankInput& in, std::string_view key)
{
    static const char* const prefixes[] = {"f1", "f2", "f2", "f3", "f4", "f5"};
    const OilTankForm form = oilTankForm(in.calculation, in.tank);
    if (key == "calculation" || key == "tank") return true;
    if (key == "f2columns" || key == "f2Nc" || key == "f2Fc") return form == OilTankForm::InternalWorking;
    return key.starts_with(prefixes[static_cast<int>(form)]);
}

OilTankResult computeOilTank(const OilTankInput& in)
{
    OilTankResult r;
    r.form = oilTankForm(in.calculation, in.tank);
    r.refusal = checks(in, r.form);
    if (r.refusal.refused()) return r;
    r.loss = static_cast<float>(loss(in, r.form));
    r.refusal = outOfRangeUnlessFinite({r.loss});
    return r;
}

std::string oilTankText(const OilTankResult& r)
{
    static const char* const formats[] = {
        "结果：拱顶罐大呼吸蒸发损耗量LDw：%f [m^3/a]", "结果：浮顶油罐大呼吸损耗量Lw：%f [kg/a]",
        "结果：内浮顶油罐大呼吸损耗量Lw：%f [kg/a]",   "结果：拱顶罐小呼吸蒸发损耗量LDs：%f [m^3/a]",
        "结果：浮顶罐小呼吸蒸发损耗量Ls：%f [kg/a]",   "结果：内浮顶罐小呼吸蒸发损耗量Ls：%f [kg/a]"};
    return cformat(formats[static_cast<int>(r.form)], r.loss);
}

namespace {
void presentOilTank(const OilTankResult& r, Report& report) { report.text = oilTankText(r); }
}  // namespace

const CalculatorDef<OilTankInput, OilTankResult>& oilTankCalculator()
{
    using In = OilTankInput;
    static const CalculatorDef<In, OilTankResult> def{
        "air.oil_tank",
        "油罐大小呼吸蒸发损耗计算",
        {choiceField("calculation", "计算类别", &In::calculation, {"大呼吸蒸发损耗计算", "小呼吸蒸发损耗计算"}),
         choiceField("tank", "罐种类", &In::tank, {"拱顶罐", "浮顶油罐", "内浮顶油罐"}),
         field("f1Q", "油罐年周转量 Q                [m^3/a]", &In::f1Q),
         field("f1V1", "泵送液体入罐量 V1               [m^3]", &In::f1V1),
         field("f1V", "油罐体积 V                      [m^3]", &In::f1V),
         field("f1K1", "油品系数K1     (汽油K1=1,原油K1=0.75)", &In::f1K1),
         field("f1Py1", "油罐内液面最低温度所对应蒸汽压Py1[kPa]", &In::f1Py1),
         field("f1Py2", "油罐内液面最高温度所对应蒸汽压Py2[kPa]", &In::f1Py2),
         field("f1mu", "油蒸汽摩尔质量 μy           [kg/kmol]", &In::f1mu),
         field("f2Q", "油罐年周转量 Q                [m^3/a]", &In::f2Q),
         field("f2D", "油罐直径 D                        [m]", &In::f2D),
         field("f2rho", "油品密度 ρ                  [kg/m^3]", &In::f2rho),
         field("f2C", "油罐壁的粘附系数C [m^3/1000m^2]    根据美国石油学会试验测定值", &In::f2C),
         choiceField("f2oil", "油品", &In::f2oil, {"汽油", "原油"}),
         choiceField("f2wall", "罐壁状况", &In::f2wall, {"轻锈", "重锈", "喷涂内衬"}),
         checkField("f2columns", "内浮顶罐的固定顶用固定支柱支撑", &In::f2columns),
         field("f2Nc", "支柱个数 Nc   [个]", &In::f2Nc),
         field("f2Fc", "支柱有效直径Fc [m]", &In::f2Fc),
         field("f3D", "油罐直径 D                         [m]", &In::f3D),
         field("f3H", "油罐内气体空间高度 H               [m]", &In::f3H),
         field("f3Fp", "涂料系数 Fp", &In::f3Fp),
         field("f3K3", "油品系数 K3     (汽油K3=1,原油K3=0.58)", &In::f3K3),
         field("f3P", "油罐内油品本体温度下蒸汽压 P     [kPa]", &In::f3P),
         field("f3Pa", "当地大气压 Pa                    [kPa]", &In::f3Pa),
         field("f3dT", "大气温度的平均日温差 △T          [℃]", &In::f3dT),
         field("f4D", "油罐直径 D                           [m]", &In::f4D),
         field("f4Kt", "密封相关系数 Kt", &In::f4Kt),
         field("f4v", "油罐所在地平均风速 v                [m/s]", &In::f4v),
         field("f4n", "与密封有关的风速指数 n", &In::f4n),
         field("f4Kc", "油品系数 Kc     (汽油Kc=1,原油Kc=0.4)", &In::f4Kc),
         field("f4Ff", "浮盘附件总损耗系数 Ff", &In::f4Ff),
         field("f4Mv", "油气摩尔质量 Mv                 [kg/kmol]", &In::f4Mv),
         field("f4Py", "油品平均温度下蒸汽压 Py             [kPa]", &In::f4Py),
         field("f4Pa", "当地大气压 Pa                       [kPa]", &In::f4Pa),
         field("f5D", "油罐直径 D                            [m]", &In::f5D),
         field("f5Fd", "长度系数,顶板接缝长度与顶板面积比值 Fd", &In::f5Fd),
         field("f5Kd", "损耗系数Kd,焊接顶板Kd=0;非焊接顶板Kd=3.66", &In::f5Kd),
         field("f5Kc", "边圈密封损耗系数 Kc", &In::f5Kc),
         field("f5Mv", "油气摩尔质量 Mv                 [kg/kmol]", &In::f5Mv),
         field("f5Py", "油品平均温度下蒸汽压 Py             [kPa]", &In::f5Py),
         field("f5Pa", "当地大气压 Pa                       [kPa]", &In::f5Pa),
         field("f5Fc", "支柱有效直径 Fc                       [m]", &In::f5Fc)},
        {},
        &computeOilTank,
        &presentOilTank,
    };
    return def;
}

}  // namespace qelvo::air
