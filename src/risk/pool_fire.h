// Pool fire: pool diameter, burning rate, flame height, burning time and the flame's surface
// heat flux; and, treating the flame as a point source at the pool's centre, the distances
// at which its radiation falls to the damage thresholds.
#pragma once

#include <string>

#include "common/calculator.h"
#include "risk/thermal_radiation.h"

namespace qelvo::risk {

struct PoolFireInput {
    float W = 100;           // kg spilled
    float Hc = 4.18256e7f;   // J/kg: 41825632 as its field shows it
    float Hv = 434256;       // J/kg: 434256.4 as its field shows it
    float Ta = 25;           // °C
    float t = 40;            // s, exposure (takes no part in the model)
    float Cp = 1737.2f;      // J/(kg·K)
    float rho = 880;         // kg/m^3
    float Tb = 80.1f;        // °C
    int ground = 2;          // 草地, 粗糙地面, 平整地面, 混凝土地面, 平静的水面
    float f = 0.35f;         // radiated fraction
    float x = 10;            // m (takes no part in the model)
};

// The thickness of the spilled layer on a ground, m.
double layerThickness(int ground);

struct PoolFireResult {
    float D = 0;   // m, pool diameter
    float m = 0;   // kg/(m^2·s), burning rate per area
    float L = 0;   // m, flame height
    float tb = 0;  // s, burning time
    float q0 = 0;  // W/m^2, flame surface heat flux
    double radiatedPower = 0;  // W: q0 over the flame's top and side
    RadiationDistances hazard;
    Refusal refusal;
};

PoolFireResult computePoolFire(const PoolFireInput& in);

// Radiation at distance x from a point source radiating `power` W, kW/m^2.
double pointSourceRadiation(double power, double x);

const CalculatorDef<PoolFireInput, PoolFireResult>& poolFireCalculator();

}  // namespace qelvo::risk
