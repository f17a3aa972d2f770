#include "risk/vce.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "risk/risk_checks.h"

namespace qelvo::risk {
namespace {

// The direct fit of the overpressure over the dimensionless distance, Z = ln R̄.
double directOverpressure(double Pa, double Rbar)
{
    const double Z = std::log(Rbar);
    return Pa * std::exp(0.1675 * Z * Z - 1.5058 * Z - 0.9126 - 0.032 * Z * Z * Z);
}

// The direct fit falls over all R̄; its thresholds lie well within e^±20 of the scale.
constexpr double kDirectRange = 20;

double cubeRoot(double v) { return std::pow(v, 1.0 / 3.0); }

Refusal checkVce(const VceInput& in)
{
    const bool tnt = in.method == kTntMethod;
    if (!(in.W > 0)) return mustBePositive("泄露燃料质量W", "W");
    if (!(in.Hf > 0)) return mustBePositive("燃料燃烧热Hf", "Hf");
    if (!(in.T1 > in.T2)) return {"容器内温度T1必须高于燃料沸点温度T2，请重新输入！", "T1"};
    if (tnt && !(in.HTNT > 0)) return mustBePositive("TNT的爆热HTNT", "HTNT");
    if (!(in.L > 0)) return mustBePositive("燃料汽化热L", "L");
    if (tnt && !(in.ae > 0)) return mustBePositive("TNT当量系数ae", "ae");
    if (!(in.Cp > 0)) return mustBePositive("燃料平均比热Cp", "Cp");
    if (!tnt && !(in.eta > 0)) return mustBePositive("爆炸效率因子", "eta");
    if (!tnt && !(in.a > 0)) return mustBePositive("蒸汽云当量系数a", "a");
    if (!tnt && !(in.Pa > 0)) return mustBePositive("环境压力Pa", "Pa");
    if (!(in.x > 0)) return mustBePositive("预测点离爆炸点距离x", "x");
    if (tnt && in.dP < 0) return mustNotBeNegative("查图知超压", "dP");
    return {};
}

// Thresholds and curve of an overpressure (Pa) falling with distance on [near, far].
void overpressureHazard(VceResult& res, const std::function<double(double)>& dP, double near, double far)
{
    res.distances = thresholdDistances(dP, overpressureThresholds(), near, far);
    double nearest = far;
    for (const auto& d : res.distances)
        if (d.where.reach == DistanceSolution::Reach::Found) nearest = std::min(nearest, d.where.x);
    res.curve = distanceCurve(dP, std::max(near, nearest / 2), far, res.distances);
    res.curve.title = "蒸气云爆炸冲击波超压随距离的变化";
    res.curve.xLabel = "离爆炸点距离 [m]";
    res.curve.yLabel = "超压 [Pa]";
}

}  // namespace

double overpressureDeathProbability(double dP)
{
    return std::clamp(0.1 * (1.43 * std::log10(dP) + 2.47), 0.0, 1.0);
}

const std::vector<Threshold>& overpressureThresholds()
{
    // Levels in Pa; harm of a blast wave to people, as the risk assessment handbooks tabulate it.
    static const std::vector<Threshold> thresholds = {
        {100000, "0.1", "大部分人员死亡（＞0.10MPa）"},
        {50000, "0.05", "内脏严重损伤或死亡（0.05～0.10MPa）"},
        {20000, "0.02", "人员轻微损伤（0.02～0.03MPa）"},
    };
    return thresholds;
}

VceResult computeVce(const VceInput& in)
{
    VceResult res;
    res.method = in.method == kDirectMethod ? kDirectMethod : kTntMethod;
    res.refusal = checkVce(in);
    if (res.refusal.refused()) return res;

    res.Fv = static_cast<float>(1 - std::exp(-double(in.Cp) * (double(in.T1) - in.T2) / in.L));
    res.Wf = static_cast<float>(2.0 * in.W * res.Fv);
    if (res.method == kTntMethod) {
        res.WTNT = static_cast<float>(double(in.Hf) * in.ae * res.Wf / in.HTNT);
        const double scale = cubeRoot(res.WTNT);
        res.Rbar = static_cast<float>(in.x / scale);
        if (!(res.WTNT > 0) || !allFinite({res.WTNT, res.Rbar})) {
            res.refusal = {kOutOfRange, ""};
            return res;
        }
        if (in.dP != 0) {
            res.lookedUp = true;
            res.dP = in.dP;
            res.Pd = static_cast<float>(overpressureDeathProbability(in.dP));
        }
        const OverpressureChart& chart = overpressureChart();
        overpressureHazard(res, [scale](double x) { return kKgfPerCm2 * chartOverpressure(x / scale); },
                           chart.curveFrom * scale, chart.curveTo * scale);
    } else {
        res.E = static_cast<float>(double(in.a) * in.eta * in.Hf * res.Wf * 1.8);
        const double scale = cubeRoot(double(res.E) / in.Pa);
        res.Rbar = static_cast<float>(in.x / scale);
        res.dP = static_cast<float>(directOverpressure(in.Pa, res.Rbar));
        res.Pd = static_cast<float>(overpressureDeathProbability(res.dP));
        if (!(res.E > 0) || !allFinite({res.E, res.Rbar, res.dP, res.Pd})) {
            res.refusal = {kOutOfRange, ""};
            return res;
        }
        const double Pa = in.Pa;
        overpressureHazard(res, [Pa, scale](double x) { return directOverpressure(Pa, x / scale); },
                           scale * std::exp(-kDirectRange), scale * std::exp(kDirectRange));
    }
    return res;
}

void remember(VceMemory& memory, const VceResult& result)
{
    if (result.refusal.refused()) return;
    if (result.method == kTntMethod) {
        memory.WTNT = result.WTNT;
        memory.Rbar = result.Rbar;
        if (!result.lookedUp) return;
    }
    memory.dP = result.dP;
    memory.Pd = result.Pd;
}

LookupOutcome applyLookup(VceMemory& memory, float typed)
{
    LookupOutcome outcome;
    if (typed < 0) {
        outcome.refusal = mustNotBeNegative("查图知超压", "dP");
        return outcome;
    }
    if (typed == 0 || !std::isfinite(typed)) return outcome;
    memory.dP = typed;
    memory.Pd = static_cast<float>(overpressureDeathProbability(typed));
    outcome.changed = true;
    return outcome;
}

std::string lookupText(const VceMemory& memory)
{
    return cformat("TNT当量为 %g[kg],无因次距离为 %g[m]\r\n查图知：爆炸冲击波超压为 %g[Pa]\r\n则死亡概率为 %g",
                   double(memory.WTNT), double(memory.Rbar), double(memory.dP), double(memory.Pd));
}

double chartOverpressure(double Rbar)
{
    // The chart's curve falls from 60 at R̄ = 1.2 to 0.01 at R̄ = 80, straight on its log–log
    // paper: a power of R̄ through those two points.
    static const double slope = std::log(0.01 / 60) / std::log(80 / 1.2);
    return 60 * std::pow(Rbar / 1.2, slope);
}

namespace {

std::vector<double> logGrid(double from, double to)
{
    std::vector<double> grid;
    for (double decade = from; decade < to * (1 + 1e-9); decade *= 10)
        for (int k = 1; k <= 9 && k * decade <= to * (1 + 1e-9); ++k) grid.push_back(k * decade);
    return grid;
}

}  // namespace

const OverpressureChart& overpressureChart()
{
    static const OverpressureChart chart = [] {
        OverpressureChart c;
        constexpr int kPoints = 101;
        for (int i = 0; i < kPoints; ++i) {
            const double Rbar = c.curveFrom * std::pow(c.curveTo / c.curveFrom, double(i) / (kPoints - 1));
            c.xs.push_back(Rbar);
            c.ys.push_back(chartOverpressure(Rbar));
        }
        c.xGrid = logGrid(c.xMin, c.xMax);
        c.yGrid = logGrid(c.yMin, c.yMax);
        c.title = "无因次超压与无因次距离的关系";
        c.xLabel = "无因次距离 [m]";
        c.yLabel = "无因次超压 [×9806.65 Pa]";
        c.curveName = "近似曲线：过(1.2, 60)与(80, 0.01)两点的双对数直线";
        return c;
    }();
    return chart;
}

namespace {

void presentVce(const VceResult& r, Report& report)
{
    if (r.method == kDirectMethod)
        report.text = cformat("爆炸冲击波超压为 %g[Pa]\r\n死亡概率为 %g", double(r.dP), double(r.Pd));
    else if (r.lookedUp)
        report.text = lookupText({r.WTNT, r.Rbar, r.dP, r.Pd});
    else
        report.text = cformat("TNT当量为 %g[kg],无因次距离为 %g[m]\r\n", double(r.WTNT), double(r.Rbar));
    report.tables.push_back(thresholdTable(r.method == kTntMethod ? "冲击波超压伤害距离（TNT当量法，按查图曲线）"
                                                                   : "冲击波超压伤害距离（直接计算法）",
                                           "超压 [MPa]", r.curve.xLabel, r.distances));
    report.curves.push_back(r.curve);
}

}  // namespace

const CalculatorDef<VceInput, VceResult>& vceCalculator()
{
    using In = VceInput;
    static const CalculatorDef<In, VceResult> def{
        "risk.vce",
        "蒸气云爆炸事故后果模型",
        {choiceField("method", "计算方法", &In::method, {"TNT当量法", "直接计算法"}),
         field("W", "泄露燃料质量W[kg]", &In::W),
         field("Hf", "燃料燃烧热Hf [J/kg]", &In::Hf),
         field("T1", "容器内温度T1 [℃]", &In::T1),
         field("T2", "燃料沸点温度T2 [℃]", &In::T2),
         field("HTNT", "TNT的爆热HTNT[J/kg]", &In::HTNT),
         field("L", "燃料汽化热L [J/kg]", &In::L),
         field("ae", "TNT当量系数ae", &In::ae),
         field("Cp", "燃料平均比热Cp [J/kg·K]", &In::Cp),
         field("eta", "爆炸效率因子", &In::eta),
         field("a", "蒸汽云当量系数a", &In::a),
         field("Pa", "环境压力Pa[Pa]", &In::Pa),
         field("x", "预测点离爆炸点距离x[m]", &In::x),
         field("dP", "查图知 超压 [Pa]", &In::dP)},
        {},
        &computeVce,
        &presentVce,
    };
    return def;
}

}  // namespace qelvo::risk
