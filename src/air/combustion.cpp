#include "air/combustion.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "air/air_checks.h"

namespace qelvo::air {
namespace {

// Oil: 1.4·10^4 m^3 of flue gas and 1/680 t of dust per tonne, SO2 = 2·S % of the fuel.
constexpr double kOilGas = 1.4, kOilDust = 0.0014705882352941176, kOilSulphur = 0.02;
// Coal: 10^4 m^3 of flue gas per tonne, 80 % of the sulphur burnt to SO2 (2·0.8·S %).
constexpr double kCoalGas = 1, kCoalSulphur = 0.016;
// Dust of coal: dfh·A·W / (1 − Cfh/100), both shares in percent.
constexpr double kPercent = 0.01, kPercentSquared = 0.0001;
// t / 10^4 m^3 → mg/m^3, and back (the single-precision constant 1e−5).
constexpr double kConcentration = 100000;
constexpr float kAllowed = 1e-5f;
// Whole-number concentrations are rounded half up.
constexpr double kHalf = 0.5;

// "油": 0.3 % sulphur, 500 and 100 mg/m^3; "煤": 0.7 %, 900 and 200 mg/m^3.
constexpr FuelDefaults kFuelDefaults[] = {{0.3f, 500, 100}, {0.7f, 900, 200}};

}  // namespace

FuelDefaults fuelDefaults(int fuel) { return kFuelDefaults[clampIndex(kFuelDefaults, fuel)]; }

void applyFuelChoice(CombustionInput& in, int fuel)
{
    const FuelDefaults d = fuelDefaults(fuel);
    in.fuel = fuel;
    in.S = d.S;
    in.Cs = d.Cs;
    in.Cd = d.Cd;
}

CombustionResult computeCombustion(const CombustionInput& in)
{
    CombustionResult r;
    r.CS0 = in.CS0;
    r.CD0 = in.CD0;
    if (in.W < 0) {
        r.refusal = {"不能是负数，请重新输入", "W", "错误"};
        return r;
    }
    const double W = in.W;
    if (in.fuel == kOil) {
        r.Vg = static_cast<float>(kOilGas * W);
        r.GD = static_cast<float>(W * kOilDust);
        r.GS = static_cast<float>(in.S * W * kOilSulphur);
    } else {
        if (!(in.Cfh < 100)) {
            r.refusal = {"烟尘中可燃物必须小于100%，请重新输入！", "Cfh"};
            return r;
        }
        r.Vg = static_cast<float>(kCoalGas * W);
        r.GD = static_cast<float>(double(in.dfh) * in.A * W / (1 - in.Cfh * kPercent) * kPercentSquared);
        r.GS = static_cast<float>(in.S * W * kCoalSulphur);
    }
    if (r.Vg > 0) {
        const double CS0 = std::trunc(r.GS * kConcentration / r.Vg + kHalf);
        const double CD0 = std::trunc(r.GD * kConcentration / r.Vg + kHalf);
        if (!(std::fabs(CS0) <= INT_MAX && std::fabs(CD0) <= INT_MAX)) {
            r.refusal = {kOutOfRange, ""};
            return r;
        }
        r.CS0 = static_cast<int>(CS0);
        r.CD0 = static_cast<int>(CD0);
    }
    r.GSallowed = static_cast<float>(r.Vg * in.Cs * double(kAllowed));
    r.GDallowed = static_cast<float>(r.Vg * in.Cd * double(kAllowed));
    r.dS = std::max(0.0f, static_cast<float>(double(r.GS) - r.GSallowed));
    r.dD = std::max(0.0f, static_cast<float>(double(r.GD) - r.GDallowed));
    r.refusal = outOfRangeUnlessFinite({r.Vg, r.GS, r.GD, r.GSallowed, r.GDallowed, r.dS, r.dD});
    return r;
}

const CalculatorDef<CombustionInput, CombustionResult>& combustionCalculator()
{
    using In = CombustionInput;
    using Out = CombustionResult;
    static const CalculatorDef<In, Out> def{
        "air.combustion",
        "燃煤(油)废气",
        {choiceField("fuel", "原料", &In::fuel, {"油", "煤"}),
         field("W", "年用量", &In::W).withUnit("吨"),
         field("Cs", "SO2达标浓度", &In::Cs).withUnit("mg/m^3"),
         field("Cd", "烟尘达标浓度", &In::Cd).withUnit("mg/m^3"),
         field("S", "含硫分", &In::S).withUnit("%"),
         field("A", "灰分", &In::A).withUnit("%"),
         field("dfh", "烟尘", &In::dfh).withUnit("%"),
         field("Cfh", "烟尘中可燃物", &In::Cfh).withUnit("%")},
        {field("Vg", "年废气排放量", &Out::Vg).withUnit("万标立方米"),
         field("CS0", "SO2初始浓度", &Out::CS0).withUnit("mg/m^3"),
         field("CD0", "烟尘初始浓度", &Out::CD0).withUnit("mg/m^3"),
         field("GS", "SO2年排放量", &Out::GS).withUnit("吨"),
         field("GD", "烟尘年排放量", &Out::GD).withUnit("吨"),
         field("GSallowed", "SO2达标年排放量", &Out::GSallowed).withUnit("吨"),
         field("GDallowed", "烟尘达标年排放量", &Out::GDallowed).withUnit("吨"),
         field("dS", "SO2年削减量", &Out::dS).withUnit("吨"),
         field("dD", "烟尘年削减量", &Out::dD).withUnit("吨")},
        &computeCombustion,
    };
    return def;
}

}  // namespace qelvo::air
