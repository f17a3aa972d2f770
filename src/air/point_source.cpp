#include "air/point_source.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "air/air_checks.h"
#include "air/parallel_rows.h"
#include "air/plume_parameters.h"
#include "common/guideline_constants.h"
#include "common/number_format.h"

namespace qelvo::air {
namespace {

// 2π as the windy formula writes it, and as the calm formula writes it (2 × 3.14159).
constexpr double kWindyTwoPi = 6.2831852;
constexpr double kCalmTwoPi = 2 * kGuidelinePi;
const double kCalmRootTwoPi = std::sqrt(kCalmTwoPi);
const double kCalmTwoPiPower = std::pow(kCalmTwoPi, 1.5);
// cm = 2Q / (e·π·U·He²·P1), π as the guideline writes it there.
constexpr double kMaximumPi = 3.1415926;

// Reflections between the ground and the mixing-layer top: k = −8, −6, …, 8.
constexpr int kReflections = 8;
constexpr int kFirstGrade = 0, kSecondGrade = 1;

// Sampling times (h) the correction covers.
constexpr double kShortestSampling = 0.5;
constexpr double kLongestSampling = 100;

// Simpson's rule for Φ(s): stop when two estimates differ by less than this, or after this
// many halvings. Beyond τ = 40 the integrand exp(−τ²/2) is below the smallest double, so the
// integral up to any larger s is the integral up to 40; this bounds the work per receptor.
constexpr double kSimpsonTolerance = 1e-5;
constexpr int kSimpsonHalvings = 21;
constexpr double kIntegrandVanishes = 40;

const char* const kTooManyCells = "网格点数过多（超过400万），请增大步长后重新输入！";

double calmG(double U, double g01, double s)
{
    // G = exp(−U²/2γ01²)·[1 + √2π·s·Φ(s)·exp(s²/2)], the two exponentials joined so that a
    // large s cannot make 0·∞: s ≤ U/γ01 keeps the joined exponent at or below 0.
    const double phi = 0.5 + normalIntegral(s) / kCalmRootTwoPi;
    const double wind = U * U / (2 * g01 * g01);
    return std::exp(-wind) + kCalmRootTwoPi * s * phi * std::exp(s * s / 2 - wind);
}

double calmS(double U, double g01, double x, double eta2) { return U * x / (g01 * std::sqrt(eta2)); }

double calmHeightTerm(double He, double g01, double g02)
{
    const double ratio = g01 / g02;
    return ratio * ratio * He * He;
}

// The grid's columns: everything that depends on the distance alone.
struct Column {
    double sy2 = 0;      // 2σy²
    double windy = 0;    // Q/(2π·U·σy·σz)
    double reflect = 0;  // the vertical term F
    double g01 = 0, g02 = 0;
    bool zero = true;    // σy or σz is 0: no concentration
};

}  // namespace

double normalIntegral(double s)
{
    const double b = std::min(s, kIntegrandVanishes);
    const auto f = [](double t) { return std::exp(-t * t / 2); };
    const double ends = f(0) + f(b);
    double h = b / 2;
    double odd = f(h);  // ordinates at the odd multiples of h
    double even = 0;    // ordinates at the inner even multiples of h (none yet)
    double estimate = h / 3 * (ends + 4 * odd);
    for (int halving = 1, points = 2; halving <= kSimpsonHalvings; ++halving, points *= 2) {
        even += odd;
        h /= 2;
        odd = 0;
        for (int i = 0; i < points; ++i) odd += f((2 * i + 1) * h);
        const double next = h / 3 * (ends + 4 * odd + 2 * even);
        const bool settled = std::fabs(next - estimate) < kSimpsonTolerance;
        estimate = next;
        if (settled) break;
    }
    return estimate;
}

double calmConcentration(double Q, double U, double He, double g01, double g02, double x, double y)
{
    const double eta2 = x * x + y * y + calmHeightTerm(He, g01, g02);
    const double G = calmG(U, g01, calmS(U, g01, x, eta2));
    return 2 * Q * G / (kCalmTwoPiPower * g02 * eta2);
}

double pointSourceCells(const PointSourceInput& in)
{
    // Both ranges in order and a positive step, or no grid at all: a reversed range cannot
    // make a negative count that passes for a small one.
    if (!(in.step > 0 && in.Xmax >= in.Xmin && in.Ymax >= in.Ymin)) return 0;
    const double columns = std::trunc((double(in.Xmax) - in.Xmin) / in.step) + 1;
    const double rows = std::trunc((double(in.Ymax) - in.Ymin) / in.step) + 1;
    return columns * rows;
}

PointSourceResult computePointSource(const PointSourceInput& in)
{
    PointSourceResult r;
    const auto refuse = [&r](Refusal refusal) {
        r.refusal = std::move(refusal);
        return r;
    };
    if (!(in.U10 >= 0)) return refuse({"地面10m高风速U10不能小于0，请重新输入！", "U10"});
    r.windy = isWindy(in.U10);

    // 1. Mixing layer.
    if (in.hMode != kEntered) {
        if (!(in.latitude > 0 && in.latitude <= 90))
            return refuse({"地理纬度必须大于0度且不大于90度，请重新输入！", "latitude"});
        r.h = static_cast<float>(mixingLayerHeight(in.U10, in.stability, in.latitude, in.region));
    } else {
        r.h = in.h;
    }

    // 2. Wind at the stack top.
    if (Refusal bad = firstRefusal({mustBePositive(in.H, "烟筒距地面几何高度H", "H"), mustNotBeNegative(in.Q, "点源排放量Q", "Q")});
        bad.refused())
        return refuse(bad);
    r.U = in.uMode != kEntered ? static_cast<float>(stackWindSpeed(in.U10, in.H, in.surface, in.stability)) : in.U;
    if (Refusal bad = r.windy ? mustBePositive(r.U, "有风时烟筒出口风速U", "U") : mustNotBeNegative(r.U, "烟筒出口风速U", "U");
        bad.refused())
        return refuse(bad);

    // 3. Plume rise and effective height.
    if (in.dHMode != kEntered) {
        const PlumeRise rise = plumeRise(
            {in.H, r.U, in.U10, in.Qv, in.Ts, in.D, in.dTdZ, in.Ta, in.Pa, in.stability, in.surface});
        if (rise.refusal.refused()) return refuse(rise.refusal);
        r.dH = rise.dH;
        r.Qh = rise.Qh;
    } else {
        r.dH = in.dH;
        r.Qh = in.lastQh;
    }
    r.He = static_cast<float>(double(in.H) + r.dH);
    if (!(r.He > 0)) return refuse({"烟筒有效高度He必须大于0，请重新输入！", "dH"});
    if (Refusal bad = outOfRangeUnlessFinite({r.h, r.U, r.dH, r.He, r.Qh}); bad.refused()) return refuse(bad);

    // 4. The grid, counted before anything is allocated.
    if (!(in.step > 0)) return refuse({"步长必须大于0，请重新输入！", "step"});
    if (!(in.Xmin >= 0)) return refuse({"下风向坐标Xmin不能小于0，请重新输入！", "Xmin"});
    if (!(in.Xmax >= in.Xmin)) return refuse({"Xmax必须大于等于Xmin，请重新输入！", "Xmax"});
    if (!(in.Ymax >= in.Ymin)) return refuse({"Ymax必须大于等于Ymin，请重新输入！", "Ymax"});
    const double columnCount = std::trunc((double(in.Xmax) - in.Xmin) / in.step) + 1;
    const double rowCount = std::trunc((double(in.Ymax) - in.Ymin) / in.step) + 1;
    if (!(pointSourceCells(in) <= kMaxGridCells)) return refuse({kTooManyCells, "step"});
    const bool automatic = in.diffusionMode != kEntered;
    if (!automatic) {
        const Refusal bad = firstRefusal({mustBePositive(in.ay, "回归指数αy", "ay"), mustBePositive(in.az, "回归指数αz", "az"),
                                          mustBePositive(in.gy, "回归系数γy", "gy"), mustBePositive(in.gz, "回归系数γz", "gz")});
        if (bad.refused()) return refuse(bad);
    }
    const int nx = static_cast<int>(columnCount), ny = static_cast<int>(rowCount);
    r.xs.reserve(nx);
    r.ys.reserve(ny);
    for (int i = 0; i < nx; ++i) r.xs.push_back(static_cast<float>(in.Xmin + double(i) * in.step));
    for (int j = 0; j < ny; ++j) r.ys.push_back(static_cast<float>(in.Ymin + double(j) * in.step));

    // 5. The sampling time is checked at the first grid point, after the table was emptied.
    if (automatic && !(in.t >= kShortestSampling && in.t < kLongestSampling)) {
        r.ys.resize(1);
        return refuse({in.t < kLongestSampling ? "取样时间不能小于0.5h，请重新输入！" : "取样时间t必须小于100h，请重新输入！", "t"});
    }

    // 6. Diffusion parameters and the vertical term, column by column.
    const double Q = in.Q, U = r.U, He = r.He, h = r.h;
    const auto parametersAt = [&](double x) {
        if (automatic) return diffusionParameters(in.stability, in.surface, x, in.t, in.U10);
        return DiffusionParameters{in.ay, in.gy, in.az, in.gz, in.gy, in.gz};
    };
    std::vector<Column> columns(nx);
    for (int i = 0; i < nx; ++i) {
        const double x = r.xs[i];
        const DiffusionParameters p = parametersAt(x);
        Column& col = columns[i];
        const double sy = sigmaY(p, x);
        const double sz = sigmaZ(p, x);
        col.g01 = p.g01;
        col.g02 = p.g02;
        col.zero = sy == 0 || sz == 0;
        if (col.zero || !r.windy) continue;
        col.sy2 = 2 * sy * sy;
        col.windy = Q / (kWindyTwoPi * U * sy * sz);
        const double sz2 = 2 * sz * sz;
        const auto image = [&](double z) { return std::exp(-z * z / sz2); };
        if (in.grade == kFirstGrade || in.grade == kSecondGrade) {
            double F = 0;
            for (int k = -kReflections; k <= kReflections; k += 2) F += image(k * h - He) + image(k * h + He);
            col.reflect = F;
        } else {
            col.reflect = 2 * image(He);
        }
    }

    // 7. The concentrations, row after row.
    r.c.assign(static_cast<std::size_t>(nx) * ny, 0.0f);
    std::vector<char> blockOverflow(static_cast<std::size_t>(ny), 0);
    forRowBlocks(ny, columnCount * rowCount, [&](int firstRow, int endRow) {
        for (int j = firstRow; j < endRow; ++j) {
            const double y = r.ys[j];
            float* out = &r.c[static_cast<std::size_t>(j) * nx];
            bool overflow = false;
            for (int i = 0; i < nx; ++i) {
                const Column& col = columns[i];
                if (col.zero) continue;
                const double C = r.windy ? col.windy * std::exp(-y * y / col.sy2) * col.reflect
                                         : calmConcentration(Q, U, He, col.g01, col.g02, r.xs[i], y);
                out[i] = static_cast<float>(C);
                overflow |= !std::isfinite(out[i]);
            }
            blockOverflow[j] = overflow;
        }
    });
    if (std::find(blockOverflow.begin(), blockOverflow.end(), 1) != blockOverflow.end()) {
        r = {};  // nothing of the grid is shown
        return refuse({kOutOfRange, ""});
    }

    // The plume axis: y = 0 in the windy model. The calm model changes only the denominator
    // to η0² and keeps G as the receptors left it, row after row: the G of the column's last
    // receptor (y = the last row's offset).
    r.axis.assign(nx, 0.0f);
    const double yLast = r.ys.back();
    for (int i = 0; i < nx; ++i) {
        const Column& col = columns[i];
        if (col.zero) continue;
        const double x = r.xs[i];
        if (r.windy) {
            r.axis[i] = static_cast<float>(col.windy * col.reflect);
        } else {
            const double term = calmHeightTerm(He, col.g01, col.g02);
            const double G = calmG(U, col.g01, calmS(U, col.g01, x, x * x + yLast * yLast + term));
            r.axis[i] = static_cast<float>(2 * Q * G / (kCalmTwoPiPower * col.g02 * (x * x + term)));
        }
    }

    // 8. The maximum ground concentration, from the parameters after the last grid point.
    const DiffusionParameters last = parametersAt(r.xs.back());
    r.ay = last.ay;
    r.az = last.az;
    r.gy = last.gy;
    r.gz = last.gz;
    r.g01 = last.g01;
    r.g02 = last.g02;
    const double a = double(r.ay) / r.az;
    const double P1 = 2 * double(r.gy) * std::pow(double(r.gz), -a) /
                      (std::pow(1 + a, (1 + a) / 2) * std::pow(He, 1 - a) * std::exp((1 - a) / 2));
    const double cm = 2 * Q / (std::numbers::e * kMaximumPi * U * He * He * P1);
    const double Xm = std::pow(He / r.gz, 1 / double(r.az)) * std::pow(1 + a, -1 / (2 * double(r.az)));
    if (U == 0) {
        // A calm with no wind at all has no cm by that formula: the grid's largest value
        // stands in, for the text and the top of the contour levels.
        const auto top = std::max_element(r.c.begin(), r.c.end());
        r.cm = *top;
        r.Xm = r.xs[static_cast<std::size_t>(top - r.c.begin()) % nx];
    } else {
        r.cm = static_cast<float>(cm);
        r.Xm = static_cast<float>(Xm);
    }
    if (Refusal bad = outOfRangeUnlessFinite({r.cm, r.Xm, r.gy, r.g01}); bad.refused()) {
        r = {};
        return refuse(bad);
    }

    r.xlo = in.Xmin;
    r.xhi = in.Xmax;
    r.ylo = in.Ymin;
    r.yhi = in.Ymax;
    r.zhi = r.cm;
    r.step = in.step;
    return r;
}

bool pointSourceFieldEnabled(const PointSourceInput& in, std::string_view key)
{
    const auto among = [&](std::initializer_list<std::string_view> keys) {
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    };
    if (key == "U") return in.uMode == kEntered;
    if (key == "dH") return in.dHMode == kEntered;
    if (among({"Qv", "Ts", "D", "dTdZ", "Ta", "Pa"})) return in.dHMode != kEntered;
    if (key == "h") return in.hMode == kEntered;
    if (among({"latitude", "region"})) return in.hMode != kEntered;
    if (among({"ay", "az", "gy", "gz"})) return in.diffusionMode == kEntered;
    return true;
}

Table pointSourceTable(const PointSourceResult& r)
{
    Table t;
    t.name = kPointSourceSheet;
    const std::size_t nx = r.xs.size();
    t.columns.reserve(nx + 1);
    t.columns.push_back("Y＼X");
    for (float x : r.xs) t.columns.push_back(formatSingle(x));
    t.rows.resize(r.ys.size());
    for (std::size_t j = 0; j < r.ys.size(); ++j) {
        auto& row = t.rows[j];
        row.push_back(formatSingle(r.ys[j]));
        if (r.c.size() < (j + 1) * nx) continue;
        row.reserve(nx + 1);
        for (std::size_t i = 0; i < nx; ++i) row.push_back(formatFixed(r.c[j * nx + i], 6));
    }
    return t;
}

std::string pointSourceText(const PointSourceResult& r)
{
    if (r.windy)
        return cformat("——————————有风时，各参数详细结果如下————————\r\n烟筒下风向一次最大地面浓度cm=%f [mg/m^3]\r\n"
                       "距烟筒距离Xm=%f [m]\r\n烟筒出口风速U=%f [m/s]\r\n烟筒有效高度He=%f [m]\r\n烟气抬升高度ΔH=%f [m]\r\n"
                       "混合层厚度h=%f [m]\r\n回归指数αy=%f,回归指数αz=%f\r\n回归系数γy=%f,回归系数γz=%f\r\n"
                       "烟气热释放率Qh=%f [KJ/s]\r\n",
                       r.cm, r.Xm, r.U, r.He, r.dH, r.h, r.ay, r.az, r.gy, r.gz, r.Qh);
    return cformat("——————————小风和静风时，各参数详细结果如下————————\r\n烟筒出口风速U=%f [m/s]\r\n烟筒有效高度He=%f [m]\r\n"
                   "烟气抬升高度ΔH=%f [m]\r\n回归系数γy=%f,回归系数γz=%f",
                   r.U, r.He, r.dH, r.g01, r.g02);
}

Curve pointSourceCurve(const PointSourceResult& r)
{
    return {"下风向浓度曲线图", "X —— 污染源下风向（m）", "c —— 地面浓度（mg/m^3）",
            std::vector<double>(r.xs.begin(), r.xs.end()), std::vector<double>(r.axis.begin(), r.axis.end())};
}

namespace {

void presentPointSource(const PointSourceResult& r, Report& report)
{
    report.text = pointSourceText(r);
    report.tables.push_back(pointSourceTable(r));
    report.curves.push_back(pointSourceCurve(r));
}

}  // namespace

const CalculatorDef<PointSourceInput, PointSourceResult>& pointSourceCalculator()
{
    using In = PointSourceInput;
    const std::string grid = "下风向相对坐标(X,Y)[(m,m)]";
    const std::vector<std::string> modes = {"自动计算", "手工输入"};
    static const CalculatorDef<In, PointSourceResult> def{
        "air.point_source",
        "点源扩散模式计算",
        {field("H", "烟筒距地面几何高度 H [m] ", &In::H),
         field("Q", "点源排放量 Q [mg/s] ", &In::Q),
         field("Xmin", "Xmin", &In::Xmin, grid),
         field("Xmax", "Xmax", &In::Xmax, grid),
         field("Ymin", ",Ymin", &In::Ymin, grid),
         field("Ymax", ",Ymax", &In::Ymax, grid),
         field("step", "步长[m]", &In::step),
         choiceField("uMode", "烟筒出口风速 U [m/s]", &In::uMode, modes),
         field("U", "烟筒出口风速 U [m/s]（手工输入）", &In::U),
         choiceField("grade", "评价等级", &In::grade, {"一级", "二级", "三级"}),
         choiceField("dHMode", "烟气抬升高度ΔH [m]", &In::dHMode, modes),
         field("dH", "烟气抬升高度ΔH [m]（手工输入）", &In::dH),
         field("Qv", "烟筒出口烟气量Qv [m^3/s] ", &In::Qv),
         field("Ts", "烟气出口温度Ts[℃]", &In::Ts),
         field("D", "烟筒出口直径D[m]", &In::D),
         field("dTdZ", "烟筒几何高度以上的大气温度梯度dT/dZ  [K/m]", &In::dTdZ),
         field("Ta", "环境大气温度Ta[℃]", &In::Ta),
         field("Pa", "大气压力Pa[KPa]", &In::Pa),
         field("U10", "地面10m高风速 U10 [m/s]", &In::U10),
         choiceField("stability", "大气稳定度等级", &In::stability, {"A", "B", "C", "D", "E", "F"}),
         choiceField("surface", "地表状况", &In::surface, {"平原地区农村或城市远郊区", "平原地区工业区、城市及近郊区"}),
         choiceField("hMode", "混合层厚度 h [m]", &In::hMode, modes),
         field("h", "混合层厚度 h [m]（手工输入）", &In::h),
         field("latitude", "地理纬度 [度]", &In::latitude),
         choiceField("region", "所在地区", &In::region, regionNames()),
         field("t", "取样时间 t [h]", &In::t),
         choiceField("diffusionMode", "扩散参数选取", &In::diffusionMode, modes),
         field("ay", "回归指数αy", &In::ay),
         field("az", "回归指数αz", &In::az),
         field("gy", "回归系数γy", &In::gy),
         field("gz", "回归系数γz", &In::gz)},
        {field("cm", "烟筒下风向一次最大地面浓度cm [mg/m^3]", &PointSourceResult::cm),
         field("Xm", "距烟筒距离Xm [m]", &PointSourceResult::Xm)},
        &computePointSource,
        &presentPointSource,
    };
    return def;
}

}  // namespace qelvo::air
