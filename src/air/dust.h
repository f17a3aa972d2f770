// Dust (扬尘): the dust rising from a coal pile (the model of Tsinghua University's field
// tests at the Huozhou power plant) and the dust raised by road transport. The two are the
// tabs of one page, with one "参考资料" topic.
#pragma once

#include "common/calculator.h"

namespace qelvo::air {

inline const char* kDustHelp = "\\qelvohelp.chm::\\大气预测模式\\无组织排放量计算\\扬尘计算.htm";

// Q = 11.7·U^2.45·S^0.345·e^(−0.5·W) [mg/s].
struct CoalPileInput {
    float U = 1.5f;  // m/s
    float S = 40;    // m^2
    float W = 10;    // %
};

struct CoalPileResult {
    float Q = 0;
    Refusal refusal;
};

CoalPileResult computeCoalPile(const CoalPileInput& in);

// Qt = 0.123·(V/5)·(M/6.8)^0.85·(P/0.5)^0.72·L·Q/M [kg/a].
struct TransportInput {
    float V = 30;     // km/h
    float M = 1;      // t per vehicle
    float L = 0.1f;   // km
    float Q = 3000;   // t/a
    float P = 0.01f;  // kg/m^2 of dust on the road
};

// The note beside the road field.
inline const char* kRoadDustNote = "以每平方米路面灰尘覆盖率表示";

struct TransportResult {
    float Qt = 0;
    Refusal refusal;
};

TransportResult computeTransport(const TransportInput& in);

const CalculatorDef<CoalPileInput, CoalPileResult>& coalPileCalculator();
const CalculatorDef<TransportInput, TransportResult>& transportCalculator();

}  // namespace qelvo::air
