// Worst-case meteorology of the screening procedure (S3UG worst-case meteorology; SP92):
// the stability classes and 10 m wind speeds examined, the wind at release height, the
// mixing height and the stability parameter of the stable classes.
#pragma once

#include <span>

#include "air/screening/screening_case.h"

namespace qelvo::air::screening {

inline constexpr int kClassCount = 6;  // Pasquill–Gifford A … F as 1 … 6
inline constexpr int kClassE = 5;
inline constexpr int kClassF = 6;
inline bool stableClass(int k) { return k >= kClassE; }

// Above this distance every 10 m wind below kFarFieldMinWind is examined as kFarFieldMinWind.
inline constexpr double kFarFieldDistance = 50000;  // m
inline constexpr double kFarFieldMinWind = 2.0;     // m/s

// The 10 m wind speeds examined for class k (1 … 6), ascending.
std::span<const double> windSpeeds(int k);
// The largest 10 m wind speed SCREEN3 accepts for class k.
double maxWindSpeed(int k);

// Wind at release height h (m), ISC3 §1.1.3 power law above 10 m, at least 1 m/s.
double stackWind(double u10, double h, int k, bool urban);

// Mixing height (S3UG): 320·u10 (the mechanical height 0.3·u*/f with u* = 0.1·u10), at most
// 10 000 m, at least h_e + 1; 10 000 m in the stable classes.
inline constexpr double kUnlimitedMixing = 10000;  // m
double mixingHeight(double u10, double plumeHeight, int k);

// s = g·(dθ/dz)/T_a of the stable classes; tiny elsewhere (unused there).
struct StabilityParameter {
    double s = 0;
    double sqrtS = 0;
};
StabilityParameter stabilityParameter(int k, double ambientTemp);

// The classes one distance examines, in order.
struct ClassList {
    int classes[kClassCount] = {};
    int count = 0;
};
ClassList examinedClasses(const ScreeningCase& c);

}  // namespace qelvo::air::screening
