// Hourly traffic noise beside a highway by the JTG B03-2006 model: reference emission per
// vehicle class, flow and distance corrections, embankment shadow, forest, buildings,
// ground and a finite road section, summed over the classes and with the background.
#pragma once

#include <string>

#include "common/calculator.h"

namespace qelvo::noise {

struct Highway2006Input {
    float VL = 65, VM = 70, VS = 75;     // km/h
    float NL = 300, NM = 400, NS = 600;  // vehicles per hour
    float n = 4;                         // lanes
    float W = 15;                        // m, lane width
    int gradient = 0;                    // ≤3, 4～5, 6～7, ＞7 %
    int surface = 0;                     // asphalt, cement concrete
    float A = 8, H2 = 3.8f, H3 = 0.8f, H1 = 1.2f, r = 30, theta = 150, f = 500;
    float ground = 3, building = 3, b = 0, Lbg = 55;
};

struct Highway2006Result {
    float Ltotal = 0;  // L环, with the background
    double Ltraffic = 0;
    double LAeq[3] = {}, L0[3] = {}, dLd[3] = {};
    bool hasTraffic[3] = {};  // N > 0: a class without vehicles has no level
    double r1 = 0, r2 = 0, dLsh = 0, dLforest = 0, dLbld = 0, dLtheta = 0, dLgr = 0;
    Refusal refusal;
};

Highway2006Result computeHighway2006(const Highway2006Input& in);

// "详细结果": every intermediate value of a computation.
std::string highway2006Details(const Highway2006Result& r);

struct SpeedInput {
    float eta1 = 0.25f, eta2 = 0.25f, eta3 = 0.5f;  // vehicle mix
    float Vd = 120;                                 // design speed, km/h
    float vol = 900;                                // vehicles per hour on one lane
};

struct SpeedResult {
    float V1 = 0, V2 = 0, V3 = 0;  // km/h: large, medium, small
    Refusal refusal;
};

SpeedResult computeSpeeds(const SpeedInput& in);

const CalculatorDef<Highway2006Input, Highway2006Result>& highway2006Calculator();
const CalculatorDef<SpeedInput, SpeedResult>& speedCalculator();

}  // namespace qelvo::noise
