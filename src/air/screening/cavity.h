// The regulatory building cavity model (S3UG cavity section; SP92; Hosker 1984 cavity length):
// the concentration in the recirculation cavity for the two building orientations.
#pragma once

#include <array>

#include "air/screening/plume_rise.h"

namespace qelvo::air::screening {

// Speeds printed when the plume is never trapped (no concentration).
inline constexpr double kCavityNotTrapped = 99.99;  // m/s

struct CavityResult {
    double concentration = 0;  // µg/m³
    double critical10 = 0;     // critical wind at 10 m, m/s
    double criticalStack = 0;  // critical wind at stack height, m/s
    double dilution = 0;       // dilution wind speed, m/s
    double height = 0;         // cavity height, m
    double length = 0;         // cavity length (the printed distance), m
    double alongWind = 0;      // along-wind building dimension, m
};

// Orientation 1 has the smaller dimension along the wind, orientation 2 the larger.
std::array<CavityResult, 2> cavityConcentrations(const Stack& stack, double emission, double buildingHeight,
                                                 double dimensionMin, double dimensionMax);

}  // namespace qelvo::air::screening
