// Sound path differences δ of a thin barrier between a point source and a receiver: one
// path over the top of an infinitely long barrier, or three (over the top and around each
// end) for a finite one.
#pragma once

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
    // How the sound reaches the receiver.
    enum class Path {
        Direct,        // over the top without touching the barrier: δ = 0
        AroundEnd,     // a finite barrier, round one end without touching it: δ = 0
        OverInfinite,  // over an infinitely long barrier
        OverFinite,    // over and round both ends of a finite barrier
    };
    Path path = Path::Direct;
    float delta1 = 0, delta2 = 0, delta3 = 0;  // m, as the fields keep them
    double m = 0;        // separation of source and receiver along the barrier (infinite)
    double m2 = 0;       // receiver from the barrier's perpendicular bisector (finite)
    double SP = 0;       // the direct path
    double SO[3] = {};   // source to O1 (top), O2 and O3 (the ends)
    double OP[3] = {};   // O1, O2, O3 to the receiver
    double delta[3] = {};  // SO + OP − SP, before rounding to the fields
    Refusal refusal;
};

PathDifferenceResult computePathDifference(const PathDifferenceInput& in);

const CalculatorDef<PathDifferenceInput, PathDifferenceResult>& pathDifferenceCalculator();

}  // namespace qelvo::noise
