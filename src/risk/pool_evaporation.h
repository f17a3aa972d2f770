// Evaporation of a spilled liquid pool: flash evaporation of a superheated liquid, heat
// conduction from the ground and mass transfer by wind, each worked out in a small window
// of the page, and the total the page forms from the three rates and their times. What each
// window hands back when it closes is the page's business (risk/pages/pool_evaporation_page.h).
#pragma once

#include "common/calculator.h"

namespace qelvo::risk {

// "过热液体闪蒸量计算"
struct FlashInput {
    float WT = 20;    // kg leaked
    float t1 = 50;    // s
    float Cp = 1000;  // J/(kg·K)
    float TL = 298;   // K before the leak
    float Tb = 85;    // K, boiling point
    float H = 4500;   // J/kg
};
struct FlashResult {
    float Q1 = 0;  // kg/s
    Refusal refusal;
};
FlashResult computeFlash(const FlashInput& in);

// "热量蒸发量计算"
struct HeatInput {
    float S = 5;         // m^2, pool area
    float t = 50;        // s
    float lambda = 1.1f; // W/(m·K)
    float alpha = 1.29f; // m^2/s, in units of 1e-7
    float T0 = 298;      // K
    float Tb = 280;      // K
    float H = 1000;      // J/kg
};
struct HeatResult {
    float Q2 = 0;  // kg/s
    Refusal refusal;
};
HeatResult computeHeat(const HeatInput& in);

// "质量蒸发量计算"
struct MassInput {
    float P = 2000;     // Pa, vapour pressure at the surface
    float r = 5;        // m, pool radius
    int stability = 0;  // 不稳定(A,B), 中性(D), 稳定(E,F)
    float M = 320;      // molecular weight, used as entered
    float T0 = 298;     // K
    float u = 2;        // m/s
};

// n and α of a stability class; the window sets them when the class changes.
struct StabilityCoefficients {
    float n, alpha;
};
StabilityCoefficients stabilityCoefficients(int stability);

struct MassResult {
    float Q3 = 0;  // kg/s
    Refusal refusal;
};
MassResult computeMass(const MassInput& in);

// The page: the three rates and their times (all 0 at first).
struct PoolEvaporationInput {
    float Q1 = 0, Q2 = 0, Q3 = 0;  // kg/s
    float t1 = 0, t2 = 0, t3 = 0;  // s
};
struct PoolEvaporationResult {
    float Wp = 0;  // kg
    Refusal refusal;
};
PoolEvaporationResult computePoolEvaporation(const PoolEvaporationInput& in);

const CalculatorDef<FlashInput, FlashResult>& flashEvaporationCalculator();
const CalculatorDef<HeatInput, HeatResult>& heatEvaporationCalculator();
const CalculatorDef<MassInput, MassResult>& massEvaporationCalculator();
const CalculatorDef<PoolEvaporationInput, PoolEvaporationResult>& poolEvaporationCalculator();

}  // namespace qelvo::risk
