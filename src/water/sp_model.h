// The Streeter–Phelps (S-P) oxygen model: the wastewater mixed completely into the river,
// then BOD concentration and oxygen deficit at equal distances downstream.
#pragma once

#include <vector>

#include "common/calculator.h"

namespace qelvo::water {

struct SpInput {
    float Qh = 20;     // m^3/s
    float Ch = 0.5f;   // mg/L
    float Qp = 2;      // m^3/s
    float Cp = 100;    // mg/L
    float u = 1;       // m/s
    float Dp = 4.1f;   // mg/L
    float Dh = 1.4f;   // mg/L
    float K1 = 1;      // 1/d
    float K2 = 1.5f;   // 1/d
    float lmax = 3000; // m
    float l = 100;     // m
    int onlyMixed = 0; // only the fully mixed concentration
};

struct SpRow {
    int k;
    float x, C, D;
};

struct SpResult {
    float C0 = 0;  // fully mixed concentration, mg/L
    float D0 = 0;  // initial deficit, mg/L
    int onlyMixed = 0;
    std::vector<SpRow> rows;
    Refusal refusal;
};

SpResult computeSp(const SpInput& in);

// The result table without rows: its titles and sheet name for either mode.
Table spTable(bool onlyMixed);

const CalculatorDef<SpInput, SpResult>& spCalculator();

}  // namespace qelvo::water
