// Fugitive (无组织) emission rates: evaporation from the open storage of a harmful substance
// (Mazak formula), evaporation of a liquid other than water with its capture and treatment
// shares, leaks from equipment and pipes, and odour release from a pile or landfill. The
// two dust calculators are in dust.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/calculator.h"

namespace qelvo::air {

// "参考资料" topics of the pages.
inline const char* kOpenStorageHelp = "\\qelvohelp.chm::\\大气预测模式\\无组织排放量计算\\有害物质敞露存放的散发量计算.htm";
inline const char* kLiquidEvaporationHelp = "\\qelvohelp.chm::\\大气预测模式\\无组织排放量计算\\液体蒸发量的计算.htm";
inline const char* kEquipmentLeakHelp =
    "\\qelvohelp.chm::\\大气预测模式\\无组织排放量计算\\生产设备和管道不严密处的散发量计算.htm";

// Open storage, "马扎克公式": G = (5.38 + 4.1u)·Pv·F·M^0.5 [g/h].
struct OpenStorageInput {
    double u = 0.8;   // m/s
    double F = 1.44;  // m^2
    double M = 78;
    float T = 298;    // K
    std::string substance;
    float Pv = 93.98f;  // mmHg
};

struct OpenStorageResult {
    double G = 0;  // g/h
    Refusal refusal;
};

OpenStorageResult computeOpenStorage(const OpenStorageInput& in);

// The substances of the list and their vapour-pressure constants: choosing one sets
// Pv = 10^(A − 0.05223·B/T) at the current T.
struct Substance {
    const char* name;
    double A, B;
};
const std::vector<Substance>& substances();
// The note beside the substance list.
inline const char* kSubstanceHint = "(选框里没有可手动输入)";

struct SubstancePressure {
    float Pv = 0;
    Refusal refusal;
};
SubstancePressure computeSubstancePressure(const OpenStorageInput& in);

// Liquid evaporation: Gz = (0.000352 + 0.000786·V)·P·M·F [kg/h], split into the fugitive
// part and the captured part left after treatment.
struct LiquidEvaporationInput {
    float V = 0.3f, F = 22, M = 20, P = 0.27f;
    float capture = 85, treatment = 90;  // %
};

struct LiquidEvaporationResult {
    double Gz = 0, Gf = 0, Go = 0;  // kg/h: evaporated, fugitive, from the stack
    Refusal refusal;
};

LiquidEvaporationResult computeLiquidEvaporation(const LiquidEvaporationInput& in);
std::string liquidEvaporationText(const LiquidEvaporationResult& r);

// Equipment and pipe leaks: Gc = V·K·C·(M/T)^0.5 [kg/h].
struct EquipmentLeakInput {
    float V = 2, T = 298, M = 78, K = 1.5f, C = 0;
};

struct EquipmentLeakResult {
    float Gc = 0;
    Refusal refusal;
};

EquipmentLeakResult computeEquipmentLeak(const EquipmentLeakInput& in);

// Odour: E = 2·C·W·m/M·(D·L·u/(π·F))^0.5 [cm^3/s]. A non-positive D·L·u/(π·F) is answered
// with "无效的数字，请重新输入！" and E = 0.
struct OdourInput {
    double u = 0, D = 0, W = 0, L = 0, m = 0, M = 0, C = 0, F = 0;
};

struct OdourResult {
    double E = 0;
    bool invalid = false;  // the message is shown and E set to 0
    Refusal refusal;
};

inline const char* kInvalidNumber = "无效的数字，请重新输入！";

OdourResult computeOdour(const OdourInput& in);

const CalculatorDef<OpenStorageInput, OpenStorageResult>& openStorageCalculator();
const CalculatorDef<OpenStorageInput, SubstancePressure>& substancePressureCalculator();
const CalculatorDef<LiquidEvaporationInput, LiquidEvaporationResult>& liquidEvaporationCalculator();
const CalculatorDef<EquipmentLeakInput, EquipmentLeakResult>& equipmentLeakCalculator();
const CalculatorDef<OdourInput, OdourResult>& odourCalculator();

}  // namespace qelvo::air
