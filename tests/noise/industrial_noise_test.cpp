// Industrial noise, the air absorption and the A-weighting.
#include "noise/industrial_noise.h"

#include <gtest/gtest.h>

#include "common/number_format.h"

namespace qelvo::noise {
namespace {

TEST(IndustrialNoise, AbsorptionAndWeighting)
{
    EXPECT_NEAR(computeAirAbsorption({}).a, 2.8, 0.02);  // 20 °C, 70 %, 500 Hz
    EXPECT_EQ(cformat("%.1f", computeAWeighting({500}).dA), "-3.2");
    EXPECT_NEAR(computeAWeighting({1000}).dA, 0.0, 0.05);
    EXPECT_NEAR(computeAWeighting({63}).dA, -26.2, 0.1);
    EXPECT_TRUE(computeAWeighting({0}).refusal.refused());
}

TEST(IndustrialNoise, OutdoorDefaultsAtOneMetre)
{
    IndustrialInput in;
    in.sourceType = 1;
    const IndustrialResult r = computeIndustrial(in);
    ASSERT_EQ(r.points.size(), 20u);
    EXPECT_EQ(cformat("%.2f", r.points[0].Lpr), "89.00");
    EXPECT_EQ(cformat("%.2f", r.points[0].LA), "85.80");
    EXPECT_EQ(cformat("%.2f", r.points[0].Ltot), "85.80");
    EXPECT_EQ(industrialText(r).substr(0, industrialText(r).find("----")),
              "距声源1[m]预测点计算结果：\r\n几何发散衰减后Lpr=89.00[dB]\r\n空气吸收衰减Aatm=0.00[dB]\r\n");
    const Table t = industrialTable(r);
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows[0][0], "距离m");
    EXPECT_EQ(t.rows[0][1], "1");
    EXPECT_EQ(t.rows[3][0], "叠加背景值A声级dBA");
}

TEST(IndustrialNoise, IndoorSourceBarrierAndRefusals)
{
    IndustrialInput in;
    EXPECT_EQ(cformat("%.2f", computeIndustrial(in).LwOutdoor), "85.04");
    in.barrier = 1;
    in.step = 3;
    IndustrialResult r = computeIndustrial(in);
    ASSERT_EQ(r.points.size(), 1u);  // only the farthest point: 18 m
    EXPECT_EQ(r.points[0].r, 18);
    EXPECT_NE(industrialText(r).find("屏障无限长，屏障衰减"), std::string::npos);
    in.d1 = 0;  // all three zero: finite, three equal terms
    r = computeIndustrial(in);
    EXPECT_NE(industrialText(r).find("屏障有限长，屏障衰减Abar=-0.00[dB]"), std::string::npos);
    in.step = 0;
    EXPECT_EQ(computeIndustrial(in).refusal.focusKey, "step");
    in.step = 30;  // larger than the maximum: nothing to compute
    in.barrier = 0;
    EXPECT_TRUE(computeIndustrial(in).points.empty());
}

TEST(IndustrialNoise, PointCapIsTheCommonRowCap)
{
    IndustrialInput in;
    in.rmax = 100'001;
    const Refusal r = computeIndustrial(in).refusal;
    EXPECT_EQ(r.message, kTooManyRows);
    EXPECT_EQ(r.focusKey, "step");
    in.rmax = 100'000;
    in.step = 1;
    in.barrier = 1;  // a barrier computes the farthest point only
    EXPECT_EQ(computeIndustrial(in).points.size(), 1u);
}

}  // namespace
}  // namespace qelvo::noise
