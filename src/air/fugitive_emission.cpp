#include "air/fugitive_emission.h"

#include <cmath>

#include "air/air_checks.h"
#include "common/guideline_constants.h"
#include "common/number_format.h"

namespace qelvo::air {
namespace {

// Mazak: G = (5.38 + 4.1·u)·Pv·F·√M.
constexpr double kMazakStill = 5.38, kMazakWind = 4.1;
// Antoine-type vapour pressure lg Pv = A − 0.05223·B/T (mmHg).
constexpr double kVapourSlope = 0.05223;
// Liquid evaporation: Gz = (0.000352 + 0.000786·V)·P·M·F.
constexpr double kEvaporationStill = 0.000352, kEvaporationWind = 0.000786;
constexpr double kPercent = 0.01;
// Odour: 1/π with π as 3.14159 (0.31831015504887655).
constexpr double kInversePi = 1 / kGuidelinePi;

}  // namespace

const std::vector<Substance>& substances()
{
    static const std::vector<Substance> list = {
        {"苯", 7.962, 34172},    {"甲烷", 6.863, 8516},  {"甲醇", 8.802, 38324}, {"醋酸甲酯", 8.715, 46150},
        {"四氧化碳", 8.004, 33914}, {"甲苯", 8.33, 39198}, {"醋酸乙酯", 9.01, 51103}, {"乙醇", 7.72, 23025},
        {"乙醚", 9.135, 46774},
    };
    return list;
}

OpenStorageResult computeOpenStorage(const OpenStorageInput& in)
{
    OpenStorageResult r;
    r.refusal = firstRefusal({mustNotBeNegative(in.u, "车间内风速u", "u"), mustNotBeNegative(in.F, "有害物质敞露面积F", "F"),
                              mustBePositive(in.M, "有害物质分子量M", "M"),
                              mustNotBeNegative(in.Pv, "有机溶剂在该温度时饱和蒸汽压Pv", "Pv")});
    if (r.refusal.refused()) return r;
    r.G = (kMazakStill + kMazakWind * in.u) * in.Pv * in.F * std::sqrt(in.M);
    r.refusal = outOfRangeUnlessFinite({r.G});
    return r;
}

SubstancePressure computeSubstancePressure(const OpenStorageInput& in)
{
    SubstancePressure r;
    r.Pv = in.Pv;
    const Substance* found = nullptr;
    for (const auto& s : substances())
        if (in.substance == s.name) found = &s;
    if (!found) r.refusal = {"选框里没有该有害物质，请手动输入饱和蒸汽压Pv！", "substance"};
    else r.refusal = mustBePositive(in.T, "有害物质温度T", "T");
    if (r.refusal.refused()) return r;
    r.Pv = static_cast<float>(std::pow(10.0, found->A - kVapourSlope * found->B / in.T));
    return r;
}

LiquidEvaporationResult computeLiquidEvaporation(const LiquidEvaporationInput& in)
{
    LiquidEvaporationResult r;
    const auto share = [](float value, const char* what, const char* key) {
        if (value >= 0 && value <= 100) return Refusal{};
        return Refusal{std::string(what) + "必须在0～100之间，请重新输入！", key};
    };
    r.refusal = firstRefusal({share(in.capture, "集气率", "capture"), share(in.treatment, "处理率", "treatment")});
    if (r.refusal.refused()) return r;
    r.Gz = (kEvaporationStill + kEvaporationWind * in.V) * in.P * in.M * in.F;
    r.Gf = (1 - in.capture * kPercent) * r.Gz;
    r.Go = (1 - in.treatment * kPercent) * in.capture * kPercent * r.Gz;
    r.refusal = outOfRangeUnlessFinite({r.Gz, r.Gf, r.Go, r.Gf + r.Go});
    return r;
}

std::string liquidEvaporationText(const LiquidEvaporationResult& r)
{
    return cformat("计算结果如下：\r\n液体蒸发量Gz=%.8f [kg/h]\r\n排放量为%.8f [kg/h]\r\n其中无组织排放量%.8f [kg/h]；有组织排放量%.8f [kg/h]",
                   r.Gz, r.Go + r.Gf, r.Gf, r.Go);
}

EquipmentLeakResult computeEquipmentLeak(const EquipmentLeakInput& in)
{
    EquipmentLeakResult r;
    r.refusal = firstRefusal({mustBePositive(in.T, "有害气体和蒸气温度T", "T"), mustBePositive(in.M, "有害气体和蒸气分子量M", "M")});
    if (r.refusal.refused()) return r;
    r.Gc = static_cast<float>(double(in.V) * in.K * in.C * std::sqrt(double(in.M) / in.T));
    r.refusal = outOfRangeUnlessFinite({r.Gc});
    return r;
}

OdourResult computeOdour(const OdourInput& in)
{
    OdourResult r;
    if (in.F == 0) {
        r.refusal = {"蒸汽压校正系数F不能为0，请重新输入！", "F"};
        return r;
    }
    const double X = in.u * in.L * in.D * kInversePi / in.F;
    if (!(X > 0)) {
        r.invalid = true;
        return r;
    }
    if (in.M == 0) {
        r.refusal = {"土壤与化合物的总重量M不能为0，请重新输入！", "M"};
        return r;
    }
    r.E = 2 * in.W * in.m * in.C / in.M * std::sqrt(X);
    r.refusal = outOfRangeUnlessFinite({r.E});
    return r;
}

namespace {

void presentLiquid(const LiquidEvaporationResult& r, Report& report) { report.text = liquidEvaporationText(r); }

void presentOdour(const OdourResult& r, Report& report)
{
    if (r.invalid) report.messages.push_back(kInvalidNumber);
}

}  // namespace

const CalculatorDef<OpenStorageInput, OpenStorageResult>& openStorageCalculator()
{
    using In = OpenStorageInput;
    static const CalculatorDef<In, OpenStorageResult> def{
        "air.open_storage",
        "有害物质敞露存放散发量",
        {field("u", "车间内风速 u         [m/s]", &In::u),
         field("F", "有害物质敞露面积 F   [m^2]", &In::F),
         field("M", "有害物质分子量 M", &In::M),
         field("T", "有害物质温度 T         [K]", &In::T),
         field("substance", "有害物质名称", &In::substance).withUnit(kSubstanceHint),
         field("Pv", "有机溶剂在该温度时饱和蒸汽压 Pv [mmHg]", &In::Pv)},
        {field("G", "有害物质散发量 G     [g/h]", &OpenStorageResult::G)},
        &computeOpenStorage,
    };
    return def;
}

const CalculatorDef<OpenStorageInput, SubstancePressure>& substancePressureCalculator()
{
    static const CalculatorDef<OpenStorageInput, SubstancePressure> def{
        "air.open_storage_pv",
        "有害物质敞露存放散发量（选择有害物质）",
        openStorageCalculator().inputs,
        {field("Pv", "有机溶剂在该温度时饱和蒸汽压 Pv [mmHg]", &SubstancePressure::Pv)},
        &computeSubstancePressure,
    };
    return def;
}

const CalculatorDef<LiquidEvaporationInput, LiquidEvaporationResult>& liquidEvaporationCalculator()
{
    using In = LiquidEvaporationInput;
    static const CalculatorDef<In, LiquidEvaporationResult> def{
        "air.liquid_evaporation",
        "液体(除水以外)蒸发量的计算",
        {field("V", "蒸发液体表面空气流速 V [m/s]", &In::V),
         field("F", "液体蒸发面表面积 F     [m^2]", &In::F),
         field("M", "液体分子量 M", &In::M),
         field("P", "相应于液体温度下空气中的蒸气分压 P [mmHg]", &In::P),
         field("capture", "集气率[%]", &In::capture),
         field("treatment", "处理率[%]", &In::treatment)},
        {},
        &computeLiquidEvaporation,
        &presentLiquid,
    };
    return def;
}

const CalculatorDef<EquipmentLeakInput, EquipmentLeakResult>& equipmentLeakCalculator()
{
    using In = EquipmentLeakInput;
    static const CalculatorDef<In, EquipmentLeakResult> def{
        "air.equipment_leak",
        "生产设备和管道不严密处散发量计算",
        {field("V", "设备和管道内部容积 V   [m^3]", &In::V),
         field("T", "有害气体和蒸气温度 T     [K]", &In::T),
         field("M", "有害气体和蒸气分子量 M", &In::M),
         field("K", "安全系数 K,视设备磨损程度,一般取1～2", &In::K),
         field("C", "系数 C", &In::C)},
        {field("Gc", "散发量 Gc             [kg/h]", &EquipmentLeakResult::Gc)},
        &computeEquipmentLeak,
    };
    return def;
}

const CalculatorDef<OdourInput, OdourResult>& odourCalculator()
{
    using In = OdourInput;
    static const CalculatorDef<In, OdourResult> def{
        "air.odour",
        "恶臭气体散发速率",
        {field("u", "风速u[m/s]", &In::u),
         field("D", "扩散率D[cm^2/s]", &In::D),
         field("W", "堆场或填场的宽度W[cm]", &In::W),
         field("L", "堆场或填场的长度L[cm]", &In::L),
         field("m", "土壤中挥发性化合物的重量m[kg]", &In::m),
         field("M", "土壤与化合物的总重量M[kg]", &In::M),
         field("C", "化学气体蒸汽压C[101.325kPa]", &In::C),
         field("F", "蒸汽压校正系数F", &In::F)},
        {field("E", "恶臭气体散发速率E[cm^3/s]", &OdourResult::E)},
        &computeOdour,
        &presentOdour,
    };
    return def;
}

}  // namespace qelvo::air
