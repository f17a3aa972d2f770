// Path differences over and around a barrier.
#include "noise/path_difference.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::noise {
namespace {

TEST(PathDifference, DirectSoundAndChecks)
{
    PathDifferenceInput in;  // r = 20, finite, different sides: m2 = 17.33 ≥ 8.33 — around the end
    PathDifferenceResult r = computePathDifference(in);
    EXPECT_EQ(makeReport(pathDifferenceCalculator(), r).text, "点声源屏障有限长\r\n预测点距屏障中垂线距离m2=17.3303[m]\r\n声音能直达,声程差为0");
    EXPECT_EQ(r.delta1, 0.0f);
    in = {};
    in.H = 1.2f;  // the sight line passes 1.53 m high at the receiver
    EXPECT_EQ(makeReport(pathDifferenceCalculator(), computePathDifference(in)).text, "声音能直达,声程差为0");
    in = {};
    in.r = 2;
    EXPECT_EQ(computePathDifference(in).refusal.message, "声源距屏距离d1太远，大于声源离测点水平距离，请重新输入！");
    in.r = 7;
    EXPECT_EQ(computePathDifference(in).refusal.message, "预测点距屏d2太远，请重新输入！");
    in.r = 8.5f;
    in.position = 1;  // m = 2.87 > m1: not on the same side with m1 ≥ m2
    EXPECT_EQ(computePathDifference(in).refusal.message, "预测点跟声源位于中垂线不同侧，请重新选择！");
}

TEST(PathDifference, InfiniteAndFiniteBarriers)
{
    PathDifferenceInput in;
    in.mode = 1;
    in.r = 8;  // r = D: the points face each other, m = 0
    PathDifferenceResult r = computePathDifference(in);
    const double over = std::sqrt(9.0 + 9) + std::sqrt(25.0 + 4) - std::sqrt(64.0 + 1);
    EXPECT_NEAR(r.delta1, over, 1e-5);
    EXPECT_NE(makeReport(pathDifferenceCalculator(), r).text.find("投影距离m=0[m]"), std::string::npos);

    in.mode = 0;
    in.r = 8.5f;
    r = computePathDifference(in);
    EXPECT_GT(r.delta1, 0);
    EXPECT_GT(r.delta2, 0);
    EXPECT_GT(r.delta3, 0);
    // Over the top the finite barrier's path is the infinite one's.
    in.mode = 1;
    EXPECT_NEAR(computePathDifference(in).delta1, r.delta1, 1e-5);
}

// The window's texts for reference geometries, recomputed independently ("%g" of each length).
TEST(PathDifference, ReferenceTexts)
{
    const auto text = [](void (*set)(PathDifferenceInput&)) {
        PathDifferenceInput in;
        set(in);
        return makeReport(pathDifferenceCalculator(), computePathDifference(in)).text;
    };
    const std::string finite = "点声源屏障有限长\r\n预测点距屏障中垂线距离m2=";
    EXPECT_EQ(text([](PathDifferenceInput& i) { i.r = 8.5f; }),
              finite + "1.87228[m]\r\nSP=8.55862[m]\r\nSO1=4.37723[m],O1P=5.6765[m];声程差δ1=SO1+O1P-SP=1.49511[m]\r\n"
                       "SO2=3.375[m],O2P=6.67139[m];声程差δ2=SO2+O2P-SP=1.48777[m]\r\n"
                       "SO3=4.625[m],O3P=5.07786[m];声程差δ3=SO3+O3P-SP=1.14424[m]\r\n");
    EXPECT_EQ(text([](PathDifferenceInput& i) { i.r = 9, i.L = 20, i.position = 2; }),
              finite + "5.12311[m]\r\nSP=9.05539[m]\r\nSO1=4.5156[m],O1P=5.96998[m];声程差δ1=SO1+O1P-SP=1.43019[m]\r\n"
                       "SO2=11.4079[m],O2P=15.9405[m];声程差δ2=SO2+O2P-SP=18.293[m]\r\n"
                       "SO3=9.49424[m],O3P=7.01247[m];声程差δ3=SO3+O3P-SP=7.45133[m]\r\n");
    EXPECT_EQ(text([](PathDifferenceInput& i) { i.r = 8.2f, i.L = 30, i.m1 = 2, i.position = 1; }),
              finite + "0.200001[m]\r\nSP=8.26075[m]\r\nSO1=4.296[m],O1P=5.50142[m];声程差δ1=SO1+O1P-SP=1.53667[m]\r\n"
                       "SO2=17.2667[m],O2P=16.0135[m];声程差δ2=SO2+O2P-SP=25.0195[m]\r\n"
                       "SO3=13.3469[m],O3P=15.6343[m];声程差δ3=SO3+O3P-SP=20.7205[m]\r\n");
    EXPECT_EQ(text([](PathDifferenceInput& i) { i.mode = 1; }),
              "点声源屏障无限长\r\n声源与测点在屏障上的投影距离m=18.3303[m]\r\nSP=20.025[m]\r\n"
              "SO1=8.07775[m],O1P=12.659[m];声程差δ1=SO1+O1P-SP=0.711752[m]");
    EXPECT_EQ(text([](PathDifferenceInput& i) { i.mode = 1, i.r = 12, i.H = 6, i.h2 = 1.5f; }),
              "点声源屏障无限长\r\n声源与测点在屏障上的投影距离m=8.94427[m]\r\nSP=12.0104[m]\r\n"
              "SO1=6.72681[m],O1P=8.74643[m];声程差δ1=SO1+O1P-SP=3.46283[m]");
}

TEST(PathDifference, DistancesToTheBarrierMustBeReal)
{
    // d1 = −1000 used to give −nan everywhere in the text.
    PathDifferenceInput in;
    in.d1 = -1000;
    EXPECT_EQ(computePathDifference(in).refusal.message, "声源距屏d1必须大于0，请重新输入！");
    EXPECT_EQ(computePathDifference(in).refusal.focusKey, "d1");
    in.d1 = 0;
    EXPECT_EQ(computePathDifference(in).refusal.focusKey, "d1");
    in = {};
    in.d2 = -1;
    EXPECT_EQ(computePathDifference(in).refusal.message, "测点距屏d2不能为负数，请重新输入！");
    in.d2 = 0;
    EXPECT_FALSE(computePathDifference(in).refusal.refused());
}

// Whether the receiver sees the source around the end of a finite barrier, near the limit.
// r = 10 with d1 = 3, d2 = 5 (D = 8): m = √(100 − 64) = 6.
//   different sides, m1 = 1: m2 = 6 − 1 = 5; the limit (m1 + L/2)·d2/d1 + L/2 is
//     L 2: 2·5/3 + 1 = 4.33, L 2.5: 2.25·5/3 + 1.25 = 5 (equal: still around), L 3: 2.5·5/3 + 1.5 = 5.67;
//   same side, m1 < m2: m2 = 1 + 6 = 7; the limit (D·L/2 − d2·m1)/d1 is
//     L 6.5: (26 − 5)/3 = 7 (equal), L 7: (28 − 5)/3 = 7.67;
//   same side, m1 ≥ m2, m1 = 8: m2 = 8 − 6 = 2; L 11.5: (46 − 40)/3 = 2 (equal), L 12: (48 − 40)/3 = 2.67.
TEST(PathDifference, AroundTheEndNearTheLimit)
{
    using Path = PathDifferenceResult::Path;
    const struct {
        int position;
        float L, m1;
        Path path;
        double m2;
    } cases[] = {
        {0, 2, 1, Path::AroundEnd, 5},  {0, 2.5f, 1, Path::AroundEnd, 5}, {0, 3, 1, Path::OverFinite, 5},
        {2, 6.5f, 1, Path::AroundEnd, 7}, {2, 7, 1, Path::OverFinite, 7},
        {1, 11.5f, 8, Path::AroundEnd, 2}, {1, 12, 8, Path::OverFinite, 2},
    };
    for (const auto& c : cases) {
        PathDifferenceInput in;
        in.r = 10;
        in.position = c.position;
        in.L = c.L;
        in.m1 = c.m1;
        const PathDifferenceResult r = computePathDifference(in);
        ASSERT_FALSE(r.refusal.refused()) << c.position << " L " << c.L;
        EXPECT_EQ(int(r.path), int(c.path)) << c.position << " L " << c.L;
        EXPECT_NEAR(r.m2, c.m2, 1e-12) << c.position << " L " << c.L;
    }
}

}  // namespace
}  // namespace qelvo::noise
