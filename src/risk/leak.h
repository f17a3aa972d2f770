// Release rates through a breach in a vessel or pipe: a liquid by the Bernoulli equation, a
// gas with its critical or subcritical regime, and a flashing two-phase liquid.
#pragma once

#include <string>

#include "common/calculator.h"

namespace qelvo::risk {

// The liquid leak page's fixed texts.
inline const char* kLiquidLeakFormulaTitle = "计算公式如下:";
inline const char* kLiquidLeakFormula = "QL=Cd*A*ρ*(2*(P-P0)/ρ+2*g*h)^0.5";
inline const char* kLiquidLeakCondition = "应用条件：液体在喷口内不应有急剧蒸发";

struct LiquidLeakInput {
    float A = 0.05f;      // m^2
    float P = 110000;     // Pa, in the vessel
    float h = 2;          // m, liquid above the breach
    float rho = 0.9f;     // kg/m^3
    float P0 = 101300;    // Pa, ambient
    float Cd = 0.62f;     // discharge coefficient
};

struct LiquidLeakResult {
    double QL = 0;  // kg/s
    Refusal refusal;
};

LiquidLeakResult computeLiquidLeak(const LiquidLeakInput& in);

struct GasLeakInput {
    float A = 0.05f;     // m^2
    int shape = 0;       // 圆形, 三角形, 长方形
    float P = 110000;    // Pa
    float P0 = 101300;   // Pa
    float M = 350;       // g/mol
    float TG = 400;      // K
    float kappa = 1.4f;  // heat capacity ratio
};

// The discharge coefficient of the breach shape (1.0 round, 0.95 triangular, 0.9
// rectangular); the page sets it when the shape changes.
double shapeCoefficient(int shape);

struct GasLeakResult {
    double r = 0, rc = 0;  // pressure ratio P0/P and its critical value
    bool critical = false;
    double Cd = 1, Y = 0;  // shape and flow coefficients
    double QG = 0;         // kg/s
    Refusal refusal;
};

GasLeakResult computeGasLeak(const GasLeakInput& in);

struct TwoPhaseLeakInput {
    float A = 0.05f;    // m^2
    float rho1 = 1000;  // kg/m^3, the vapour
    float rho2 = 1100;  // kg/m^3, the liquid
    float H = 1100;     // J/kg, heat of vaporisation
    float Tc = 400;     // K
    float P = 300;      // Pa
    float TLG = 410;    // K
    float Cp = 80;      // J/(kg·K)
};

struct TwoPhaseLeakResult {
    double Fv = 0;    // flashed fraction
    double rhoM = 0;  // kg/m^3, mixture
    double QLG = 0;   // kg/s
    Refusal refusal;
};

TwoPhaseLeakResult computeTwoPhaseLeak(const TwoPhaseLeakInput& in);

// The flash-fraction line under QLG: the fraction, and for Fv > 1 the advice to compute a gas
// leak instead (the rate is shown in both cases).
std::string flashFractionMessage(double Fv);

const CalculatorDef<LiquidLeakInput, LiquidLeakResult>& liquidLeakCalculator();
const CalculatorDef<GasLeakInput, GasLeakResult>& gasLeakCalculator();
const CalculatorDef<TwoPhaseLeakInput, TwoPhaseLeakResult>& twoPhaseLeakCalculator();

}  // namespace qelvo::risk
