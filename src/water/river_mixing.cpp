#include "water/river_mixing.h"

#include <cmath>
#include <utility>

#include "common/guideline_constants.h"
#include "common/number_format.h"
#include "water/river_limits.h"

namespace qelvo::water {
namespace {

double decay(double K1, double x, double u) { return std::exp(-K1 * x / (kSecondsPerDay * u)); }

}  // namespace

double mixing2dAt(const Mixing2dInput& in, double x, double y)
{
    const double u = in.u, My = in.My, B = in.B, a = in.a;
    const auto G = [&](double s) { return std::exp(-u * s * s / (4 * My * x)); };
    const double root = std::sqrt(kGuidelinePi * My * x * u);
    double C;
    if (in.a == 0) {  // outfall at the bank: the direct term and the far bank's reflection
        C = in.Ch + double(in.Cp) * in.Qp * (G(y) + G(2 * B - y)) / (double(in.H) * root);
    } else {  // direct, near bank and far bank
        C = in.Ch + double(in.Cp) * in.Qp * (G(y) + G(2 * a + y) + G(2 * B - 2 * a - y)) / (2 * double(in.H) * root);
    }
    return in.model == 1 ? decay(in.K1, x, u) * C : C;
}

double cumFlowAt(const CumFlowInput& in, double x, double y)
{
    const double H = in.H, u = in.u;
    const double q = H * u * y;
    const double qa = 2 * H * u * in.a;
    const double Mq = H * H * u * in.My;
    const auto F = [&](double s) { return std::exp(-s * s / (4 * Mq * x)); };
    const double root = std::sqrt(kGuidelinePi * Mq * x);
    const double Qh = in.Qh;
    double C;
    if (in.a == 0) {
        C = in.Ch + double(in.Cp) * in.Qp * (F(q) + F(2 * Qh - q)) / root;
    } else {
        C = in.Ch + double(in.Cp) * in.Qp * (F(q) + F(qa + q) + F(2 * Qh - qa - q)) / (2 * root);
    }
    return in.model == 1 ? decay(in.K1, x, u) * C : C;
}

namespace {

// Checks that keep the formulas defined: no division by zero, no endless or huge grids.
Refusal physicalChecks(float u, float My, float H, const char* uLabel)
{
    if (!(u > 0)) return {std::string(uLabel) + "必须大于0，请重新输入！", "u"};
    if (!(My > 0)) return {"横向混合系数My必须大于0，请重新输入！", "My"};
    if (!(H > 0)) return {"平均水深H必须大于0，请重新输入！", "H"};
    return {};
}

// A negative decay coefficient would make the pollutant grow without bound downstream.
Refusal decayCheck(int model, float K1)
{
    if (model == 1 && K1 < 0) return {"降解系数K1不能为负数，请重新输入！", "K1"};
    return {};
}

const Refusal kConcentrationOutOfRange = {"预测点污染物浓度C超出数值范围，请重新输入！", ""};

template <class In, class At>
MixingGrid fillGrid(MixingKind kind, const In& in, const GridShape& shape, At at)
{
    MixingGrid g;
    g.kind = kind;
    g.model = in.model;
    g.xmax = in.xmax;
    g.ymin = in.ymin;
    g.ymax = in.ymax;
    g.xs.reserve(std::size_t(shape.columns));
    g.ys.reserve(std::size_t(shape.rows));
    for (int j = 1; j <= shape.columns; ++j) g.xs.push_back(static_cast<float>(double(j) * in.xc));
    for (int i = 0; i < shape.rows; ++i) g.ys.push_back(static_cast<float>(in.ymin + double(i) * in.yc));
    g.c.resize(g.xs.size() * g.ys.size());
    std::size_t k = 0;
    for (float y : g.ys)
        for (float x : g.xs) {
            const double c = at(in, x, y);
            if (!fitsSingle(c)) {
                MixingGrid refused;
                refused.refusal = kConcentrationOutOfRange;
                return refused;
            }
            g.c[k++] = static_cast<float>(c);
        }
    return g;
}

PointResult pointResult(double c)
{
    if (!fitsSingle(c)) return {.refusal = kConcentrationOutOfRange};
    return {static_cast<float>(c), {}};
}

}  // namespace

PointResult computeMixing2dPoint(const Mixing2dInput& in)
{
    if (in.a + in.y < 0) return {.refusal = {"a+y必须大于等于0，请重新输入！", "y"}};
    if (in.a + in.y > in.B) return {.refusal = {"a+y必须小于等于B，请重新输入！", "y"}};
    if (in.a > in.B || in.a < 0) return {.refusal = {"a必须小于等于B且大于等于0，请重新输入！", "a"}};
    if (!(in.x > 0)) return {.refusal = {"离排放口流线距离x必须大于0，请重新输入！", "x"}};
    if (Refusal r = physicalChecks(in.u, in.My, in.H, "河流断面平均流速u"); r.refused()) return {.refusal = r};
    if (Refusal r = decayCheck(in.model, in.K1); r.refused()) return {.refusal = r};
    return pointResult(mixing2dAt(in, in.x, in.y));
}

PointResult computeCumFlowPoint(const CumFlowInput& in)
{
    if (in.a + in.y < 0) return {.refusal = {"a+y必须大于等于0，请重新输入！", "y"}};
    if (in.a < 0) return {.refusal = {"a必须大于等于0，请重新输入！", "a"}};
    if (!(in.x > 0)) return {.refusal = {"离排放口流线距离x必须大于0，请重新输入！", "x"}};
    if (Refusal r = physicalChecks(in.u, in.My, in.H, "河水流速u"); r.refused()) return {.refusal = r};
    if (Refusal r = decayCheck(in.model, in.K1); r.refused()) return {.refusal = r};
    return pointResult(cumFlowAt(in, in.x, in.y));
}

void orderLateralRange(float& ymin, float& ymax)
{
    if (ymin > ymax) std::swap(ymin, ymax);
}

Refusal mixingGridShape(float xmax, float xc, float ymin, float ymax, float yc, GridShape& shape)
{
    if (!(xc > 0)) return {"距离间隔xc必须大于0，请重新输入！", "xc"};
    if (!(yc > 0)) return {"距离间隔yc必须大于0，请重新输入！", "yc"};
    // Counted in double from the real columns (x = xc, 2·xc, …; never 0) and rows, before
    // anything is converted or allocated.
    const double columns = std::floor(double(xmax) / xc);
    const double rows = std::floor((double(ymax) - ymin) / yc) + 1;
    if (!(columns >= 1)) return {"离排放口流线最远距离xmax必须大于等于距离间隔xc，请重新输入！", "xmax"};
    if (!(rows >= 1)) return {"y的范围不正确，请重新输入！", "ymax"};
    if (!(columns * rows <= kMaxGridCells)) return {"网格点数过多（超过400万），请增大距离间隔后重新输入！", "xc"};
    shape = {static_cast<int>(columns), static_cast<int>(rows)};
    return {};
}

MixingGrid computeMixing2dGrid(const Mixing2dInput& input)
{
    Mixing2dInput in = input;
    orderLateralRange(in.ymin, in.ymax);
    MixingGrid refused;
    Refusal& r = refused.refusal;
    if (in.a > in.B || in.a < 0) r = {"a必须小于等于B且大于等于0，请重新输入！", "a"};
    else if (in.ymax - in.ymin > in.B) r = {"y最远间距必须小于等于B，请重新输入！", "ymax"};
    else if (in.a + in.ymin < 0) r = {"a+y必须大于等于0，请重新输入！", "ymin"};
    else if (in.a + in.ymin > in.B) r = {"a+y必须小于等于B，请重新输入！", "ymin"};
    else if (in.ymax > in.B) r = {"y必须小于等于B，请重新输入！", "ymax"};
    else r = physicalChecks(in.u, in.My, in.H, "河流断面平均流速u");
    if (!r.refused()) r = decayCheck(in.model, in.K1);
    GridShape shape;
    if (!r.refused()) r = mixingGridShape(in.xmax, in.xc, in.ymin, in.ymax, in.yc, shape);
    if (r.refused()) return refused;
    return fillGrid(MixingKind::TwoDimensional, in, shape,
                    [](const Mixing2dInput& i, double x, double y) { return mixing2dAt(i, x, y); });
}

MixingGrid computeCumFlowGrid(const CumFlowInput& input)
{
    CumFlowInput in = input;
    orderLateralRange(in.ymin, in.ymax);
    MixingGrid refused;
    Refusal& r = refused.refusal;
    if (in.a < 0) r = {"a必须大于等于0，请重新输入！", "a"};
    else if (in.a + in.ymin < 0) r = {"a+y必须大于等于0，请重新输入！", "ymin"};
    else r = physicalChecks(in.u, in.My, in.H, "河水流速u");
    if (!r.refused()) r = decayCheck(in.model, in.K1);
    GridShape shape;
    if (!r.refused()) r = mixingGridShape(in.xmax, in.xc, in.ymin, in.ymax, in.yc, shape);
    if (r.refused()) return refused;
    return fillGrid(MixingKind::CumulativeFlow, in, shape,
                    [](const CumFlowInput& i, double x, double y) { return cumFlowAt(i, x, y); });
}

namespace {
const char* mixingSheetName(MixingKind kind, int model)
{
    if (kind == MixingKind::TwoDimensional)
        return model == 1 ? "水预测－二维稳态混合衰减模式计算结果" : "水预测－二维稳态混合模式计算结果";
    return model == 1 ? "水预测－稳态混合衰减累积流量模式计算结果" : "水预测－稳态混合累积流量模式计算结果";
}
}  // namespace

Table mixingTable(const MixingGrid& g)
{
    Table t;
    t.name = mixingSheetName(g.kind, g.model);
    t.columns.reserve(g.xs.size() + 1);
    t.columns.push_back("Y＼X");
    for (float x : g.xs) t.columns.push_back(formatSingle(x));
    t.rows.resize(g.ys.size());
    for (std::size_t i = 0; i < g.ys.size(); ++i) {
        auto& row = t.rows[i];
        row.reserve(g.xs.size() + 1);
        row.push_back(formatSingle(g.ys[i]));
        for (std::size_t j = 0; j < g.xs.size(); ++j) row.push_back(formatFixed(g.c[i * g.xs.size() + j], 4));
    }
    return t;
}

FrResult computeFr(const FrInput& in)
{
    FrResult r;
    std::optional<int> n;
    if (!(in.Qp > 0)) r.refusal = {"废水排放量Qp必须大于0，请重新输入！", "Qp"};
    else if (!(in.u > 0)) r.refusal = {"河水流速u必须大于0，请重新输入！", "u"};
    else if (!(in.R > 0)) r.refusal = {"水力半径R必须大于0，请重新输入！", "R"};
    else if (in.Qh < 0) r.refusal = {"河水流量Qh不能为负数，请重新输入！", "Qh"};
    else if (in.H < 0) r.refusal = {"平均水深H不能为负数，请重新输入！", "H"};
    else if (in.n < 0) r.refusal = {"河床糙率n不能为负数，请重新输入！", "n"};
    else if (in.eps < 0) r.refusal = {"排放口系数ε不能为负数，请重新输入！", "eps"};
    else if (Refusal d = decayCheck(in.model, in.K1); d.refused()) r.refusal = d;
    else if (!(in.xc > 0)) r.refusal = {"距离间隔xc必须大于0，请重新输入！", "xc"};
    else if (!(n = seriesCount(in.xmax, in.xc))) r.refusal = {kTooManyRows, "xc"};
    if (r.refusal.refused()) return r;

    const double alpha =
        0.604 * in.eps * std::pow(double(in.H) * in.n * in.u / (std::pow(double(in.R), 1.0 / 6.0) * in.Qp), 1.0 / 3.0);
    for (int k = 1; k <= *n; ++k) {
        const double x = double(k) * in.xc;
        const double e = std::exp(-alpha * std::pow(x, 1.0 / 3.0));
        const double eta = ((1 - e) / (double(in.Qh) * e / in.Qp + 1) * in.Qh + in.Qp) / in.Qp;
        double C = in.Cp / eta + (eta - 1) * in.Ch / eta;
        if (in.model == 1) C *= decay(in.K1, x, in.u);
        r.rows.push_back({static_cast<float>(x), static_cast<float>(C)});
    }
    return r;
}

const char* mixingWindowTitle(MixingKind kind, int model)
{
    if (kind == MixingKind::TwoDimensional)
        return model == 1 ? "二维稳态混合衰减模式网格计算结果" : "二维稳态混合模式网格计算结果";
    return model == 1 ? "稳态混合衰减累积流量模式网格计算结果" : "稳态混合累积流量模式网格计算结果";
}


Table frTable() { return {"", {"距离m", "浓度值mg/L"}, {}}; }

namespace {

template <class In>
Fields<In> riverFields(const char* widthOrFlowKey, const char* widthOrFlowLabel, float In::*widthOrFlow,
                       const char* uLabel, std::vector<std::string> models)
{
    const std::string lateral = "离排放口横向距离y [m]";
    return {field("Ch", "河流上游污染物浓度Ch [mg/L]", &In::Ch),
            field("H", "平均水深H [m]", &In::H),
            field("u", uLabel, &In::u),
            field(widthOrFlowKey, widthOrFlowLabel, widthOrFlow),
            field("Cp", "污染物排放浓度Cp [mg/L]", &In::Cp),
            field("My", "横向混合系数My [m^2/s]", &In::My),
            field("Qp", "废水排放量Qp [m^3/s]", &In::Qp),
            field("a", "排放口离岸边距离a [m]", &In::a),
            field("K1", "降解系数K1 [1/d]", &In::K1),
            field("x", "离排放口流线距离x [m]", &In::x),
            field("y", "离排放口横向距离y [m]", &In::y),
            field("xmax", "离排放口流线最远距离xmax [m]", &In::xmax),
            field("xc", "距离间隔xc [m]", &In::xc),
            field("ymin", "(", &In::ymin, lateral),
            field("ymax", "～", &In::ymax, lateral),
            field("yc", "距离间隔yc [m]", &In::yc),
            choiceField("model", "计算模式", &In::model, std::move(models))};
}

void presentGrid(const MixingGrid& g, Report& report)
{
    Table t = mixingTable(g);
    report.tables.push_back(std::move(t));
}

void presentFr(const FrResult& r, Report& report)
{
    Table t = frTable();
    for (const auto& row : r.rows) t.rows.push_back({formatSingle(row.x), formatFixed(row.C, 4)});
    report.tables.push_back(std::move(t));
}

const Fields<Mixing2dInput>& mixing2dFields()
{
    static const auto fields = riverFields<Mixing2dInput>("B", "河流宽度B [m]", &Mixing2dInput::B, "河流断面平均流速u [m/s]",
                                                          {"二维稳态混合模式", "二维稳态混合衰减模式"});
    return fields;
}

const Fields<CumFlowInput>& cumFlowFields()
{
    static const auto fields = riverFields<CumFlowInput>("Qh", "河水流量Qh [m^3/s]", &CumFlowInput::Qh, "河水流速u [m/s]",
                                                         {"稳态混合累积流量模式", "稳态混合衰减累积流量模式"});
    return fields;
}

const Fields<PointResult> pointOutput = {field("C", "预测点污染物浓度C [mg/L]", &PointResult::C)};

}  // namespace

const CalculatorDef<Mixing2dInput, PointResult>& mixing2dCalculator()
{
    static const CalculatorDef<Mixing2dInput, PointResult> def{
        "water.mixing2d", "二维稳态混合模式", mixing2dFields(), pointOutput, &computeMixing2dPoint};
    return def;
}

const CalculatorDef<Mixing2dInput, MixingGrid>& mixing2dGridCalculator()
{
    static const CalculatorDef<Mixing2dInput, MixingGrid> def{
        "water.mixing2d_grid", mixing2dCalculator().label + "（网格计算）", mixing2dFields(), {}, &computeMixing2dGrid, &presentGrid};
    return def;
}

const CalculatorDef<CumFlowInput, PointResult>& cumFlowCalculator()
{
    static const CalculatorDef<CumFlowInput, PointResult> def{
        "water.cumflow", "稳态混合累积流量模式", cumFlowFields(), pointOutput, &computeCumFlowPoint};
    return def;
}

const CalculatorDef<CumFlowInput, MixingGrid>& cumFlowGridCalculator()
{
    static const CalculatorDef<CumFlowInput, MixingGrid> def{
        "water.cumflow_grid", cumFlowCalculator().label + "（网格计算）", cumFlowFields(), {}, &computeCumFlowGrid, &presentGrid};
    return def;
}

const CalculatorDef<FrInput, FrResult>& frCalculator()
{
    using In = FrInput;
    static const CalculatorDef<In, FrResult> def{
        "water.fr",
        "弗－罗模式",
        {field("Ch", "河流上游污染物浓度Ch[mg/L]", &In::Ch),
         field("Qh", "河水流量Qh [m^3/s]", &In::Qh),
         field("Cp", "污染物排放浓度Cp [mg/L]", &In::Cp),
         field("Qp", "废水排放量Qp [m^3/s]", &In::Qp),
         field("K1", "降解系数K1 [1/d]", &In::K1),
         field("H", "平均水深H [m]", &In::H),
         field("u", "河水流速u [m/s]", &In::u),
         field("R", "水力半径R [m]", &In::R),
         field("n", "河床糙率n []", &In::n),
         field("eps", "排放口系数ε[]", &In::eps),
         field("xmax", "离排放口最远距离xmax[m]", &In::xmax),
         field("xc", "距离间隔xc [m]", &In::xc),
         choiceField("model", "计算模式", &In::model, {"弗－罗模式", "弗－罗衰减模式"})},
        {},
        &computeFr,
        &presentFr,
    };
    return def;
}

}  // namespace qelvo::water
