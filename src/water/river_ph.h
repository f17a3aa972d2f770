// pH of a river after complete mixing with an acidic or alkaline wastewater, with the
// carbonic acid's first dissociation constant interpolated from the river temperature.
#pragma once

#include "common/calculator.h"

namespace qelvo::water {

struct PhInput {
    float Qh = 10;    // m^3/s
    float pHh = 7;
    float Cbh = 1;    // mgN/L
    float T = 20;     // °C
    float Qp = 0.5f;  // m^3/s
    float Cw = 10;    // wastewater acidity Cap or alkalinity Cbp, mgN/L
    int kind = 0;     // 0 acidic, 1 alkaline
};

struct PhResult {
    int kind = 0;  // of the wastewater: 0 acidic, 1 alkaline
    float Ka1 = 0;
    float pH = 0;         // not finite where the logarithm's argument is not positive
    double logArgument = 0;  // the ratio whose natural logarithm is added to pHh
    Refusal refusal;
};

// The wastewater value each kind starts from: choosing the kind sets Cw to it.
constexpr float kAcidDefault = 10;
constexpr float kAlkaliDefault = 0.5f;
void phChoiceRule(PhInput& in, std::string_view key);

// Ka1 at 0 … 40 °C, in the program's unit (the table's value · 0.1).
double carbonicKa1(double T);

PhResult computePh(const PhInput& in);

const CalculatorDef<PhInput, PhResult>& phCalculator();

}  // namespace qelvo::water
