// The meteorological and source pieces of the Gaussian point-source model, after the
// atmospheric assessment guideline: mixing-layer height by region, wind speed at the stack
// top, plume rise by heat-release class, and the power-law diffusion parameters by stability
// class, surface and distance with their sampling-time correction.
//
// Stability classes are indices 0…5 for A…F; the surface is 0 for rural or suburban plain, 1
// for industrial or urban plain. point_source.h puts the pieces together over a grid.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "common/calculator.h"

namespace qelvo::air {

constexpr int kStabilityE = 4;
constexpr int kStabilityF = 5;

// Below this 10 m wind speed (m/s) the calm and low-wind model applies.
constexpr double kWindyFrom = 1.5;
inline bool isWindy(float U10) { return U10 >= kWindyFrom; }

// "所在地区", in list order, and the group of regions that share mixing-layer coefficients.
const std::vector<std::string>& regionNames();
int mixingRegionGroup(int region);

// The coefficient a of the mixing-layer height for classes A–D.
double mixingLayerCoefficient(int region, int stability);

// The mixing-layer height h [m] from U10, the class, the latitude (degrees) and the region.
double mixingLayerHeight(double U10, int stability, double latitude, int region);

// Wind speed at the stack top: U = U10 · (H/10)^p.
double windProfileExponent(int surface, int stability);
double stackWindSpeed(double U10, double H, int surface, int stability);

struct PlumeRiseInput {
    float H, U, U10, Qv, Ts, D, dTdZ, Ta, Pa;
    int stability, surface;
};

struct PlumeRise {
    float Vs = 0;  // exit velocity, m/s
    float Qh = 0;  // heat release rate, kJ/s
    float dH = 0;  // rise above the stack top, m
    Refusal refusal;
};

// The automatic plume rise, with the guideline's checks on the temperatures and gradient.
PlumeRise plumeRise(const PlumeRiseInput& in);

// The power laws σy = γy·x^αy, σz = γz·x^αz in force at a distance, and the calm and
// low-wind coefficients γ01, γ02; γy and γ01 corrected for the sampling time.
struct DiffusionParameters {
    float ay = 0, gy = 0, az = 0, gz = 0;
    float g01 = 0, g02 = 0;
};

// (2t)^q, the correction of the 0.5-hour coefficients to a sampling time t in [0.5, 100) h.
double samplingTimeFactor(double t);

DiffusionParameters diffusionParameters(int stability, int surface, double x, double t, double U10);

// σy and σz [m] at the distance x.
inline double sigmaY(const DiffusionParameters& p, double x) { return p.gy * std::pow(x, double(p.ay)); }
inline double sigmaZ(const DiffusionParameters& p, double x) { return p.gz * std::pow(x, double(p.az)); }

}  // namespace qelvo::air
