// Domestic sewage and refuse of a workforce: water use and discharge per day and year,
// COD and NH3-N loads before and after treatment, and refuse per day and year.
#pragma once

#include "common/calculator.h"

namespace qelvo::water {

struct SewageInput {
    float N = 0;       // workers
    float Nr = 0;      // of whom live on site
    float d = 300;     // working days a year
    float q1 = 50;     // L per day, not living on site
    float q2 = 100;    // L per day, living on site
    float k = 80;      // % of the water use discharged
    float CODi = 500;  // mg/L
    float CODs = 100;  // mg/L
    float NHi = 35;    // mg/L
    float NHs = 15;    // mg/L
};

struct SewageResult {
    float Wy = 0, Qd = 0, Qy = 0;        // t/a, t/d, t/a
    float Ecod = 0, Ecods = 0, Enh = 0, Enhs = 0, Rcod = 0, Rnh = 0;  // t/a
    float Gd = 0, Gy = 0;                // kg/d, t/a
    Refusal refusal;
};

SewageResult computeSewage(const SewageInput& in);

const CalculatorDef<SewageInput, SewageResult>& sewageCalculator();

}  // namespace qelvo::water
