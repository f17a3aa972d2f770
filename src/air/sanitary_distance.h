// Sanitary protection distance of a production unit with fugitive emissions, from
// Qc/Cm = (1/A)·(B·L^C + 0.25·r²)^0.5·L^D with r² = S/π: the distance L for a known emission
// Qc (solved by bisection and raised to the graded distance), or the emission allowed at a
// given distance. A, B, C, D come from the guideline's table by the five-year mean wind
// speed, the distance range and the unit's category.
#pragma once

#include <string>
#include <string_view>

#include "common/calculator.h"

namespace qelvo::air {

constexpr int kNoStack = 1;  // "无" of "排放同种有害气体的排气筒"

struct SanitaryInput {
    double S = 0;                  // m^2, area of the unit
    double u = 2.2;                // m/s
    std::string pollutant = "苯";
    std::string Cm = "2.4";        // mg/m^3, the standard field's text
    int stack = 1;                 // 有, 无: a stack emitting the same gas
    int toxicity = 1;              // 按急性, 按慢性反应指标确定 (shown without a stack)
    int share = 0;                 // 大于, 小于允许的1/3 (shown with a stack)
    double Qc = 0;                 // kg/h
    double L = 0;                  // m
    int action = 0;                // 0 计算卫生防护距离结果, 1 计算无组织排放量结果
    // Kept by the page: the distance that selects the coefficient range (0 when the page
    // opens; set by either action) and the graded distance last shown.
    double Lsel = 0;
    int graded = 0;
};

struct SanitaryResult {
    double Qc = 0;
    double L = 0;
    int graded = 0;
    double Lsel = 0;  // for the page to keep
    Refusal refusal;
};

SanitaryResult computeSanitary(const SanitaryInput& in);

struct SanitaryCoefficients {
    float A, B, C, D;
};

// Category I: a stack above one third of its allowance; II: a stack below it, or no stack and
// an acute-effect standard; III: no stack and a chronic-effect standard.
int sanitaryCategory(int stack, int toxicity, int share);
SanitaryCoefficients sanitaryCoefficients(double Lsel, double u, int category);

// (1/A)·(B·L^C + S·0.25/π)^0.5·L^D, the ratio Qc/Cm the unit may reach at the distance L.
double sanitaryRatio(const SanitaryCoefficients& k, double S, double L);

// The distance where the ratio reaches Qc/Cm, by bisection on [0, 20000] m.
double solveSanitaryDistance(const SanitaryCoefficients& k, double ratio, double S);
constexpr double kSanitaryLongest = 20000;

// The distance raised to the next step of 50 m (to 100 m), 100 m (to 1000 m) or 200 m.
int gradedDistance(double L);

// "有" / "无": shows one of the two choices and sets both to their first option.
void applyStackChoice(SanitaryInput& in, int stack);
// "toxicity" is shown without a stack, "share" with one; every other field always.
bool sanitaryFieldShown(const SanitaryInput& in, std::string_view key);

// Tooltips of the page, by field key or button.
inline const char* kSanitaryDistanceTip = "已知无组织排放量计算卫生防护距离的值";
inline const char* kSanitaryEmissionTip = "已知卫生防护距离控制无组织排放量的值";
inline const char* kSanitaryAreaTip = "无组织排放源所在生产单元的面积";
inline const char* kSanitaryStandardTip = "选项里没有的污染因子，浓度数据可以直接在这里输入";
inline const char* kSanitaryGradingTip =
    "卫生防护距离在100m以内时，级差为50m；超过100m，但小于或等于1000m时，级差为100m；超过1000m以上，级差为200m。";

const CalculatorDef<SanitaryInput, SanitaryResult>& sanitaryCalculator();

}  // namespace qelvo::air
