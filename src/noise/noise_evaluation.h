// Noise evaluation quantities: the equivalent continuous A level Leq of a series of levels
// (with durations, or equally spaced) and the day–night level Ldn.
#pragma once

#include <string>

#include "common/calculator.h"

namespace qelvo::noise {

struct EvaluationInput {
    int mode = 0;                         // 0 Leq, 1 Ldn
    std::string levels = "70,65,60";      // dBA, separated by ","
    std::string durations = "20,30,40";   // any one unit
    int equalIntervals = 0;
    float Ld = 70, Td = 9, Ln = 65, Tn = 15;
};

struct EvaluationResult {
    int mode = 0;    // 0 Leq, 1 Ldn
    int count = 0;   // levels averaged (Leq)
    double value = 0;  // dBA
    Refusal refusal;
};

EvaluationResult computeEvaluation(const EvaluationInput& in);

inline const char* kLeqExplanation =
    "等效连续A声级Leq：\n将某点在一段时间内测得的不同A声级变化，用能量平均的方法以A声级表示该段时间内的噪声大小，"
    "这个声级称为等效连续声级，单位为分贝A，dBA。实际上相当于时间加权平均值。\n"
    "计算公式：Leq=10*lg((∑(△Ti*10^(0.1*Li)))/△T)";
inline const char* kLdnExplanation =
    "昼夜等效声级Ldn：\n为了考虑噪声在夜间对人影响更为严重，将夜间(22:00～7:00)噪声另增加10dB加权处理后，"
    "用能量平均的方法得出的24小时A声级的平均值，单位为dBA。\n"
    "计算公式：Ldn=10*lg((Td*10^(0.1*Ld)+Tn*10^(0.1*(Ld+10)))/24)";

const CalculatorDef<EvaluationInput, EvaluationResult>& evaluationCalculator();

}  // namespace qelvo::noise
