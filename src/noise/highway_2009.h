// Hourly road traffic noise at one receiver by the 2009 guideline, per vehicle class:
// reference emission, flow and speed, distance, the finite road section, gradient and
// surface, attenuations and the urban-intersection addition; and the two helpers its page
// uses: the infinite barrier's attenuation from a path difference, and the path
// difference over a high embankment or low cutting.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/calculator.h"

namespace qelvo::noise {

struct Highway2009Input {
    float VL = 50, VM = 60, VS = 70;             // km/h
    float NL = 50, NM = 100, NS = 200;           // vehicles per hour
    float LoL = 83.71f, LoM = 80.78f, LoS = 76.68f;  // dBA at 7.5 m
    float r = 20, Lbg = 55, f = 500, T = 20;
    float psi = 100;                             // degrees, the finite section's angle
    float beta = 5;                              // %, gradient
    int surface = 0;                             // asphalt, cement concrete
    int barrier = 1;
    float Abar = 10;
    int embankment = 0;
    float embankmentA = 0;
    int rural = 0;
    float ruralA = 0;
    int air = 1;
    float a = 2.8f, hr = 70, pa = 101.325f;
    int ground = 0;
    float hm = 2;
    int intersection = 0;
    int crossing = 0;  // ≤40, 40～70, 70～100, >100 m
};

struct Highway2009Result {
    // Per vehicle class (large, medium, small), dB.
    double gradient[3] = {};  // △L坡度
    double surface[3] = {};   // △L路面
    double Leq[3] = {};
    bool hasTraffic[3] = {};  // N > 0: a class without vehicles has no level
    // The attenuations and the addition the page has switched on; none when off.
    std::optional<double> barrier, embankment, rural, air, ground, intersection;
    double total = 0;                // the three classes
    double totalWithBackground = 0;  // and the background
    float withBackground = 0;        // the same, as the result field keeps it
    Refusal refusal;
};

Highway2009Result computeHighway2009(const Highway2009Input& in);

// The result form's text: the totals, then every correction and attenuation.
std::string highway2009Text(const Highway2009Result& r);

// "声程差计算" hand-back: the infinite barrier's attenuation for a path difference δ.
struct BarrierInput {
    float delta = 0;  // m
    float f = 500;    // Hz
    float T = 20;     // °C
};
struct BarrierResult {
    float Abar = 0;
    Refusal refusal;
};
BarrierResult computeInfiniteBarrier(const BarrierInput& in);

// "高路堤或低路堑衰减量计算": the path difference over the road edge.
struct EmbankmentInput {
    float h1 = 1, h2 = 1.2f, h = 2, d1 = 5, a = 45;
    float r = 20;  // from the page
};
struct EmbankmentResult {
    float delta = 0;
    bool illuminated = false;  // the receiver sees the source: Abar = 0
    Refusal refusal;
};
EmbankmentResult computeEmbankment(const EmbankmentInput& in);

// A finite barrier that screens the fraction `ratio` (β/θ) of the view, from the infinite
// barrier's attenuation: the unscreened part still arrives in full. The curves of the
// correction chart.
double finiteBarrierAttenuation(double infinite, double ratio);

// The correction chart: the finite barrier's attenuation over β/θ (0 … 1), one curve for
// each infinite barrier's 5, 10, 15, 20 and 25 dB.
std::vector<Curve> finiteBarrierCurves();

// The infinite barrier's attenuation over the path difference δ (0 … 5 m) at 500 Hz and
// 20 °C, the chart beside the embankment geometry.
Curve barrierAttenuationCurve();

inline const char* kIlluminated = "预测点处于声照区，Abar=0！";

const CalculatorDef<Highway2009Input, Highway2009Result>& highway2009Calculator();
const CalculatorDef<BarrierInput, BarrierResult>& infiniteBarrierCalculator();
const CalculatorDef<EmbankmentInput, EmbankmentResult>& embankmentCalculator();

}  // namespace qelvo::noise
