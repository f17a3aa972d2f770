#include "noise/noise_evaluation.h"

#include <cmath>
#include <vector>

#include "common/number_format.h"
#include "common/number_parse.h"
#include "noise/decibel.h"

namespace qelvo::noise {
namespace {

constexpr std::size_t kMaxValues = 1000;

// The pieces of a ","-separated list; an empty piece counts as 0.
std::vector<double> splitNumbers(const std::string& text)
{
    std::vector<double> values;
    std::size_t start = 0;
    while (values.size() < kMaxValues) {
        const auto comma = text.find(',', start);
        values.push_back(leadingNumber(std::string_view(text).substr(start, comma - start)));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return values;
}

}  // namespace

EvaluationResult computeEvaluation(const EvaluationInput& in)
{
    EvaluationResult r;
    r.mode = in.mode;
    if (in.mode == 1) {
        if (in.Td < 0) r.refusal = {"白天持续时间Td不能为负数，请重新输入！", "Td"};
        else if (in.Tn < 0) r.refusal = {"夜间持续时间Tn不能为负数，请重新输入！", "Tn"};
        else if (in.Td == 0 && in.Tn == 0) r.refusal = {"白天持续时间Td和夜间持续时间Tn不能都为0，请重新输入！", "Td"};
        if (r.refusal.refused()) return r;
        const double energy = (in.Td * levelEnergy(in.Ld) + in.Tn * levelEnergy(in.Ln + 10.0)) * (1.0 / 24);
        if (!(energy > 0 && std::isfinite(energy))) {
            r.refusal = {"白天或夜间等效声级超出计算范围，请重新输入！", "Ld"};
            return r;
        }
        r.value = 10 * lg(energy);
        return r;
    }
    if (in.levels.find_first_not_of(" \t") == std::string::npos) {
        r.refusal = {"瞬时A声级不能为空，请重新输入！", "levels"};
        return r;
    }
    const std::vector<double> levels = splitNumbers(in.levels);
    const std::size_t n = levels.size();
    const Refusal levelsOutOfRange = {"瞬时A声级超出计算范围，请重新输入！", "levels"};
    if (in.equalIntervals) {
        double sum = 0;
        for (double l : levels) sum += levelEnergy(l);
        if (!(sum > 0 && std::isfinite(sum))) {
            r.refusal = levelsOutOfRange;
            return r;
        }
        r.value = 10 * lg(sum / n);
    } else {
        std::vector<double> durations = splitNumbers(in.durations);
        durations.resize(n, 0.0);  // a missing duration counts as 0
        double weighted = 0, total = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (durations[i] < 0) {
                r.refusal = {"间隔时间不能为负数，请重新输入！", "durations"};
                return r;
            }
            weighted += durations[i] * levelEnergy(levels[i]);
            total += durations[i];
        }
        if (!(total > 0)) {
            r.refusal = {"间隔时间之和必须大于0，请重新输入！", "durations"};
            return r;
        }
        if (!std::isfinite(total)) {
            r.refusal = {"间隔时间超出计算范围，请重新输入！", "durations"};
            return r;
        }
        if (!(weighted > 0 && std::isfinite(weighted))) {
            r.refusal = levelsOutOfRange;
            return r;
        }
        r.value = 10 * lg(weighted / total);
    }
    r.count = static_cast<int>(n);
    return r;
}

namespace {
// The result line beside the button.
void presentEvaluation(const EvaluationResult& r, Report& report)
{
    report.text = r.mode == 1 ? cformat("昼夜等效声级Ldn:%.2fdBA", r.value)
                              : cformat("总共有%d个数据;    等效连续A声级Leq:%.2fdBA", r.count, r.value);
}
}  // namespace

const CalculatorDef<EvaluationInput, EvaluationResult>& evaluationCalculator()
{
    using In = EvaluationInput;
    static const CalculatorDef<In, EvaluationResult> def{
        "noise.evaluation",
        "噪声评价量计算",
        {choiceField("mode", "评价量", &In::mode, {"等效连续A声级Leq", "昼夜等效声级Ldn"}),
         field("levels", "瞬时A声级[dBA]", &In::levels),
         field("durations", "间隔时间[任意]", &In::durations),
         checkField("equalIntervals", "等间隔取样", &In::equalIntervals),
         field("Ld", "白天等效声级Ld[dBA]", &In::Ld),
         field("Td", "白天持续时间Td[hr]", &In::Td),
         field("Ln", "夜间等效声级Ln[dBA]", &In::Ln),
         field("Tn", "夜间持续时间Tn[hr]", &In::Tn)},
        {},
        &computeEvaluation,
        &presentEvaluation,
    };
    return def;
}

}  // namespace qelvo::noise
