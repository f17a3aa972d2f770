// Sound path differences δ of a thin barrier between a point source and a receiver: one
// path over the top of an infinitely long barrier, or three (over the top and around each
// end) for a finite one.
#pragma once

#include <string>

#include "common/calculator.h"

namespace qelvo::noise {

struct PathDifferenceInput {
    int mode = 0;      // 0 finite barrier, 1 infinitely long
    float H = 4;       // barrier height, m
    float h1 = 1;      // source height
    float h2 = 2;      // receiver height
    float d1 = 3;      // source to barrier
    float d2 = 5;      // receiver to barrier
    float L = 5;       // barrier length (finite)
    float m1 = 1;      // source from the barrier's perpendicular bisector (finite)
    int position = 0;  // 0 different sides, 1 same side m1 ≥ m2, 2 same side m1 < m2
    float r = 20;      // horizontal source–receiver distance, given by the caller
};

struct PathDifferenceResult {
    float delta1 = 0, delta2 = 0, delta3 = 0;
    std::string text;
    Refusal refusal;
};

PathDifferenceResult computePathDifference(const PathDifferenceInput& in);

const CalculatorDef<PathDifferenceInput, PathDifferenceResult>& pathDifferenceCalculator();

}  // namespace qelvo::noise
