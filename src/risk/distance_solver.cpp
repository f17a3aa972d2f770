#include "risk/distance_solver.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"

namespace qelvo::risk {
namespace {

// Bisection halves the logarithmic width each step: 200 steps narrow any range of doubles
// far below the relative tolerance, which is well within double precision.
constexpr int kMaxBisections = 200;
constexpr double kRelativeTolerance = 1e-12;

}  // namespace

DistanceSolution distanceWhereFallsTo(const std::function<double(double)>& f, double level, double near, double far)
{
    if (!(near > 0 && near < far)) return {DistanceSolution::Reach::Never, 0};
    if (!(f(near) >= level)) return {DistanceSolution::Reach::Never, 0};
    if (f(far) > level) return {DistanceSolution::Reach::Beyond, far};
    double lo = near, hi = far;  // f(lo) ≥ level ≥ f(hi)
    for (int i = 0; i < kMaxBisections && hi > lo * (1 + kRelativeTolerance); ++i) {
        const double mid = std::sqrt(lo) * std::sqrt(hi);
        if (f(mid) >= level) lo = mid;
        else hi = mid;
    }
    return {DistanceSolution::Reach::Found, std::sqrt(lo) * std::sqrt(hi)};
}

std::string distanceText(const DistanceSolution& s)
{
    switch (s.reach) {
    case DistanceSolution::Reach::Found: return cformat("%g", s.x);
    case DistanceSolution::Reach::Beyond: return cformat("大于%g", s.x);
    case DistanceSolution::Reach::Never: break;
    }
    return "无";
}

std::vector<ThresholdDistance> thresholdDistances(const std::function<double(double)>& f,
                                                  const std::vector<Threshold>& thresholds, double near, double far)
{
    std::vector<ThresholdDistance> rows;
    for (const Threshold& t : thresholds) rows.push_back({t, distanceWhereFallsTo(f, t.level, near, far)});
    return rows;
}

Table thresholdTable(const std::string& name, const std::string& levelColumn, const std::string& distanceColumn,
                     const std::vector<ThresholdDistance>& rows)
{
    Table table{name, {levelColumn, distanceColumn, "伤害程度"}, {}};
    for (const auto& r : rows) table.rows.push_back({r.threshold.text, distanceText(r.where), r.threshold.harm});
    return table;
}

Curve distanceCurve(const std::function<double(double)>& f, double x0, double far,
                        const std::vector<ThresholdDistance>& found)
{
    double farthest = 0;
    for (const auto& r : found)
        if (r.where.reach == DistanceSolution::Reach::Found) farthest = std::max(farthest, r.where.x);
    const double x1 = std::min(far, std::max(1.5 * farthest, 2 * x0));
    Curve curve;
    if (!(x0 > 0 && x1 > x0)) return curve;
    for (int i = 0; i < kCurvePoints; ++i) {
        const double x = x0 + (x1 - x0) * i / (kCurvePoints - 1);
        const double y = f(x);
        if (!std::isfinite(y)) continue;  // a point no axis could hold
        curve.xs.push_back(x);
        curve.ys.push_back(y);
    }
    return curve;
}

}  // namespace qelvo::risk
