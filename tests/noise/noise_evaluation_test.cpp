// Leq and Ldn.
#include "noise/noise_evaluation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"

namespace qelvo::noise {
namespace {

TEST(NoiseEvaluation, LeqAndLdn)
{
    EvaluationInput in;
    EvaluationResult r = computeEvaluation(in);
    EXPECT_NEAR(r.value, 10 * std::log10((20 * 1e7 + 30 * std::pow(10, 6.5) + 40 * 1e6) / 90), 1e-9);
    EXPECT_EQ(makeReport(evaluationCalculator(), r).text, "总共有3个数据;    等效连续A声级Leq:65.71dBA");
    in.equalIntervals = 1;
    EXPECT_EQ(cformat("%.2f", computeEvaluation(in).value), "66.74");
    in.mode = 1;
    EXPECT_EQ(makeReport(evaluationCalculator(), computeEvaluation(in)).text, "昼夜等效声级Ldn:73.71dBA");
}

TEST(NoiseEvaluation, MissingPiecesCountAsZero)
{
    EvaluationInput in;
    in.durations = "20";  // only the first level has a duration
    EXPECT_NEAR(computeEvaluation(in).value, 70, 1e-9);
    in.levels = "70,,60";
    in.durations = "1,1,1";
    EXPECT_NEAR(computeEvaluation(in).value, 10 * std::log10((1e7 + 1 + 1e6) / 3), 1e-9);
    in.durations = "0,0";
    EXPECT_TRUE(computeEvaluation(in).refusal.refused());
    in.levels = " ";
    EXPECT_EQ(computeEvaluation(in).refusal.focusKey, "levels");
}

TEST(NoiseEvaluation, ReferenceCases)
{
    // 10·lg((Σ Ti·10^(0.1·Li))/Σ Ti), 10·lg((Σ 10^(0.1·Li))/n), and Ldn, worked out independently.
    const struct {
        EvaluationInput in;
        const char* text;
    } cases[] = {
        {{0, "55,60,65,70", "1,2,3,4", 0}, "总共有4个数据;    等效连续A声级Leq:67.14dBA"},
        {{0, "55,60,65,70", "", 1}, "总共有4个数据;    等效连续A声级Leq:65.59dBA"},
        {{0, "80", "5", 0}, "总共有1个数据;    等效连续A声级Leq:80.00dBA"},
        {{0, "40,80,40", "10,0.5,10", 0}, "总共有3个数据;    等效连续A声级Leq:63.89dBA"},
        {{1, "", "", 0, 60, 16, 50, 8}, "昼夜等效声级Ldn:60.00dBA"},
        {{1, "", "", 0, 55, 24, 45, 0}, "昼夜等效声级Ldn:55.00dBA"},
        {{1, "", "", 0, 55, 0, 45, 24}, "昼夜等效声级Ldn:55.00dBA"},
    };
    for (const auto& c : cases) {
        const EvaluationResult r = computeEvaluation(c.in);
        ASSERT_FALSE(r.refusal.refused()) << c.in.levels;
        EXPECT_EQ(makeReport(evaluationCalculator(), r).text, c.text) << c.in.levels << " " << c.in.mode;
    }
}

TEST(NoiseEvaluation, RefusesWhatHasNoLevel)
{
    const struct {
        EvaluationInput in;
        const char* message;
        const char* focus;
    } cases[] = {
        // 1e300 dB: its energy overflows (the result used to read "inf").
        {{0, "1e300,60", "1,1", 0}, "瞬时A声级超出计算范围，请重新输入！", "levels"},
        {{0, "1e300,60", "", 1}, "瞬时A声级超出计算范围，请重新输入！", "levels"},
        {{0, "-4000", "", 1}, "瞬时A声级超出计算范围，请重新输入！", "levels"},
        {{0, "60,60", "1,-1", 0}, "间隔时间不能为负数，请重新输入！", "durations"},
        {{0, "60,60", "1e308,1e308", 0}, "间隔时间超出计算范围，请重新输入！", "durations"},
        {{1, "", "", 0, 70, 0, 65, 0}, "白天持续时间Td和夜间持续时间Tn不能都为0，请重新输入！", "Td"},
        {{1, "", "", 0, 70, -1, 65, 15}, "白天持续时间Td不能为负数，请重新输入！", "Td"},
        {{1, "", "", 0, 70, 9, 65, -15}, "夜间持续时间Tn不能为负数，请重新输入！", "Tn"},
        {{1, "", "", 0, 3e38f, 9, 65, 15}, "白天或夜间等效声级超出计算范围，请重新输入！", "Ld"},
        {{1, "", "", 0, -3e38f, 9, -3e38f, 15}, "白天或夜间等效声级超出计算范围，请重新输入！", "Ld"},
    };
    for (const auto& c : cases) {
        const Refusal r = computeEvaluation(c.in).refusal;
        EXPECT_EQ(r.message, c.message) << c.in.levels << " " << c.in.durations;
        EXPECT_EQ(r.focusKey, c.focus) << c.in.levels;
    }
    // "nan" and "inf" are no numbers in a list: they count as 0.
    EXPECT_EQ(makeReport(evaluationCalculator(), computeEvaluation({0, "nan,inf", "", 1})).text,
              "总共有2个数据;    等效连续A声级Leq:0.00dBA");
}

}  // namespace
}  // namespace qelvo::noise
