#include "noise/propagation.h"

#include <algorithm>
#include <cmath>

#include "noise/decibel.h"

namespace qelvo::noise {

double soundSpeed(double T) { return 331 * std::sqrt(1 + T * kOneOver273); }

double groundAttenuation(double hm, double r) { return std::max(0.0, 4.8 - (2 * hm / r) * (17 + 300 / r)); }

double shadowCorrection(double t)
{
    if (t == 1) return -10 * lg(kThreePi / 2);  // both branches tend to 3π/2 here
    if (t < 1) return -10 * lg(kThreePi * std::sqrt(1 - t * t) / (4 * std::atan(std::sqrt((1 - t) / (1 + t)))));
    return -10 * lg(kThreePi * std::sqrt(t * t - 1) / (2 * std::log(t + std::sqrt(t * t - 1))));
}

double referenceLevel(int vehicleClass, double V)
{
    switch (vehicleClass) {
    case 0: return 22.0 + 36.32 * lg(V);
    case 1: return 8.8 + 40.48 * lg(V);
    default: return 12.6 + 34.73 * lg(V);
    }
}

}  // namespace qelvo::noise
