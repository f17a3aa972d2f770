// The numerical pieces of the area-source integral, as SCREEN3 uses them: Romberg integration
// (NR §4.3, with SCREEN3's own extrapolation schedule), Brent's root finding (NR §9.3, with
// SCREEN3's tolerances) and the sum over the stretches where the whole crosswind profile lies
// on the receptor's side.
#pragma once

#include <functional>
#include <vector>

namespace qelvo::air::screening {

// ∫_a^b g: trapezoid levels T_1 … T_10 with the abscissae generated in single precision;
// from the second level the value at step 0 of the polynomial through the last (up to five)
// levels; from the fourth level it stops when that estimate moved by at most 10⁻⁴ of itself
// from the one through one level fewer (or is below 10⁻¹⁰); else the tenth estimate.
double rombergIntegral(const std::function<double(float)>& g, float a, float b);

// A root of f in the bracket [x1, x2], NR's zbrent with tolerance and machine precision both
// 10⁻⁴ (km), at most 100 steps.
double brentRoot(const std::function<double(double)>& f, double x1, double x2);

// A stretch [from, to] of a polygon edge (in the edge's direction, km) where Φ̂ = 1.
struct SaturatedStretch {
    double from = 0, to = 0;
};

// Σ sum·∫ f over the pieces the stretches cover: each stretch counts +1 in its direction
// along u and −1 against it; touching pieces of the same sign are joined and keep the later
// piece's sum, as SCREEN3 does.
double saturatedIntegral(const std::vector<SaturatedStretch>& stretches, const std::function<double(float)>& f);

}  // namespace qelvo::air::screening
