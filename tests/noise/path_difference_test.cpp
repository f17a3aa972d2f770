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

}  // namespace
}  // namespace qelvo::noise
