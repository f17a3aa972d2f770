#include "air/plume_parameters.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "air/air_checks.h"
#include "common/guideline_constants.h"

namespace qelvo::air {
namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// Mixing layer: Coriolis parameter f = 2Ω·sin φ with 2Ω = 0.0001456 1/s, the degree as the
// guideline writes it, and the wind speed above which h no longer grows.
constexpr double kTwiceEarthRotation = 0.0001456;
constexpr double kDegree = 0.017453292222222222;
constexpr double kMixingWindCap = 6;
constexpr double kMixingStableE = 1.66;  // h = 1.66·√(U/f) in class E
constexpr double kMixingStableF = 0.7;   // h = 0.7·√(U/f) in class F

// The guideline's table of a_s for classes A–D, by region group.
constexpr double kMixingCoefficient[][4] = {
    {0.056, 0.029, 0.020, 0.012},  // 浙江 … 江西
    {0.073, 0.060, 0.041, 0.019},  // 黑龙江 … 陕西（秦岭以北）, 宁夏, 甘肃（渭河以北）
    {0.073, 0.067, 0.041, 0.031},  // 陕西（秦岭以南）, 甘肃（渭河以南）, 云南, 贵州, 四川
    {0.090, 0.048, 0.031, 0.022},  // 新疆, 西藏, 青海
};

// Wind profile exponents p by surface and class A–F.
constexpr double kWindExponent[][6] = {
    {0.07, 0.07, 0.10, 0.15, 0.25, 0.25},  // rural
    {0.10, 0.15, 0.20, 0.25, 0.30, 0.30},  // urban
};

// Plume rise: the guideline's heat-release classes (kJ/s), the gas-temperature difference
// (K) from which the large-source formula applies, the height cap (m) in that formula, and
// its coefficients n0 by class and surface.
constexpr double kLargeHeatRelease = 21000;
constexpr double kMediumHeatRelease = 2100;
constexpr double kSmallHeatRelease = 1700;
constexpr double kHotGas = 35;
constexpr double kRiseHeightCap = 240;
constexpr double kRiseLargeN0[] = {1.427, 1.303};
constexpr double kRiseMediumN0[] = {0.332, 0.292};
constexpr double kRiseMediumN1 = 0.6, kRiseMediumN2 = 0.4;
constexpr double kRiseLargeN1 = 1.0 / 3, kRiseLargeN2 = 2.0 / 3;
// Transition 1700 < Qh < 2100: the weight (Qh − 1700)/400.
constexpr double kRiseTransitionWeight = 0.0025;
constexpr double kRiseTransitionSlope = 0.048;
// Qh = 0.35·Pa·Qv·ΔT/Ts with Pa in hPa, here Pa in kPa; 273 K at 0 ℃. The exit velocity
// takes π as 3.14159 (kGuidelinePi).
constexpr double kHeatReleaseFactor = 3.5;
constexpr double kKelvin = 273;
// Stable and calm rise: the dry adiabatic lapse rate (K/m) and the calm coefficient.
constexpr double kDryAdiabatic = 0.0098;
constexpr double kCalmRiseFactor = 5.5;
constexpr double kCalmGradientLimit = 0.01;

// A power law σ = γ·x^α in force up to and including the distance `upTo`.
struct PowerLaw {
    double upTo, alpha, gamma;
};
using Laws = PowerLaw[3];

// The guideline's diffusion parameters for a sampling time of 0.5 h. Lateral, by the
// distance 1000 m:
constexpr Laws kYA = {{1000, 0.901074, 0.425809}, {kUnbounded, 0.850934, 0.602052}};
constexpr Laws kYB = {{1000, 0.914370, 0.281846}, {kUnbounded, 0.865014, 0.396353}};
constexpr Laws kYC = {{1000, 0.924279, 0.177154}, {kUnbounded, 0.885157, 0.232123}};
constexpr Laws kYD = {{1000, 0.926849, 0.143940}, {kUnbounded, 0.886940, 0.189396}};
constexpr Laws kYE = {{1000, 0.925118, 0.0985631}, {kUnbounded, 0.892794, 0.124308}};
constexpr Laws kYF = {{1000, 0.929418, 0.0553634}, {kUnbounded, 0.888723, 0.0733348}};
constexpr Laws kYUrbanE = {{1000, 0.929418, 0.110726}, {kUnbounded, 0.888723, 0.0733348}};
constexpr Laws kYUrbanF = {{1000, 0.920818, 0.0864001}, {kUnbounded, 0.896864, 0.101947}};
// Vertical:
constexpr Laws kZA = {{300, 1.12154, 0.0799904}, {500, 1.52360, 0.00854771}, {kUnbounded, 2.10881, 0.000211545}};
constexpr Laws kZB = {{500, 0.964435, 0.127190}, {kUnbounded, 1.09356, 0.0570251}};
constexpr Laws kZC = {{kUnbounded, 0.917595, 0.106803}};
constexpr Laws kZD = {{2000, 0.838628, 0.126152}, {10000, 0.756410, 0.235667}, {kUnbounded, 0.815575, 0.136659}};
constexpr Laws kZE = {{2000, 0.776864, 0.111771}, {10000, 0.572347, 0.528992}, {kUnbounded, 0.499149, 1.03810}};
constexpr Laws kZF = {{1000, 0.784400, 0.0620765}, {10000, 0.525969, 0.370015}, {kUnbounded, 0.322659, 2.40691}};
constexpr Laws kZUrbanE = {{1000, 0.826212, 0.104634}, {10000, 0.632023, 0.400167}, {kUnbounded, 0.555360, 0.810763}};
constexpr Laws kZUrbanF = {{1000, 0.783700, 0.0927529}, {10000, 0.565188, 0.433384}, {kUnbounded, 0.414743, 1.73241}};

// In industrial and urban areas classes A and B keep their parameters and C and D take those
// of a less stable class.
constexpr const Laws* kLateral[][6] = {{&kYA, &kYB, &kYC, &kYD, &kYE, &kYF},
                                        {&kYA, &kYB, &kYB, &kYC, &kYUrbanE, &kYUrbanF}};
constexpr const Laws* kVertical[][6] = {{&kZA, &kZB, &kZC, &kZD, &kZE, &kZF},
                                         {&kZA, &kZB, &kZB, &kZC, &kZUrbanE, &kZUrbanF}};

// Calm (U10 < 0.5) and low-wind (0.5 ≤ U10 < 1.5) coefficients γ01, γ02 by class.
constexpr double kCalmBelow = 0.5;
constexpr double kCalmCoefficients[][6][2] = {
    {{0.93, 1.57}, {0.76, 0.47}, {0.55, 0.21}, {0.47, 0.12}, {0.44, 0.07}, {0.44, 0.05}},
    {{0.76, 1.57}, {0.56, 0.47}, {0.35, 0.21}, {0.27, 0.12}, {0.24, 0.07}, {0.24, 0.05}},
};

// Sampling time: the table's own time (h), and the exponent q below and from 1 h.
constexpr double kTableSamplingTime = 0.5;
constexpr double kLongSampling = 1;
constexpr double kShortExponent = 0.2, kLongExponent = 0.3;

const PowerLaw& lawAt(const Laws& laws, double x)
{
    int i = 0;
    while (x > laws[i].upTo) ++i;
    return laws[i];
}

}  // namespace

