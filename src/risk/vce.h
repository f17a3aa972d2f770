// Vapour cloud explosion: the flashed fuel mass, and either its TNT equivalent with the
// dimensionless distance the assessor reads an overpressure for off the chart, or the
// overpressure of the direct fit with its death probability; the distances at which the
// overpressure falls to the damage thresholds; and the chart of the lookup window.
#pragma once

#include <string>
#include <vector>

#include "common/calculator.h"
#include "risk/distance_solver.h"

namespace qelvo::risk {

inline const char* kVceOpeningText =
    "    易燃易爆气体如H2、天然气等，泄漏后随着风向扩散，与周围空气混合成易燃易爆混合物，在扩散扩过程中如遇到点火源，延迟点火，"
    "由于存在某些特殊原因和条件，火焰加速传播，产生爆炸冲击波超压，发生蒸气云爆炸。\r\n"
    "    易燃易爆的液化气体如液化石油气、液化丙烷、液化丁烷等，其沸点远小于环境温度，泄漏后将会由于自身的热量、地面传热、太阳辐射、"
    "气流运动等迅速蒸发，在液池上面形成蒸气云，与周围空气混合成易燃易爆混合物，并且随着风向扩散，扩散扩过程中如遇到点火源，也会发生蒸气云爆炸。";

enum VceMethod { kTntMethod = 0, kDirectMethod = 1 };

struct VceInput {
    int method = kTntMethod;  // TNT当量法, 直接计算法
    float W = 100;            // kg of fuel
    float Hf = 4.18256e7f;    // J/kg: 41825632 as its field shows it
    float T1 = 200;           // °C in the vessel
    float T2 = 80.1f;         // °C, boiling point
    float HTNT = 4520000;     // J/kg (TNT method)
    float L = 434259;         // J/kg: 434259.4 as its field shows it
    float ae = 0.03f;         // TNT equivalence (TNT method)
    float Cp = 1737.2f;       // J/(kg·K)
    float eta = 0.03f;        // explosion efficiency (direct method)
    float a = 0.04f;          // vapour cloud equivalence (direct method)
    float Pa = 101325;        // Pa (direct method)
    float x = 10;             // m
    float dP = 0;             // Pa read off the chart (TNT method); 0: none read
};

struct VceResult {
    int method = kTntMethod;
    float Fv = 0, Wf = 0;     // flashed fraction, kg in the cloud
    float WTNT = 0, Rbar = 0; // TNT method: kg of TNT, dimensionless distance
    float E = 0;              // direct method: J
    float dP = 0, Pd = 0;     // Pa and death probability (direct, or read off the chart)
    bool lookedUp = false;    // TNT method with an overpressure read off the chart
    std::vector<ThresholdDistance> distances;
    Curve curve;          // Pa against distance
    Refusal refusal;
};

VceResult computeVce(const VceInput& in);

// Pd = 0.1·(1.43·log10 ΔP + 2.47), limited to [0, 1]; ΔP in Pa.
double overpressureDeathProbability(double dP);

// The overpressure thresholds in MPa: 0.02, 0.05, 0.1.
const std::vector<Threshold>& overpressureThresholds();

// What the page keeps between commands: the last TNT equivalent and dimensionless distance
// (0 until the TNT method ran; the lookup window shows this R̄), the last overpressure and
// death probability.
struct VceMemory {
    float WTNT = 0, Rbar = 0, dP = 0, Pd = 0;
};
void remember(VceMemory& memory, const VceResult& result);

// "确定" in the lookup window with the typed overpressure: 0 changes nothing (changed false);
// otherwise the page keeps it, works out Pd and shows lookupText(memory). A negative
// overpressure is refused.
struct LookupOutcome {
    bool changed = false;
    Refusal refusal;
};
LookupOutcome applyLookup(VceMemory& memory, float typed);

// The TNT method's text after an overpressure was read off the chart.
std::string lookupText(const VceMemory& memory);

// The chart of the lookup window: dimensionless overpressure (ΔP in units of 9806.65 Pa)
// against the dimensionless distance R̄, both axes logarithmic.
constexpr double kKgfPerCm2 = 9806.65;  // Pa in one unit of the chart's overpressure
struct OverpressureChart {
    double xMin = 1, xMax = 100;       // R̄
    double yMin = 0.01, yMax = 100;    // ΔP / 9806.65 Pa
    double curveFrom = 1.2, curveTo = 80;
    std::vector<double> xs, ys;        // the curve, tabulated
    std::vector<double> xGrid, yGrid;  // 1, 2, …, 9 of each decade
    std::string title, xLabel, yLabel;
    std::string curveName;             // says what the curve is, on the chart
};
// The chart's curve, on [1.2, 80]. The handbook's chart gives only its two ends (60 at 1.2,
// 0.01 at 80); between them it is taken as the straight line on log–log paper. This is the
// one function to replace when a tabulated curve is at hand.
double chartOverpressure(double Rbar);
const OverpressureChart& overpressureChart();

const CalculatorDef<VceInput, VceResult>& vceCalculator();

}  // namespace qelvo::risk
