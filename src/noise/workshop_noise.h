// Workshop noise radiated through a wall: the Green formula (a distance table and the
// distance at which a target level is met), the Stueber formula, and Lp1, the indoor level
// 1 m inside the wall from a source's sound power.
#pragma once

#include <vector>

#include "common/calculator.h"

namespace qelvo::noise {

inline const char* kTargetNotAboveBackground = "达标值必须大于背景值，请重新输入！";

struct GreenInput {
    float Lp1 = 80;       // dB, 1 m inside the wall
    float TL = 15;        // dB, the wall's insulation
    float F = 100;        // m^2, the wall towards the boundary
    float lmax = 200;     // m
    float l = 10;         // m
    float Lbg = 58.4f;    // dB, background
    float Ltarget = 60;   // dB
};

struct GreenRow {
    float r, Lp, Ltot;
};

struct GreenTable {
    std::vector<GreenRow> rows;
    Refusal refusal;
};

struct Distance {
    float L = 0;  // m
    Refusal refusal;
};

GreenTable computeGreen(const GreenInput& in);
// The distance table without rows: its titles.
Table greenTable();
Distance computeGreenDistance(const GreenInput& in);

struct StueberInput {
    float LR = 90;          // dB, the workshop's mean level
    float H = 1;            // m, mean source height
    float a = 10, b = 10;   // m, length and width
    float dLR = 0;          // dB, mean screening
    float f = 500;          // Hz
    float d1 = 0.63f, d2 = 1.2f, d3 = 1.58f;  // m, path differences
    float r = 20;           // m
    float Lbg = 58.4f;      // dB
    float Ltarget = 60;     // dB
};

struct StueberLevel {
    float level = 0;  // dB with the background
    Refusal refusal;
};

StueberLevel computeStueber(const StueberInput& in);
Distance computeStueberDistance(const StueberInput& in);

struct Lp1Input {
    float Lw = 90;      // dB
    float Q = 1;        // directivity
    float S = 300;      // m^2
    float alpha = 0.01f;
    float r = 2;        // m
};

struct Lp1Result {
    float Lp1 = 0;
    Refusal refusal;
};

Lp1Result computeLp1(const Lp1Input& in);

const CalculatorDef<GreenInput, GreenTable>& greenCalculator();
const CalculatorDef<GreenInput, Distance>& greenDistanceCalculator();
const CalculatorDef<StueberInput, StueberLevel>& stueberCalculator();
const CalculatorDef<StueberInput, Distance>& stueberDistanceCalculator();
const CalculatorDef<Lp1Input, Lp1Result>& lp1Calculator();

}  // namespace qelvo::noise
