// Constants and formulas of sound propagation that several noise models share, each
// written once: the multiples of π as the noise formulas take them, the speed of sound,
// the ground effect, the barrier terms and the vehicles' reference emission.
#pragma once

#include <string_view>

namespace qelvo::noise {

// The noise formulas take π as 3.14159: 4π, 2π and 3π as the guideline prints them.
constexpr double kFourPi = 12.56636;
constexpr double kTwoPi = 6.28318;
constexpr double kThreePi = 9.42477;

// 1/273 and 1/180 as the formulas store them (single-precision factors widened).
constexpr double kOneOver273 = 0.0036630037;
constexpr double kOneOver180 = 0.0055555557;

// The speed of sound the workshop and JTG B03-2006 formulas fix, m/s.
constexpr double kSoundSpeed = 340.29;

// The speed of sound at T °C, m/s: 331·√(1 + T/273).
double soundSpeed(double T);

// Ground effect attenuation Agr = 4.8 − (2·hm/r)(17 + 300/r), never below 0 (2009
// guideline); hm the mean height of the path, r the distance, both in m.
double groundAttenuation(double hm, double r);

// The choice rule of the forms that offer a barrier and the ground effect (industrial noise,
// the 2009 highway): a barrier rules the ground effect out, so checking the barrier clears
// the ground check, whichever of the two is chosen last.
template <class In>
void barrierRule(In& in, std::string_view)
{
    if (in.barrier) in.ground = 0;
}

// The term 1/(3 + 20·N) of one sound path over a barrier, N = 2δ/λ its Fresnel number.
// A barrier attenuates by −10·lg of the sum of its paths' terms.
inline double barrierPathTerm(double N) { return 1 / (3 + 20 * N); }

// The embankment shadow (diffraction) correction for t = 40·f·δ/(3c); at t = 1 its limit.
double shadowCorrection(double t);

// Lo, the energy-mean A level at 7.5 m of a vehicle class (0 large, 1 medium, 2 small)
// at V km/h.
double referenceLevel(int vehicleClass, double V);

// What the highway models' detail texts say instead of the level of a vehicle class that has
// no traffic (N = 0: it adds nothing to the total).
inline const char* kNoTraffic = "无车流";

}  // namespace qelvo::noise
