#include "air/screening/cavity.h"

#include <algorithm>
#include <cmath>

namespace qelvo::air::screening {
namespace {

constexpr int kNeutral = 4;                 // the cavity model works in class D
constexpr double kLongBuilding = 5;         // A > 5·h_b: the cavity is as high as the building
constexpr double kProfilePower = 0.2;       // neutral profile to and from stack height
constexpr double kSlowest = 1, kFastest = 20;  // 10 m winds examined, m/s
constexpr int kBisections = 20;
constexpr double kHeightTolerance = 0.01;   // relative
constexpr double kSpeedTolerance = 0.1;     // m/s
constexpr double kMinDilution = 1, kMaxDilution = 10;  // m/s
constexpr double kMicrograms = 1e6;
constexpr double kCavityArea = 1.5;         // C = Q/(1.5·A_cross·u), A_cross = C_i·h_b

// Plume height at 2·h_b for stack wind u: stack-tip downwash plus neutral momentum rise.
double plumeAtBuilding(const Stack& s, double hb, double u)
{
    return stackTipHeight(s, u) + momentumRise(s, u, kNeutral, {}, 2 * hb, neutralMomentumDistance(s, u));
}

CavityResult orientation(const Stack& s, double q, double hb, double along, double cross)
{
    CavityResult r;
    r.alongWind = along;
    r.height = along > kLongBuilding * hb ? hb : hb * (1 + 1.6 * std::exp(-1.3 * along / hb));

    // Critical wind: the slowest stack-height wind whose plume stays in the cavity.
    const double profile = std::pow(std::max(10.0, s.height) / 10, kProfilePower);
    double u0 = kSlowest * profile, u1 = kFastest * profile;
    double h0 = plumeAtBuilding(s, hb, u0), h1 = plumeAtBuilding(s, hb, u1);
    double uc, h;
    if (h0 < r.height) {
        uc = u0;  // trapped already at the slowest wind
        h = h0;
    } else if (h1 > r.height) {
        uc = u1;  // never trapped
        h = h1;
    } else {
        for (int i = 0; i < kBisections; ++i) {
            const bool below0 = h0 < r.height, below1 = h1 < r.height;
            double next;
            if (below0 != below1) next = 0.5 * (u0 + u1);
            else if (below0) next = std::min(u0, u1) - std::fabs(u1 - u0) / 2;
            else next = std::max(u0, u1) + std::fabs(u1 - u0) / 2;
            u0 = u1;
            h0 = h1;
            u1 = next;
            h1 = plumeAtBuilding(s, hb, u1);
            if (std::fabs(h0 - h1) / (0.5 * (h0 + h1)) < kHeightTolerance && std::fabs(u0 - u1) < kSpeedTolerance) break;
        }
        // Converged (or out of steps, where SCREEN3 stops the run): the middle of the last pair.
        uc = 0.5 * (u0 + u1);
        h = r.height;
    }
    const double uc10 = uc / profile;
    if (h > r.height || uc10 > kFastest) {
        r.critical10 = r.criticalStack = r.dilution = kCavityNotTrapped;
    } else {
        r.critical10 = uc10;
        r.criticalStack = uc;
        r.dilution = std::max(kMinDilution, std::min(kMaxDilution, uc / 2));
        r.concentration = q * kMicrograms / (kCavityArea * cross * hb * r.dilution);
    }

    // Cavity length (Hosker 1984).
    const double ratio = along / hb;
    if (ratio < 2) {
        const double a = -2 + 3.7 * std::pow(ratio, -0.33333);
        const double b = -0.15 + 0.305 * std::pow(ratio, -0.33333);
        r.length = a * cross / (1 + b * cross / hb);
    } else {
        r.length = 1.75 * cross / (1 + 0.25 * cross / hb);
    }
    return r;
}

}  // namespace

std::array<CavityResult, 2> cavityConcentrations(const Stack& stack, double emission, double buildingHeight,
                                                 double dimensionMin, double dimensionMax)
{
    return {orientation(stack, emission, buildingHeight, dimensionMin, dimensionMax),
            orientation(stack, emission, buildingHeight, dimensionMax, dimensionMin)};
}

}  // namespace qelvo::air::screening
