#include "air/sanitary_distance.h"

#include <cmath>

#include "air/air_checks.h"
#include "common/guideline_constants.h"
#include "common/number_parse.h"

namespace qelvo::air {
namespace {

// The guideline's coefficient table, by the range of the distance (up to 1000 m, up to
// 2000 m, beyond) and the five-year mean wind speed (below 2 m/s; 2 to 4 m/s; above 4 m/s).
constexpr double kNearRange = 1000, kMiddleRange = 2000;
constexpr double kLowWind = 2, kHighWind = 4;
// Below 2 m/s: A, B, C, D.
constexpr float kLowWindCoefficients[][4] = {
    {400, 0.01f, 1.85f, 0.78f},
    {400, 0.015f, 1.79f, 0.78f},
    {80, 0.015f, 1.79f, 0.57f},
};
// From 2 m/s: B, C, D.
constexpr float kWindyBCD[][3] = {
    {0.021f, 1.85f, 0.84f},
    {0.036f, 1.77f, 0.84f},
    {0.036f, 1.77f, 0.76f},
};
// From 2 m/s: A by wind (2–4, above 4), range and category I, II, III.
constexpr float kWindyA[][3][3] = {
    {{700, 470, 350}, {700, 470, 350}, {380, 250, 190}},
    {{530, 350, 260}, {530, 350, 260}, {290, 190, 140}},
};

// Bisection: the interval searched (m) and the width at which it stops.
constexpr double kBisectionWidth = 1e-10;

// Grading: 50 m steps up to 100 m, 100 m steps up to 1000 m, then 200 m steps.
constexpr double kFirstStep = 50, kFineLimit = 100, kCoarseLimit = 1000;
constexpr int kHundred = 100, kThousand = 1000, kCoarseStep = 200;

int rangeIndex(double Lsel) { return Lsel <= kNearRange ? 0 : Lsel <= kMiddleRange ? 1 : 2; }

}  // namespace

int sanitaryCategory(int stack, int toxicity, int share)
{
    if (stack != kNoStack) return share == 0 ? 1 : 2;
    return toxicity == 0 ? 2 : 3;
}

SanitaryCoefficients sanitaryCoefficients(double Lsel, double u, int category)
{
    const int range = rangeIndex(Lsel);
    if (u < kLowWind) {
        const float* k = kLowWindCoefficients[range];
        return {k[0], k[1], k[2], k[3]};
    }
    const float* bcd = kWindyBCD[range];
    const float A = kWindyA[u <= kHighWind ? 0 : 1][range][category - 1];
    return {A, bcd[0], bcd[1], bcd[2]};
}

// r² = S/π with π as 3.14159.
double sanitaryRatio(const SanitaryCoefficients& k, double S, double L)
{
    return (1 / double(k.A)) * std::pow(k.B * std::pow(L, double(k.C)) + S * 0.25 / kGuidelinePi, 0.5) * std::pow(L, double(k.D));
}

double solveSanitaryDistance(const SanitaryCoefficients& k, double ratio, double S)
{
    const auto f = [&](double L) { return ratio - sanitaryRatio(k, S, L); };
    double lo = 0, hi = kSanitaryLongest;
    if (f(lo) == 0) return lo;
    if (f(hi) == 0) return hi;
    // Each step halves [lo, hi]; the width reaches 1e−10 m, far above the spacing of doubles
    // up to 20000 m, within 48 steps.
    for (;;) {
        const double mid = (lo + hi) / 2;
        const double fm = f(mid);
        if (fm == 0) return mid;
        if (fm * f(lo) < 0) hi = mid;
        else lo = mid;
        if (std::fabs(lo - hi) <= kBisectionWidth) return mid;
        if (f(lo) == 0) return lo;
    }
}

int gradedDistance(double L)
{
    if (L <= kFirstStep) return static_cast<int>(kFirstStep);
    if (L <= kFineLimit) return static_cast<int>(kFineLimit);
    if (L <= kCoarseLimit) return (1 + static_cast<int>(L / kHundred)) * kHundred;
    const int m = static_cast<int>(L);
    const int k = m % kThousand;
    if (k == 0) return m;
    const int next = (k + kCoarseStep - 1) / kCoarseStep * kCoarseStep;  // 200, 400, … 1000
    return static_cast<int>(L - k + next);
}

bool sanitaryFieldShown(const SanitaryInput& in, std::string_view key)
{
    if (key == "toxicity") return in.stack == kNoStack;
    if (key == "share") return in.stack != kNoStack;
    return true;
}

void applyStackChoice(SanitaryInput& in, int stack)
{
    in.stack = stack;
    in.toxicity = 0;
    in.share = 0;
}

SanitaryResult computeSanitary(const SanitaryInput& in)
{
    SanitaryResult r;
    r.Qc = in.Qc;
    r.L = in.L;
    r.graded = in.graded;
    r.Lsel = in.Lsel;
    const auto Cm = parseDouble(in.Cm);
    if (!Cm || !(*Cm > 0)) {
        r.refusal = {"环境标准浓度限值必须是大于0的数，请重新输入！", "Cm"};
        return r;
    }
    r.refusal = firstRefusal({mustNotBeNegative(in.S, "无组织排放源面积", "S"), mustNotBeNegative(in.u, "近五年平均风速", "u"),
                              in.action == 0 ? mustNotBeNegative(in.Qc, "无组织排放量", "Qc")
                                             : mustNotBeNegative(in.L, "卫生防护距离", "L")});
    if (r.refusal.refused()) return r;
    const int category = sanitaryCategory(in.stack, in.toxicity, in.share);

    if (in.action == 1) {
        r.Lsel = in.L;
        r.Qc = *Cm * sanitaryRatio(sanitaryCoefficients(r.Lsel, in.u, category), in.S, in.L);
        r.refusal = outOfRangeUnlessFinite({r.Qc});
        return r;
    }

    const double ratio = in.Qc / *Cm;
    SanitaryCoefficients k = sanitaryCoefficients(r.Lsel, in.u, category);
    double L = solveSanitaryDistance(k, ratio, in.S);
    if (L > kNearRange) {  // beyond 1000 m: again, with the coefficients of that range
        r.Lsel = L;
        k = sanitaryCoefficients(r.Lsel, in.u, category);
        L = solveSanitaryDistance(k, ratio, in.S);
    }
    if (!std::isfinite(ratio) || ratio > sanitaryRatio(k, in.S, kSanitaryLongest)) {
        r.refusal = {"无组织排放量过大，卫生防护距离超过20000m，请重新输入！", "Qc"};
        return r;
    }
    r.L = L;
    r.graded = gradedDistance(L);
    return r;
}

const CalculatorDef<SanitaryInput, SanitaryResult>& sanitaryCalculator()
{
    using In = SanitaryInput;
    static const CalculatorDef<In, SanitaryResult> def{
        "air.sanitary",
        "卫生防护距离计算",
        {field("S", "无组织排放源面积(m^2)", &In::S),
         field("u", "近五年平均风速(m/s)", &In::u),
         field("pollutant", "污染因子", &In::pollutant),
         field("Cm", "环境标准浓度限值(mg/m^3)", &In::Cm),
         choiceField("stack", "排放同种有害气体的排气筒", &In::stack, {"有", "无"}),
         choiceField("toxicity", "无组织排放的有害物质容许浓度", &In::toxicity, {"按急性反应指标确定", "按慢性反应指标确定"}),
         choiceField("share", "排气筒的污染物排放量", &In::share, {"大于允许的1/3", "小于允许的1/3"}),
         field("Qc", "无组织排放量(kg/hr)", &In::Qc),
         field("L", "卫生防护距离(m)", &In::L),
         choiceField("action", "计算", &In::action, {"计算卫生防护距离结果", "计算无组织排放量结果"})},
        {field("Qc", "无组织排放量(kg/hr)", &SanitaryResult::Qc),
         field("L", "卫生防护距离(m)", &SanitaryResult::L),
         field("graded", "提级后距离(m)", &SanitaryResult::graded)},
        &computeSanitary,
    };
    return def;
}

}  // namespace qelvo::air
