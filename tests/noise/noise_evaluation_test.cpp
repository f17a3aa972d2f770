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

}  // namespace
}  // namespace qelvo::noise