const std::vector<std::string>& regionNames()
{
    static const std::vector<std::string> names = {
        "浙江", "江苏", "上海", "广东", "广西", "湖南", "湖北", "安徽", "海南", "台湾", "福建",
        "江西", "黑龙江", "吉林", "辽宁", "内蒙古", "北京", "天津", "河北", "河南", "山东", "山西",
        "陕西（秦岭以北）", "陕西（秦岭以南）", "宁夏", "甘肃（渭河以北）", "甘肃（渭河以南）", "云南", "贵州",
        "四川", "新疆", "西藏", "青海"};
    return names;
}

int mixingRegionGroup(int region)
{
    if (region <= 11) return 0;
    if (region == 23 || (region >= 26 && region <= 29)) return 2;
    if (region >= 30) return 3;
    return 1;
}

double mixingLayerCoefficient(int region, int stability)
{
    return kMixingCoefficient[mixingRegionGroup(region)][clampIndex(kMixingCoefficient[0], stability)];
}

double mixingLayerHeight(double U10, int stability, double latitude, int region)
{
    const double U = std::min(U10, kMixingWindCap);
    const double f = kTwiceEarthRotation * std::sin(latitude * kDegree);
    if (stability == kStabilityE) return kMixingStableE * std::sqrt(U / f);
    if (stability == kStabilityF) return kMixingStableF * std::sqrt(U / f);
    return mixingLayerCoefficient(region, stability) * U / f;
}

double windProfileExponent(int surface, int stability)
{
    return kWindExponent[clampIndex(kWindExponent, surface)][clampIndex(kWindExponent[0], stability)];
}

double stackWindSpeed(double U10, double H, int surface, int stability)
{
    return U10 * std::pow(H / 10, windProfileExponent(surface, stability));
}

