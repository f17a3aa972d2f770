// Daily volume of sludge settled in a sedimentation tank, from the wastewater flow, its
// suspended solids, the removal rate, the sludge water content and the sludge density.
#pragma once

#include "common/calculator.h"

namespace qelvo::tools {

struct SludgeInput {
    float Q = 50;     // m^3/d
    float C = 300;    // mg/L
    float eta = 60;   // %
    float P = 20;     // %
    float rho = 300;  // t/m^3
};

struct SludgeResult {
    float V = 0;  // m^3/d
    Refusal refusal;
};

SludgeResult computeSludge(const SludgeInput& in);

const CalculatorDef<SludgeInput, SludgeResult>& sludgeCalculator();

}  // namespace qelvo::tools
