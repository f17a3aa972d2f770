// Industrial noise of one point source, octave band by octave band, at a series of
// distances (2009 guideline): an indoor source made an equivalent outdoor one, geometric
// divergence, a reflecting surface, barrier, air absorption and ground effect, then
// A-weighting and the background.
#pragma once

#include <string>
#include <vector>

#include "common/calculator.h"

namespace qelvo::noise {

struct IndustrialInput {
    int sourceType = 0;   // 0 indoor, 1 outdoor point source
    int soundField = 0;   // 0 free field, 1 half-free field
    float Lbg = 55;       // dBA
    int rmax = 20;        // m
    int step = 1;         // m
    int known = 0;        // 0 the band sound power Lw, 1 the band level Lp0 at r0
    float Lw = 100, Lp0 = 80, r0 = 1, f = 500, T = 20, dA = -3.2f;
    int reflection = 0;
    float h0 = 1, h1 = 1;
    int position = 0;     // room centre, one wall, two walls, three walls
    float R = 1, TL = 25, r1 = 2, S = 10;
    int barrier = 0;
    float d1 = 1, d2 = 0, d3 = 0;
    int air = 1;
    float a = 2.8f, hr = 70, pa = 101.325f;
    int ground = 0;
    float hm = 2;
};

struct IndustrialPoint {
    double r;     // m
    double Lpr;   // after geometric divergence (and a reflection), dB
    double Abar;  // barrier, dB
    double Aatm;  // air absorption, dB
    double Agr;   // ground effect, dB
    double Lp;    // the band level, dB
    double LA;    // A level, dBA
    double Ltot;  // with the background, dBA
};

struct IndustrialResult {
    enum class Barrier { None, Infinite, Finite };
    bool indoor = false;
    double LwOutdoor = 0;  // the indoor source's equivalent outdoor power level
    Barrier barrier = Barrier::None;
    bool air = false;     // air absorption considered
    bool ground = false;  // ground effect considered (never with a barrier)
    std::vector<IndustrialPoint> points;
    Refusal refusal;
};

IndustrialResult computeIndustrial(const IndustrialInput& in);

// The result grid: "距离m" and the three level rows, a column per point.
Table industrialTable(const IndustrialResult& r);
// The result text: each point's attenuations.
std::string industrialText(const IndustrialResult& r);

// Atmospheric absorption coefficient by ISO 9613-1, dB/km.
struct AirAbsorptionInput {
    float T = 20;          // °C
    float hr = 70;         // %
    float pa = 101.325f;   // kPa
    float f = 500;         // Hz
};
struct AirAbsorptionResult {
    float a = 0;
    Refusal refusal;
};
AirAbsorptionResult computeAirAbsorption(const AirAbsorptionInput& in);

// A-weighting correction of an octave band, dB.
struct AWeightingInput {
    float f = 500;
};
struct AWeightingResult {
    float dA = 0;
    Refusal refusal;
};
AWeightingResult computeAWeighting(const AWeightingInput& in);

const CalculatorDef<IndustrialInput, IndustrialResult>& industrialCalculator();
const CalculatorDef<AirAbsorptionInput, AirAbsorptionResult>& airAbsorptionCalculator();
const CalculatorDef<AWeightingInput, AWeightingResult>& aWeightingCalculator();

}  // namespace qelvo::noise
