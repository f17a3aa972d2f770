// BLEVE: the fireball of a boiling liquid expanding vapour explosion, its thermal radiation
// at a receptor and the death and burn probabilities there, with the distances at which the
// radiation falls to the damage thresholds.
#pragma once

#include <string>

#include "common/calculator.h"
#include "risk/thermal_radiation.h"

namespace qelvo::risk {

inline const char* kBleveOpeningText =
    "    易燃易爆的液化气体容器在外部火焰的烘烤下可能发生突然破裂，压力平衡被破坏，液体急剧气化，并随即被火焰点燃而发生爆炸，"
    "产生巨大的火球。这种事故被称为沸腾液体扩展为蒸气云爆炸。";
inline const char* kInsideFireball = "距离储罐距离小于火球半径，热辐射强度不能计算";

struct BleveInput {
    float W = 100;              // kg in the tank
    float Hv = 434256;          // J/kg: 434256.4 as its field shows it
    float Pw = 4245.5f;         // Pa
    float Hc = 4.18256e7f;      // J/kg: 41825632 as its field shows it
    int storage = 0;            // 单罐储存, 双罐储存, 多罐储存
    float Cp = 1737.2f;         // J/(kg·K)
    float RH = 0.5f;            // relative humidity
    float P = 1.936f;           // MPa at the rupture
    float dT = 1700;            // K, flame surface above ambient
    float x = 10;               // m, horizontal distance from the tank
};

// The share of the tank's mass in the fireball by storage (0.5 single, 0.7 double, 0.9 many).
float storageFactor(int storage);

// The fireball, independent of the receptor.
struct Fireball {
    float Wf = 0;  // kg
    float D = 0;   // m, diameter, also its lift height
    float t = 0;   // s, duration
    float f = 0;   // radiated fraction
    float E = 0;   // W/m^2, surface emissive power
};

// Radiation received at horizontal distance x from the tank, W/m^2 (x beyond the fireball's
// radius): geometric view (Rf/R)² and the transmissivity of the path from its surface.
double fireballRadiation(const Fireball& ball, float RH, float Pw, double x);

struct BleveResult {
    Fireball ball;
    float x = 0;          // m, the receptor's distance as the formulas received it
    bool inside = false;  // x within the fireball's radius: no radiation, probabilities 1
    float q = 0;          // W/m^2
    float Pd = 0, P2 = 0, P1 = 0;
    RadiationDistances hazard;
    Refusal refusal;
};

BleveResult computeBleve(const BleveInput& in);

const CalculatorDef<BleveInput, BleveResult>& bleveCalculator();

}  // namespace qelvo::risk
