// Plume rise of point and flare sources (ISC3 §1.1.4, from Briggs 1969–1975; S3UG plume rise
// and flare sections): fluxes, distance to final rise, final and gradual rise, stack-tip
// downwash.
#pragma once

#include "air/screening/meteorology.h"
#include "air/screening/screening_case.h"

namespace qelvo::air::screening {

// The release as the rise formulas use it, after SCREEN3's floors.
struct Stack {
    double height = 0;       // h_s, m (flare: effective release height)
    double diameter = 0;     // d_s, m
    double velocity = 0;     // v_s, m/s
    double gasTemp = 0;      // T_s, K (raised to T_a for a plume colder than the air)
    double ambientTemp = 0;  // T_a, K
    double buoyancyFlux = 0; // F_b, m⁴/s³
    double momentumFlux = 0; // F_m, m⁴/s²
    bool coldPlume = false;  // T_a > T_s: F_b set to 0 (the listing warns)
};

// The stack of a deck's source: point and flare with their fluxes; area and volume sources as a
// passive release (no rise).
Stack sourceStack(const ScreeningCase& c);

// Flare (S3UG flare section): effective release height and effective diameter.
double flareReleaseHeight(double stackHeight, double heatRelease);
double flareDiameter(double heatRelease);

// Final rise and the distances that bound the gradual rise, for one class and stack wind.
struct FinalRise {
    double xfb = 0;  // distance to final buoyant rise, m
    double xfm = 0;  // distance to final momentum rise, m
    double xf = 0;   // distance to final rise, the larger of the two
    double rise = 0; // Δh_f, m
};
FinalRise finalRise(const Stack& stack, double us, int k, const StabilityParameter& st);

// Distance to final momentum rise in the neutral form, 4·d_s·(v_s + 3u_s)²/(v_s·u_s).
double neutralMomentumDistance(const Stack& stack, double us);

// h_s' (Briggs 1974 stack-tip downwash), at least 0.
double stackTipHeight(const Stack& stack, double us);

// Momentum rise at x (ISC3 "x < x_f" form), neutral form for A–D and the stable (sine) form
// for E, F, capped at 3·d_s·v_s/u_s; xfm is the distance to final momentum rise of that form.
double momentumRise(const Stack& stack, double us, int k, const StabilityParameter& st, double x, double xfm);

// Rise at x: the gradual rise before x_f (larger of buoyant and momentum, at most Δh_f), Δh_f
// from x_f on.
double riseAt(const Stack& stack, double us, int k, const StabilityParameter& st, const FinalRise& f, double x);

// Buoyancy-induced dispersion (ISC3 §1.1.5): σ_b = Δh/3.5 added in quadrature.
double withBuoyancyDispersion(double sigma, double rise);

}  // namespace qelvo::air::screening
