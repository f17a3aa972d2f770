// The Green and Stueber formulas and Lp1.
#include "noise/workshop_noise.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"

namespace qelvo::noise {
namespace {

TEST(WorkshopNoise, GreenDefaults)
{
    const GreenTable t = computeGreen({});
    ASSERT_EQ(t.rows.size(), 20u);
    EXPECT_EQ(cformat("%.1f", t.rows[0].Lp), "54.0");   // 80 − 15 − 11 + 10·lg(100/100)
    EXPECT_EQ(cformat("%.1f", t.rows[0].Ltot), "59.7");
    EXPECT_EQ(cformat("%.2f", computeGreenDistance({}).L), "9.03");
    GreenInput far;
    far.Lp1 = 30;  // levels that fall below zero show 0
    EXPECT_EQ(computeGreen(far).rows.back().Lp, 0.0f);
    GreenInput quiet;
    quiet.Ltarget = 58.4f;
    EXPECT_EQ(computeGreenDistance(quiet).refusal.message, kTargetNotAboveBackground);
}

TEST(WorkshopNoise, Lp1)
{
    const Lp1Result r = computeLp1({});
    EXPECT_EQ(cformat("%.2f", r.Lp1), "91.27");
    Lp1Input bad;
    bad.alpha = 1;
    EXPECT_TRUE(computeLp1(bad).refusal.refused());
    bad.alpha = 0;
    EXPECT_TRUE(computeLp1(bad).refusal.refused());
}

TEST(WorkshopNoise, StueberLevelAndDistanceAgree)
{
    StueberInput in;
    const double sum = 1 / (3 + 20 * (2 * 0.63 * 500 / 340.29)) + 1 / (3 + 20 * (2 * 1.2 * 500 / 340.29)) +
                       1 / (3 + 20 * (2 * 1.58 * 500 / 340.29));
    const double S = 200 + 40 * (1 + 0.0255 * 10);
    const double Lp = 90 - 10 * std::log10(6.28318 * 400) + 10 * std::log10(sum) + 10 * std::log10(S);
    EXPECT_NEAR(computeStueber(in).level, 10 * std::log10(std::pow(10, 5.84) + std::pow(10, 0.1 * Lp)), 1e-4);
    // At the distance found for a target, the predicted level meets that target.
    in.Ltarget = 62;
    in.r = computeStueberDistance(in).L;
    EXPECT_NEAR(computeStueber(in).level, 62, 0.01);
}

TEST(WorkshopNoise, GreenRowCapIsTheCommonOne)
{
    GreenInput in;
    in.l = 1;
    in.lmax = 100'001;
    EXPECT_EQ(computeGreen(in).refusal.message, kTooManyRows);
    EXPECT_EQ(computeGreen(in).refusal.focusKey, "l");
}

}  // namespace
}  // namespace qelvo::noise
