// Oil film spreading: the diameter of an oil slick on calm water a given time after a
// spill, by the P.C. Blokker formula for circular spreading without wind.
#pragma once

#include <string>

#include "common/calculator.h"

namespace qelvo::risk {

inline const char* kOilFilmNote = "—————采用P.C.Blokker公式\r\n假设油膜在无风条件下呈圆形扩展";

struct OilFilmInput {
    float V0 = 0.5f;       // m^3 spilled
    float D0 = 0.1f;       // m at the start
    float gamma = 1000;    // water
    float gamma0 = 850;    // oil
    float K = 15000;       // 1/min
    float t = 10;          // min
};

struct OilFilmResult {
    float t = 0;    // min, as the formula received it
    double Dt = 0;  // m
    Refusal refusal;
};

OilFilmResult computeOilFilm(const OilFilmInput& in);

const CalculatorDef<OilFilmInput, OilFilmResult>& oilFilmCalculator();

}  // namespace qelvo::risk
