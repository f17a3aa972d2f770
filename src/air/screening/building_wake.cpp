#include "air/screening/building_wake.h"

#include <algorithm>
#include <cmath>

#include "air/screening/dispersion.h"
#include "air/screening/screening_constants.h"

namespace qelvo::air::screening {
namespace {

// ISC3 §1.1.5 building wake limits, in building scales L_b above the roof.
constexpr double kHuberSnyderLimit = 1.5;    // stacks up to h_b + 1.5·L_b are in the wake
constexpr double kSchulmanScireLimit = 0.5;  // stacks up to h_b + 0.5·L_b: Schulman–Scire
constexpr double kSchulmanScireWake = 2.0;   // SS wake applies while h_w ≤ h_b + 2·L_b
constexpr double kFormationScales = 3;       // no formula before 3·L_b
constexpr double kNearWakeScales = 10;       // near wake up to 10·L_b
constexpr double kEnhancedSigmaY = 1.2;      // σy enhanced while h_w ≤ 1.2·h_b
constexpr double kSuperSquat = 5;            // W_p > 5·h_b
constexpr double kWakeGrowth = 0.067;        // dσ/dx in the near wake
constexpr double kSquatNearY = 0.35;         // σy = 0.35·W_p (squat) or 0.35·L_b at 3·L_b
constexpr double kSquatFarY = 0.5;           // σy0 = 0.35·W_p + 0.5·h_b at 10·L_b (squat)
constexpr double kTallFarY = 0.85;           // σy0 = 0.85·L_b (tall, super-squat)
constexpr double kNearZ = 0.7;               // σz = 0.7·L_b at 3·L_b
constexpr double kFarZ = 1.2;                // σz0 = 1.2·L_b at 10·L_b
constexpr double kInitialRadius = 1.414214;  // R0 = √2·σz(3·L_b)
constexpr double kMinCubicConstant = -1e-5;
constexpr double kSmallStart = 0.01;
constexpr double kMetresPerKm = 1000;

double decayFactor(const Building& b, Wake wake, double hw)
{
    if (wake != Wake::SchulmanScire || hw <= b.height) return 1;
    if (hw <= b.height + kSchulmanScireWake * b.scale) return (b.height - hw) / (2 * b.scale) + 1;
    return 0;
}

}  // namespace

Building makeBuilding(double height, double dimension1, double dimension2)
{
    Building b;
    b.height = height;
    b.width = std::sqrt(dimension1 * dimension1 + dimension2 * dimension2);
    b.scale = std::min(b.height, b.width);
    b.squat = b.height <= b.width && b.width <= kSuperSquat * b.height;
    return b;
}

WakeRegime wakeRegime(const Building& b, const Stack& s, double us, int k, const StabilityParameter& st,
                      const FinalRise& f)
{
    WakeRegime r;
    if (!b.present() || s.height > b.height + kHuberSnyderLimit * b.scale) return r;
    r.wakeHeight = s.height + momentumRise(s, us, k, st, 2 * b.height, f.xfm);
    if (s.height > b.height + kSchulmanScireLimit * b.scale) {
        if (r.wakeHeight <= b.height + kHuberSnyderLimit * b.scale) r.wake = Wake::HuberSnyder;
    } else if (r.wakeHeight <= b.height + kSchulmanScireWake * b.scale) {
        r.wake = Wake::SchulmanScire;
    }
    return r;
}

bool insideWakeFormation(const Building& b, double x) { return x < kFormationScales * b.scale; }

double wakeSigmaY(const Building& b, double hw, double x, int k, bool urban)
{
    if (hw > kEnhancedSigmaY * b.height) return sigmaY(x, k, urban);
    if (x < kNearWakeScales * b.scale) {
        const double near = b.squat ? kSquatNearY * b.width + kWakeGrowth * (x - kFormationScales * b.height)
                                    : kSquatNearY * b.scale + kWakeGrowth * (x - kFormationScales * b.scale);
        return std::max(near, sigmaY(x, k, urban));
    }
    const double sigma0 = b.squat ? kSquatNearY * b.width + kSquatFarY * b.height : kTallFarY * b.scale;
    const double xy = std::max(0.0, virtualDistanceY(sigma0, k, urban) - kNearWakeScales * b.scale);
    return sigmaY(x + xy, k, urban);
}

double wakeSigmaZ(const Building& b, Wake wake, double hw, double x, int k, bool urban)
{
    const double decay = decayFactor(b, wake, hw);
    if (x < kNearWakeScales * b.scale) {
        const double near = (kNearZ * b.scale + kWakeGrowth * (x - kFormationScales * b.scale)) * decay;
        return std::max(near, sigmaZ(x, k, urban));
    }
    const double sigma0 = kFarZ * b.scale * decay;
    const double reference = (x - kNearWakeScales * b.scale) / kMetresPerKm;
    const double xz = std::max(0.0, virtualDistanceZ(sigma0, reference, k, urban) - kNearWakeScales * b.scale);
    return sigmaZ(x + xz, k, urban);
}

SchulmanScireRise::SchulmanScireRise(const Building& b, const Stack& s, double hw, double us, int k,
                                     const StabilityParameter& st, const FinalRise& f, bool urban)
    : stack_(s), us_(us), k_(k), st_(st), f_(f)
{
    // ISC3 §1.1.4 (BLP rise): the building line L_y and the initial radius R0 at 3·L_b.
    const double x3 = kFormationScales * b.scale;
    const double sz = wakeSigmaZ(b, Wake::SchulmanScire, hw, x3, k, urban);
    double line = 0;
    if (hw <= kEnhancedSigmaY * b.height) {
        const double sy = wakeSigmaY(b, hw, x3, k, urban);
        if (sy >= sz) line = kSqrt2Pi * (sy - sz);
    }
    const double r0 = kInitialRadius * sz;
    const double beta = kEntrainment;
    a_ = 3 * line / (kPi * beta) + 3 * r0 / beta;
    b_ = 6 * r0 * line / (kPi * beta * beta) + 3 * r0 * r0 / (beta * beta);
    final_ = gradual(f.xf);
}

double SchulmanScireRise::gradual(double x) const
{
    const double beta2 = kEntrainment * kEntrainment;
    const double us = us_;
    const double fb = stack_.buoyancyFlux;
    const double fm = stack_.momentumFlux;
    const double betaJ = kCubeRoot + us / stack_.velocity;
    const double xp = std::min(x, f_.xfb);
    const double xm = std::min(x, f_.xfm);
    double cb = 3 * fb * xp * xp / (2 * beta2 * us * us * us);
    double cm = 3 * fm * xm / (betaJ * betaJ * us * us);
    if (stableClass(k_)) {
        cb = std::min(6 * fb / (beta2 * us * st_.s), cb);
        const double neutral = 3 * fm * std::min(x, neutralMomentumDistance(stack_, us)) / (betaJ * betaJ * us * us);
        cm = std::min(3 * fm * std::sin(st_.sqrtS * xm / us) / (betaJ * betaJ * us * st_.sqrtS), neutral);
    }
    auto root = [&](double c) {
        c = -c;
        if (c < kMinCubicConstant) return cubicRoot(a_, b_, c, std::pow(-c, kCubeRoot));
        return cubicRoot(a_, b_, kMinCubicConstant, kSmallStart);
    };
    return std::max(root(cb), root(cm));
}

double SchulmanScireRise::at(double x) const { return x < f_.xf ? gradual(x) : final_; }

}  // namespace qelvo::air::screening
