// Jet fire: flame length, the radiation of a point source at four fifths of the flame
// length, the death and burn probabilities at a receptor, and the distances at which the
// radiation falls to the damage thresholds.
#pragma once

#include <string>

#include "common/calculator.h"
#include "risk/thermal_radiation.h"

namespace qelvo::risk {

inline const char* kJetFireOpeningText =
    "    对于易燃易爆气体如H2、天然气，以及易燃易爆的液化气体来说，泄漏后可能因摩擦产生的静电立即点火，产生喷射火。\r\n"
    "    本模型假定火焰为圆锥形，并用从泄漏处到火焰长度4/5处的点源模型来表示。";

struct JetFireInput {
    float m = 0.01f;       // kg/s
    float Hc = 4.18256e7f; // J/kg: 41825632 as its field shows it
    float f = 0.3f;        // radiated fraction
    float t = 40;          // s, exposure
    float x = 10;          // m from the point source
};

// Radiation at distance x from the point source of a fire releasing Q W, kW/m^2.
double jetRadiation(double Q, double f, double x);

struct JetFireResult {
    float Q = 0;   // W, heat release
    float Lf = 0;  // m, flame length
    float x = 0;   // m, the receptor's distance as the formulas received it
    float q = 0;   // kW/m^2
    float Pd = 0, P2 = 0, P1 = 0;
    RadiationDistances hazard;
    Refusal refusal;
};

JetFireResult computeJetFire(const JetFireInput& in);

const CalculatorDef<JetFireInput, JetFireResult>& jetFireCalculator();

}  // namespace qelvo::risk
