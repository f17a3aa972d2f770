#include "air/screening/fumigation.h"

#include <algorithm>
#include <cmath>

#include "air/screening/dispersion.h"
#include "air/screening/plume_rise.h"

namespace qelvo::air::screening {
namespace {

constexpr double kFumigationWind = 2.5;  // m/s at stack height
constexpr int kFumigationClass = kClassF;
// ρ_a·c_p·(dθ/dz)/R, the inversion's erosion: ρ_a = 1205 g/m³, c_p = 0.24 cal/(g·K),
// dθ/dz = 0.035 K/m, R = 67 cal/(m²·s).
constexpr double kErosion = 0.1511;
constexpr double kStartDistance = 5000;  // m
constexpr double kConverged = 10;        // m
constexpr int kSteps = 20;
constexpr double kMinBreakupDistance = 100;   // m
constexpr double kBreakupNearest = 2000;      // m
constexpr double kShorelineNearest = 200;     // m
constexpr double kTiblFactor = 6;             // internal boundary layer height 6·√x
constexpr double kTurnerFactor = 2.50663;     // √(2π) in Turner's eq. 5.2
constexpr double kMicrograms = 1e6;

// The F-class plume the fumigation formulas follow.
class FumigationPlume {
public:
    explicit FumigationPlume(const ScreeningCase& c)
        : stack_(sourceStack(c)), st_(stabilityParameter(kFumigationClass, stack_.ambientTemp)),
          final_(finalRise(stack_, kFumigationWind, kFumigationClass, st_)),
          height_(stackTipHeight(stack_, kFumigationWind) + final_.rise), emission_(c.emission)
    {
    }
    double height() const { return height_; }
    double stackHeight() const { return stack_.height; }
    double sigmaY(double x) const
    {
        return withBuoyancyDispersion(screening::sigmaY(x, kFumigationClass, false), rise(x));
    }
    double sigmaZ(double x) const
    {
        return std::min(withBuoyancyDispersion(screening::sigmaZ(x, kFumigationClass, false), rise(x)), kMaxSigmaZ);
    }
    // Turner eq. 5.2: the plume mixed down through h_e + 2σz, spread σy + h_e/8.
    double concentration(double x) const
    {
        return emission_ * kMicrograms
               / (kTurnerFactor * kFumigationWind * (sigmaY(x) + height_ / 8) * (height_ + 2 * sigmaZ(x)));
    }

private:
    double rise(double x) const { return riseAt(stack_, kFumigationWind, kFumigationClass, st_, final_, x); }
    Stack stack_;
    StabilityParameter st_;
    FinalRise final_;
    double height_;
    double emission_;
};

}  // namespace

InversionBreakup inversionBreakup(const ScreeningCase& c)
{
    const FumigationPlume plume(c);
    const double he = plume.height(), hs = plume.stackHeight();
    // Distance travelled (at 2.5 m/s) while the inversion erodes up to h_e + 2σz.
    auto travel = [&](double x) {
        const double top = he + 2 * plume.sigmaZ(x);
        return kFumigationWind * kErosion * (top - hs) * 0.5 * (hs + top);
    };
    InversionBreakup r;
    double x0 = kStartDistance;
    double sigmaAt = x0;  // where the σ's of the result are taken
    for (int i = 0; i < kSteps; ++i) {
        const double x1 = travel(x0);
        if (std::fabs(x1 - x0) < kConverged) {
            r.distance = sigmaAt = x1;
            break;
        }
        if (x1 < kMinBreakupDistance) {
            r.distance = kMinBreakupDistance;
            sigmaAt = x0;  // the σ's of the last distance tried
            break;
        }
        if (i == kSteps - 1) {
            r.distance = sigmaAt = 0.5 * (x0 + x1);  // not settled: the middle of the last pair
            break;
        }
        x0 = x1;
    }
    r.concentration = plume.concentration(sigmaAt);
    if (r.distance < kBreakupNearest) {
        r.tooClose = true;
        r.concentration = 0;
    }
    return r;
}

ShorelineFumigation shorelineFumigation(const ScreeningCase& c)
{
    const FumigationPlume plume(c);
    const double he = plume.height();
    ShorelineFumigation r;
    double x0 = (he / kTiblFactor) * (he / kTiblFactor) - c.shoreDistance;
    if (x0 <= 0) return r;  // the plume stays below the internal boundary layer
    r.calculated = true;
    auto reach = [&](double x) {
        const double top = (he + 2 * plume.sigmaZ(x)) / kTiblFactor;
        return top * top - c.shoreDistance;
    };
    for (int i = 0; i < kSteps; ++i) {
        const double x1 = reach(x0);
        if (std::fabs(x1 - x0) < kConverged) {
            r.distance = x1;
            break;
        }
        if (i == kSteps - 1) {
            r.distance = 0.5 * (x0 + x1);
            break;
        }
        x0 = x1;
    }
    r.concentration = plume.concentration(r.distance);
    if (r.distance < kShorelineNearest) {
        r.tooClose = true;
        r.concentration = 0;
    }
    return r;
}

}  // namespace qelvo::air::screening
