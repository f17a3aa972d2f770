// Contour lines of a Grid, level by level.
//
// For one level the crossing of every cell edge is tabulated once; lines are then followed
// from crossing to crossing, each crossing used once, so a level costs time proportional
// to the number of edges. Lines that start and end on the border come first (bottom, left,
// top, right), then the closed lines inside, which end on their start point.
#pragma once

#include <string>
#include <vector>

#include "contour/contour_levels.h"
#include "contour/grid.h"

namespace qelvo::contour {

struct ContourPoint {
    float x;
    float y;
};

using ContourLine = std::vector<ContourPoint>;

struct ContourResult {
    std::vector<std::vector<ContourLine>> lines;  // one list per level, in level order
    std::string error;                            // "内存分配失败!" when a list could not be made
};

ContourResult traceContours(const Grid& grid, const LevelSet& levels);

// The crossing of a level on an edge from value a to value b, as a fraction from a; −2 for
// none. A node exactly on the level counts as 0.001 above it.
float edgeCrossing(float a, float b, float level);

constexpr float kNoCrossing = -2.0f;

}  // namespace qelvo::contour
