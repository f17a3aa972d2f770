// Thermal radiation of a fire at a receptor: the death and burn probabilities of an exposure,
// and the distances at which the radiation falls to the usual damage thresholds. Shared by
// the BLEVE fireball, the pool fire and the jet fire.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "risk/distance_solver.h"

namespace qelvo::risk {

struct ThermalProbabilities {
    double death = 0, secondDegree = 0, firstDegree = 0;
};

// Probit probabilities of an exposure of t seconds to q W/m², then clamped as a group: all
// three 0 if any is below 0, otherwise all three 1 if any is above 1. No radiation (q ≤ 0)
// harms no one.
ThermalProbabilities thermalProbabilities(double t, double q);

// The usual damage thresholds in kW/m², highest first: 37.5, 25, 12.5, 4, 1.6.
const std::vector<Threshold>& thermalThresholds();

struct RadiationDistances {
    std::vector<ThresholdDistance> distances;
    Curve curve;  // kW/m² against distance
};

// The thresholds' distances for a radiation qKw(x) in kW/m² that falls with x on [near, far],
// and the curve from `near`.
RadiationDistances radiationDistances(const std::function<double(double)>& qKw, double near, double far,
                                      const std::string& title, const std::string& xLabel);

// The table a fire page shows below its result text.
Table radiationTable(const RadiationDistances& r);

// Adds the table and the curve to a fire's report.
void presentRadiation(const RadiationDistances& r, Report& report);

}  // namespace qelvo::risk
