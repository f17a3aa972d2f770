#include "water/sp_model.h"

#include <cmath>

#include "common/number_format.h"
#include "water/river_limits.h"

namespace qelvo::water {

SpResult computeSp(const SpInput& in)
{
    SpResult r;
    r.onlyMixed = in.onlyMixed;
    if (!(in.Qh + in.Qp > 0)) {
        r.refusal = {"河水流量与污水流量之和必须大于0，请重新输入！", "Qh"};
        return r;
    }
    r.C0 = static_cast<float>((double(in.Cp) * in.Qp + double(in.Ch) * in.Qh) / (double(in.Qh) + in.Qp));
    r.D0 = static_cast<float>((double(in.Dp) * in.Qp + double(in.Dh) * in.Qh) / (double(in.Qh) + in.Qp));
    if (in.onlyMixed) return r;

    std::optional<int> n;
    if (!(in.u > 0)) r.refusal = {"河水流速u必须大于0，请重新输入！", "u"};
    else if (!(in.l > 0)) r.refusal = {"距离间隔l必须大于0，请重新输入！", "l"};
    else if (in.K1 < 0) r.refusal = {"河流耗氧系数K1不能为负数，请重新输入！", "K1"};
    else if (in.K2 < 0) r.refusal = {"河流复氧系数K2不能为负数，请重新输入！", "K2"};
    else if (in.K2 == in.K1) r.refusal = {"复氧系数K2不能等于耗氧系数K1，请重新输入！", "K2"};
    else if (!(n = seriesCount(in.lmax, in.l))) r.refusal = {kTooManyRows, "l"};
    if (r.refusal.refused()) return r;

    const double K1 = in.K1, K2 = in.K2;
    for (int k = 1; k <= *n; ++k) {
        const double x = double(k) * in.l;
        const double tau = x / (kSecondsPerDay * in.u);  // travel time, days
        const double C = r.C0 * std::exp(-K1 * tau);
        const double D = K1 * r.C0 * (std::exp(-K1 * tau) - std::exp(-K2 * tau)) / (K2 - K1) + r.D0 * std::exp(-K2 * tau);
        r.rows.push_back({k, static_cast<float>(x), static_cast<float>(C), static_cast<float>(D)});
    }
    return r;
}

Table spTable(bool onlyMixed)
{
    Table table;
    table.name = "SP模式计算结果";
    if (onlyMixed) table.columns = {"完全混合浓度值mg／L"};
    else table.columns = {"序号", "距离m", "浓度值mg／L", "氧亏值mg／L"};
    return table;
}

namespace {

void presentSp(const SpResult& r, Report& report)
{
    Table table = spTable(r.onlyMixed);
    if (r.onlyMixed) {
        table.rows.push_back({formatSingle(r.C0)});
    } else {
        for (const auto& row : r.rows)
            table.rows.push_back({cformat("%d", row.k), formatSingle(row.x), cformat("%.4f", row.C), cformat("%.4f", row.D)});
    }
    report.tables.push_back(std::move(table));
}

}  // namespace

const CalculatorDef<SpInput, SpResult>& spCalculator()
{
    using In = SpInput;
    static const CalculatorDef<In, SpResult> def{
        "water.sp",
        "S-P模式",
        {field("Qh", "河水流量Qh [m^3/s]", &In::Qh),
         field("Ch", "上游污染物浓度Ch [mg/L]", &In::Ch),
         field("Qp", "污水流量Qp [m^3/s]", &In::Qp),
         field("Cp", "废水污染物浓度Cp [mg/L]", &In::Cp),
         field("u", "河水流速u [m/s]", &In::u),
         field("Dp", "污水中亏氧量Dp [mg/L]", &In::Dp),
         field("Dh", "河流本底氧亏Dh [mg/L]", &In::Dh),
         field("K1", "河流耗氧系数K1 [1/d]", &In::K1),
         field("K2", "河流复氧系数K2 [1/d]", &In::K2),
         field("lmax", "距排污口最远距离lmax [m]", &In::lmax),
         field("l", "距离间隔l [m]", &In::l),
         checkField("onlyMixed", "只计算完全混合浓度", &In::onlyMixed)},
        {},
        &computeSp,
        &presentSp,
    };
    return def;
}

}  // namespace qelvo::water
