// One-dimensional daily mean water temperature below a warm-water outfall, at equal
// distances downstream.
#pragma once

#include <vector>

#include "common/calculator.h"

namespace qelvo::water {

struct TemperatureInput {
    float Qh = 10;     // m^3/s
    float Qp = 1;      // m^3/s
    float H = 1;       // m
    float u = 1;       // m/s
    float Th = 10;     // °C
    float Ts = 15;     // °C
    float Tp = 100;    // °C
    float Td = 1.5f;   // °C
    float Wz = 1;      // m/s
    float Hs = 1.5f;   // W/m^2
    float xmax = 2000; // m
    float xc = 50;     // m
};

struct TemperatureRow {
    int k;
    float x, T;
};

struct TemperatureResult {
    double K = 0;   // surface heat exchange coefficient
    double T0 = 0;  // fully mixed temperature
    double Te = 0;  // equilibrium temperature
    std::vector<TemperatureRow> rows;
    Refusal refusal;
};

TemperatureResult computeTemperature(const TemperatureInput& in);

// The result table without rows: titles and sheet name.
Table temperatureTable();

const CalculatorDef<TemperatureInput, TemperatureResult>& temperatureCalculator();

}  // namespace qelvo::water
