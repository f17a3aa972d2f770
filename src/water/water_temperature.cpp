#include "water/water_temperature.h"

#include <cmath>

#include "common/number_format.h"
#include "water/river_limits.h"

namespace qelvo::water {

namespace {
constexpr double kWaterDensity = 1e3;     // kg/m^3
constexpr double kSpecificHeat = 4200;    // J/(kg·K)
}  // namespace

TemperatureResult computeTemperature(const TemperatureInput& in)
{
    TemperatureResult r;
    std::optional<int> n;
    if (!(in.Qh + in.Qp > 0)) r.refusal = {"河水流量与废水流量之和必须大于0，请重新输入！", "Qh"};
    else if (!(in.u > 0)) r.refusal = {"河水流速u必须大于0，请重新输入！", "u"};
    else if (!(in.H > 0)) r.refusal = {"河流平均水深H必须大于0，请重新输入！", "H"};
    else if (!(in.xc > 0)) r.refusal = {"距离间隔xc必须大于0，请重新输入！", "xc"};
    else if (!(n = seriesCount(in.xmax, in.xc))) r.refusal = {kTooManyRows, "xc"};
    if (r.refusal.refused()) return r;

    const double dT = double(in.Ts) - in.Td;
    const double wind = 70 + 0.7 * double(in.Wz) * in.Wz;
    r.K = 15.7 + (0.515 - 0.00425 * dT + 5.1e-5 * dT * dT) * wind;
    r.T0 = (double(in.Tp) - in.Th) * in.Qp / (double(in.Qp) + in.Qh) + in.Th;
    r.Te = in.Hs / r.K + in.Td;
    for (int k = 1; k <= *n; ++k) {
        const double x = double(k) * in.xc;
        const double T = r.Te + (r.T0 - r.Te) * std::exp(-r.K * x / (double(in.u) * in.H * kWaterDensity * kSpecificHeat));
        r.rows.push_back({k, static_cast<float>(x), static_cast<float>(T)});
    }
    return r;
}

Table temperatureTable() { return {"河流一维日均水温模式计算结果", {"序号", "距离m", "日均水温℃"}, {}}; }

namespace {
void presentTemperature(const TemperatureResult& r, Report& report)
{
    Table table = temperatureTable();
    for (const auto& row : r.rows) table.rows.push_back({cformat("%d", row.k), formatSingle(row.x), formatSingle(row.T)});
    report.tables.push_back(std::move(table));
}
}  // namespace

const CalculatorDef<TemperatureInput, TemperatureResult>& temperatureCalculator()
{
    using In = TemperatureInput;
    static const CalculatorDef<In, TemperatureResult> def{
        "water.temperature",
        "导则一维日均水温模式",
        {field("Qh", "河水流量Qh [m^3/s]", &In::Qh),
         field("Qp", "废水流量Qp[m^3/s]", &In::Qp),
         field("H", "河流平均水深H [m] ", &In::H),
         field("u", "河水流速u [m/s] ", &In::u),
         field("Th", "本底水温Th [℃] ", &In::Th),
         field("Ts", "水面空气温度Ts [℃] ", &In::Ts),
         field("Tp", "废水水温Tp [℃] ", &In::Tp),
         field("Td", "空气露点温度Td [℃] ", &In::Td),
         field("Wz", "水面10m高风速Wz [m/s] ", &In::Wz),
         field("Hs", "太阳短波辐射Hs [W/m^2] ", &In::Hs),
         field("xmax", "离排放口最远距离xmax[m]", &In::xmax),
         field("xc", "距离间隔xc [m]", &In::xc)},
        {},
        &computeTemperature,
        &presentTemperature,
    };
    return def;
}

}  // namespace qelvo::water
