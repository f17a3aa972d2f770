#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"
#include "noise/decibel.h"
#include "noise/decibel_calculator.h"

namespace qelvo::noise {
namespace {

TEST(Decibel, Arithmetic)
{
    EXPECT_NEAR(addLevels(60, 60), 63.0103, 1e-4);
    EXPECT_NEAR(subtractLevels(70, 60), 69.5424, 1e-4);
    EXPECT_NEAR(sumLevels({60, 60, 60}), 64.7712, 1e-4);
    EXPECT_TRUE(std::isinf(subtractLevels(60, 60)));
    EXPECT_TRUE(std::isnan(subtractLevels(60, 61)));
}

std::string keys(const char* sequence)
{
    const DbCalcResult r = runDecibelKeys({sequence});
    EXPECT_FALSE(r.refusal.refused()) << sequence;
    return r.display;
}

TEST(DecibelCalculator, WorkedSequences)
{
    const std::pair<const char*, const char*> cases[] = {
        {"60+60=", "63.01"},
        {"60+60+", "63.01"},        // the second + shows the running value
        {"60+60+60=", "64.77"},
        {"60+60+60==", "66.02"},    // = again adds 60 once more
        {"70-60=", "69.54"},
        {"60+60.5+60=", "64.94"},
        {"60+60=CE60=", "63.01"},   // the pending + survives CE and B := A
        {"60+60=70=", "60.00"},     // 70 is not used: 0 ⊕ Last2
        {"60=", "0.00"},            // = before any operator shows 0
        {"60+", "0.00"},            // the first operator forms no result
    };
    for (const auto& [sequence, shown] : cases) {
        const double value = std::stod(keys(sequence));
        EXPECT_EQ(cformat("%.2f", value), shown) << sequence;
    }
}

TEST(DecibelCalculator, EditingKeys)
{
    EXPECT_EQ(keys("5.←3"), "53");   // the point goes with the last fraction digit
    EXPECT_EQ(keys("5.3←7"), "57");
    EXPECT_EQ(keys("5.25←"), "5.2");
    EXPECT_EQ(keys("7←"), "0");
    EXPECT_EQ(keys("123←"), "12");
    EXPECT_EQ(keys("5."), "5");      // a point without digits is not visible
    EXPECT_EQ(keys("60-60="), "-inf");
    EXPECT_EQ(keys("60-61="), "nan");
    EXPECT_TRUE(runDecibelKeys({"6x"}).refusal.refused());
}

}  // namespace
}  // namespace qelvo::noise

#include "noise/noise_evaluation.h"

namespace qelvo::noise {
namespace {

TEST(NoiseEvaluation, LeqAndLdn)
{
    EvaluationInput in;
    EvaluationResult r = computeEvaluation(in);
    EXPECT_NEAR(r.value, 10 * std::log10((20 * 1e7 + 30 * std::pow(10, 6.5) + 40 * 1e6) / 90), 1e-9);
    EXPECT_EQ(r.line, "总共有3个数据;    等效连续A声级Leq:65.71dBA");
    in.equalIntervals = 1;
    EXPECT_EQ(cformat("%.2f", computeEvaluation(in).value), "66.74");
    in.mode = 1;
    EXPECT_EQ(computeEvaluation(in).line, "昼夜等效声级Ldn:73.71dBA");
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
