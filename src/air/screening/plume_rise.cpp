#include "air/screening/plume_rise.h"

#include <algorithm>
#include <cmath>

#include "air/screening/screening_constants.h"

namespace qelvo::air::screening {
namespace {

constexpr double kFloor = 1e-5;  // SCREEN3's floor for v_s, d_s, T_s, T_a

// Flare (S3UG flare section): fixed exit conditions, diameter from the heat release.
constexpr double kFlareVelocity = 20;       // m/s
constexpr double kFlareGasTemp = 1273;      // K
constexpr double kFlareAmbientTemp = 293;   // K (the user's ambient temperature is not used)
constexpr double kFlareDiameterFactor = 9.88e-4;
constexpr double kFlareRadiativeShare = 0.45;  // heat release share left after radiation
constexpr double kFlameLengthFactor = 4.56e-3;
constexpr double kFlameLengthPower = 0.478;

// Passive release of area and volume sources.
constexpr double kPassiveTemp = 293;  // K

// Briggs, ISC3 §1.1.4.
constexpr double kBuoyancySplit = 55;  // m⁴/s³, the two forms of the buoyant rise
constexpr double kStableBuoyantDistance = 2.0715;
constexpr double kSmallFlux = 1e-10;
constexpr double kMinRiseDistance = 1;  // m
constexpr double kBidDivisor = 3.5;     // σ_b = Δh/3.5

double cubeRoot(double v) { return std::pow(v, kCubeRoot); }

// 3·d_s·v_s/u_s, the jet's momentum rise.
double jetRise(const Stack& s, double us) { return 3 * s.diameter * s.velocity / us; }

}  // namespace

double neutralMomentumDistance(const Stack& s, double us)
{
    const double a = s.velocity + 3 * us;
    return 4 * s.diameter * a * a / (s.velocity * us);
}

double flareReleaseHeight(double stackHeight, double heatRelease)
{
    return stackHeight + kFlameLengthFactor * std::pow(heatRelease, kFlameLengthPower);
}

double flareDiameter(double heatRelease)
{
    return std::max(kFlareDiameterFactor * std::sqrt(kFlareRadiativeShare * heatRelease), kFloor);
}

Stack sourceStack(const ScreeningCase& c)
{
    Stack s;
    switch (c.kind) {
    case SourceKind::Point:
        s.height = c.height;
        s.diameter = std::max(c.diameter, kFloor);
        s.velocity = std::max(c.exitVelocity, kFloor);
        s.gasTemp = std::max(c.gasTemp, kFloor);
        s.ambientTemp = std::max(c.ambientTemp, kFloor);
        break;
    case SourceKind::Flare:
        s.height = flareReleaseHeight(c.height, c.heatRelease);
        s.diameter = flareDiameter(c.heatRelease);
        s.velocity = kFlareVelocity;
        s.gasTemp = kFlareGasTemp;
        s.ambientTemp = kFlareAmbientTemp;
        break;
    case SourceKind::Area:
    case SourceKind::Volume:
        s.height = c.height;
        s.diameter = kFloor;
        s.velocity = kFloor;
        s.gasTemp = kPassiveTemp;
        s.ambientTemp = kPassiveTemp;
        return s;  // no fluxes
    }
    // F_b = g·v_s·d_s²·(T_s − T_a)/(4·T_s), F_m = T_a·v_s²·d_s²/(4·T_s)  (ISC3 §1.1.4)
    if (s.ambientTemp > s.gasTemp) {
        s.coldPlume = true;
        s.gasTemp = s.ambientTemp;
    }
    const double d2 = s.diameter * s.diameter;
    s.buoyancyFlux = s.coldPlume ? 0 : kGravity * s.velocity * d2 * (s.gasTemp - s.ambientTemp) / (4 * s.gasTemp);
    s.momentumFlux = s.ambientTemp * s.velocity * s.velocity * d2 / (4 * s.gasTemp);
    return s;
}

FinalRise finalRise(const Stack& s, double us, int k, const StabilityParameter& st)
{
    FinalRise f;
    const double fb = s.buoyancyFlux;
    const double dT = s.gasTemp - s.ambientTemp;
    if (!stableClass(k)) {
        f.xfm = neutralMomentumDistance(s, us);
        if (fb >= kBuoyancySplit) f.xfb = 119 * std::pow(fb, 0.4);
        else if (fb > 0) f.xfb = 49 * std::pow(fb, 0.625);
        else f.xfb = f.xfm;
        // Crossover temperature difference between buoyancy- and momentum-dominated rise.
        const double dTc = fb < kBuoyancySplit
                               ? 0.0297 * s.gasTemp * cubeRoot(s.velocity / (s.diameter * s.diameter))
                               : 0.00575 * s.gasTemp * cubeRoot(s.velocity * s.velocity / s.diameter);
        if (dT >= dTc) f.rise = (fb < kBuoyancySplit ? 21.425 * std::pow(fb, 0.75) : 38.71 * std::pow(fb, 0.6)) / us;
        else f.rise = jetRise(s, us);
    } else {
        f.xfb = kStableBuoyantDistance * us / st.sqrtS;
        f.xfm = 0.5 * kPi * us / st.sqrtS;
        // SCREEN3 forms the stable crossover with the ambient temperature.
        const double dTc = 0.019582 * s.velocity * s.ambientTemp * st.sqrtS;
        if (dT >= dTc) f.rise = std::min(2.6 * cubeRoot(fb / (us * st.s)), 4 * std::pow(fb, 0.25) * std::pow(st.s, -0.375));
        else f.rise = std::min(1.5 * cubeRoot(s.momentumFlux / (us * st.sqrtS)), jetRise(s, us));
    }
    f.xf = std::max(f.xfb, f.xfm);
    return f;
}

double stackTipHeight(const Stack& s, double us)
{
    double h = s.height;
    if (s.velocity < 1.5 * us) h = s.height - 2 * s.diameter * (1.5 - s.velocity / us);
    return std::max(h, 0.0);
}

double momentumRise(const Stack& s, double us, int k, const StabilityParameter& st, double x, double xfm)
{
    const double betaJ = kCubeRoot + us / s.velocity;  // jet entrainment 1/3 + u_s/v_s
    const double xm = std::min(x, xfm);
    double rise;
    if (!stableClass(k)) {
        rise = cubeRoot(3 * s.momentumFlux * xm / (betaJ * betaJ * us * us));
    } else {
        const double a = 3 * s.momentumFlux * std::sin(st.sqrtS * xm / us) / (betaJ * betaJ * us * st.sqrtS);
        rise = cubeRoot(std::max(kSmallFlux, a));
    }
    return std::min(rise, jetRise(s, us));
}

double riseAt(const Stack& s, double us, int k, const StabilityParameter& st, const FinalRise& f, double x)
{
    if (x >= f.xf) return f.rise;
    const double xb = std::max(std::min(x, f.xfb), kMinRiseDistance);
    const double buoyant = 1.60 * cubeRoot(std::max(s.buoyancyFlux, kSmallFlux) * xb * xb) / us;
    const double momentum = momentumRise(s, us, k, st, x, f.xfm);
    return std::min(std::max(buoyant, momentum), f.rise);
}

double withBuoyancyDispersion(double sigma, double rise)
{
    const double sb = rise / kBidDivisor;
    return std::sqrt(sigma * sigma + sb * sb);
}

}  // namespace qelvo::air::screening
