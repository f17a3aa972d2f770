// Distances at which a consequence falls to a damage threshold, and the curve of the
// consequence against distance.
//
// The fire and explosion models give a quantity (thermal radiation, overpressure) that falls
// with distance; assessors report the distances where it comes down to the usual damage
// thresholds. This file solves those distances from the models' own formulas and samples
// the curves the pages plot.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/calculator.h"

namespace qelvo::risk {

// Where a falling quantity reaches a level. Never: it is below the level already at the near
// end of the range (the level is not reached anywhere the model applies). Beyond: it is still
// above the level at the far end; x is then that far end.
struct DistanceSolution {
    enum class Reach { Found, Never, Beyond };
    Reach reach = Reach::Never;
    double x = 0;
};

// The distance on [near, far] (0 < near < far) at which f, falling with distance, comes down
// to `level`; bisection on a logarithmic scale to a relative width of 1e-12.
DistanceSolution distanceWhereFallsTo(const std::function<double(double)>& f, double level, double near, double far);

// The distance as a table shows it: "%g", "无" when never reached, "大于…" beyond the range.
std::string distanceText(const DistanceSolution& s);

// A damage threshold: the level in the unit of the table, its text and what it does.
struct Threshold {
    double level;
    const char* text;
    const char* harm;
};

struct ThresholdDistance {
    Threshold threshold;
    DistanceSolution where;
};

// Every threshold's distance, nearest (highest level) first.
std::vector<ThresholdDistance> thresholdDistances(const std::function<double(double)>& f,
                                                  const std::vector<Threshold>& thresholds, double near, double far);

// The table of threshold distances: level, distance, harm.
Table thresholdTable(const std::string& name, const std::string& levelColumn, const std::string& distanceColumn,
                     const std::vector<ThresholdDistance>& rows);

// f sampled at kCurvePoints equally spaced distances from x0 to the end that shows every
// threshold found: 1.5 times the farthest (at least 2·x0), at most `far`.
constexpr int kCurvePoints = 201;
Curve distanceCurve(const std::function<double(double)>& f, double x0, double far,
                        const std::vector<ThresholdDistance>& found);

}  // namespace qelvo::risk