PlumeRise plumeRise(const PlumeRiseInput& in)
{
    PlumeRise r;
    const double dT = double(in.Ts) - in.Ta;
    if (dT < 0) {
        r.refusal = {"烟气出口温度必须大于环境大气温度，请重新输入！", "Ts"};
        return r;
    }
    r.refusal = firstRefusal({mustBePositive(in.D, "烟筒出口直径D", "D"),
                              double(in.Ts) + kKelvin > 0 ? Refusal{} : Refusal{"烟气出口温度Ts必须高于-273℃，请重新输入！", "Ts"},
                              mustNotBeNegative(in.Qv, "烟筒出口烟气量Qv", "Qv"),
                              mustNotBeNegative(in.Pa, "大气压力Pa", "Pa")});
    if (r.refusal.refused()) return r;

    const double D = in.D, U = in.U;
    r.Vs = static_cast<float>(in.Qv / (kGuidelinePi * (D / 2) * (D / 2)));
    r.Qh = static_cast<float>(kHeatReleaseFactor * in.Pa * in.Qv * dT / (double(in.Ts) + kKelvin));
    const double Qh = r.Qh;
    const int surface = clampIndex(kRiseLargeN0, in.surface);
    const bool stable = in.stability == kStabilityE || in.stability == kStabilityF;
    const bool windy = isWindy(in.U10);

    if (!windy && in.dTdZ > kCalmGradientLimit) {
        r.refusal = {"静风和小风下大气温度梯度宜小于0.01K/m，请重新输入！", "dTdZ"};
        return r;
    }
    const double lapse = double(in.dTdZ) + kDryAdiabatic;
    if ((stable || !windy) && !(lapse > 0)) {
        r.refusal = {"大气温度梯度dT/dZ必须大于-0.0098K/m，请重新输入！", "dTdZ"};
        return r;
    }

    double dH = 0;
    const auto smallSource = [&] { return 2 * (1.5 * r.Vs * D + 0.01 * Qh) / U; };
    if (windy && !stable) {
        if (Qh >= kMediumHeatRelease && dT >= kHotGas) {
            const bool large = Qh >= kLargeHeatRelease;
            const double n0 = large ? kRiseLargeN0[surface] : kRiseMediumN0[surface];
            const double n1 = large ? kRiseLargeN1 : kRiseMediumN1;
            const double n2 = large ? kRiseLargeN2 : kRiseMediumN2;
            dH = n0 * std::pow(Qh, n1) * std::pow(std::min(double(in.H), kRiseHeightCap), n2) / U;
        }
        if (Qh > kSmallHeatRelease && Qh < kMediumHeatRelease) {
            const double dH1 = smallSource() - kRiseTransitionSlope * (Qh - kSmallHeatRelease) / U;
            const double dH2 = kRiseMediumN0[surface] * std::pow(Qh, kRiseMediumN1) * std::pow(double(in.H), kRiseMediumN2) / U;
            dH = dH1 + (dH2 - dH1) * (Qh - kSmallHeatRelease) * kRiseTransitionWeight;
        }
        if (Qh <= kSmallHeatRelease || dT < kHotGas) dH = smallSource();
    } else if (windy) {
        dH = std::cbrt(Qh) * std::pow(lapse, -1.0 / 3) * std::pow(U, -1.0 / 3);
    } else {
        dH = kCalmRiseFactor * std::pow(Qh, 0.25) * std::pow(lapse, -0.375);
    }
    r.dH = static_cast<float>(dH);
    return r;
}

double samplingTimeFactor(double t)
{
    const double q = t < kLongSampling ? kShortExponent : kLongExponent;
    return std::pow(t / kTableSamplingTime, q);
}

DiffusionParameters diffusionParameters(int stability, int surface, double x, double t, double U10)
{
    surface = clampIndex(kLateral, surface);
    stability = clampIndex(kLateral[0], stability);
    const double factor = samplingTimeFactor(t);
    const PowerLaw& y = lawAt(*kLateral[surface][stability], x);
    const PowerLaw& z = lawAt(*kVertical[surface][stability], x);
    const double* calm = kCalmCoefficients[U10 < kCalmBelow ? 0 : 1][stability];
    DiffusionParameters p;
    p.ay = static_cast<float>(y.alpha);
    p.gy = static_cast<float>(y.gamma * factor);
    p.az = static_cast<float>(z.alpha);
    p.gz = static_cast<float>(z.gamma);
    p.g01 = static_cast<float>(calm[0] * factor);
    p.g02 = static_cast<float>(calm[1]);
    return p;
}

}  // namespace qelvo::air
