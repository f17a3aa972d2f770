// Coal and oil combustion exhaust ("燃煤(油)废气"): from a boiler's yearly fuel use, the yearly
// flue gas volume, SO2 and dust (烟尘) emissions, their initial concentrations, the emissions
// allowed at the concentration limits and the reductions needed.
#pragma once

#include "common/calculator.h"

namespace qelvo::air {

constexpr int kOil = 0, kCoal = 1;

struct CombustionInput {
    int fuel = kOil;   // "油", "煤"
    float W = 0;       // t/a
    float Cs = 500;    // mg/m^3, SO2 limit
    float Cd = 100;    // mg/m^3, dust limit
    float S = 0.3f;    // % sulphur
    float A = 12;      // % ash
    float dfh = 20;    // % of the ash leaving as dust
    float Cfh = 20;    // % combustibles in the dust
    // Kept by the page: the initial concentrations last shown, which stay when there is no
    // flue gas.
    int CS0 = 0, CD0 = 0;
};

struct CombustionResult {
    float Vg = 0;          // 10^4 m^3 (standard), yearly flue gas
    int CS0 = 0, CD0 = 0;  // mg/m^3
    float GS = 0, GD = 0;  // t/a, SO2 and dust
    float GSallowed = 0, GDallowed = 0;  // t/a at the limits
    float dS = 0, dD = 0;  // t/a still to be removed
    Refusal refusal;
};

CombustionResult computeCombustion(const CombustionInput& in);

// Choosing the fuel writes its sulphur content and the two limits.
struct FuelDefaults {
    float S, Cs, Cd;
};
FuelDefaults fuelDefaults(int fuel);
void applyFuelChoice(CombustionInput& in, int fuel);

const CalculatorDef<CombustionInput, CombustionResult>& combustionCalculator();

}  // namespace qelvo::air
