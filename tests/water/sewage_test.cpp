// Domestic sewage and refuse.
#include "water/sewage.h"

#include <gtest/gtest.h>

namespace qelvo::water {
namespace {

TEST(Sewage, WorkforceOf100With20LivingOnSite)
{
    SewageInput in;
    in.N = 100;
    in.Nr = 20;
    const SewageResult r = computeSewage(in);
    ASSERT_FALSE(r.refusal.refused());
    // (80·50 + 100·20)·80·10⁻⁵: 6000 L/d of water, 80 % discharged.
    EXPECT_FLOAT_EQ(r.Qd, 4.8f);
    EXPECT_FLOAT_EQ(r.Qy, 1440.0f);
    EXPECT_FLOAT_EQ(r.Wy, 1800.0f);
    EXPECT_FLOAT_EQ(r.Ecod, 0.72f);
    EXPECT_FLOAT_EQ(r.Rcod, 0.576f);
    EXPECT_FLOAT_EQ(r.Rnh, 0.0288f);
    EXPECT_FLOAT_EQ(r.Gd, 60.0f);
    EXPECT_FLOAT_EQ(r.Gy, 18.0f);
}

TEST(Sewage, Checks)
{
    SewageInput in;
    in.N = 10;
    in.Nr = 10;  // everyone on site is fine
    EXPECT_FALSE(computeSewage(in).refusal.refused());
    in.Nr = 11;
    const Refusal r = computeSewage(in).refusal;
    EXPECT_EQ(r.message, "逻辑常识错误，请重新输入");
    EXPECT_EQ(r.caption, "错误");
    EXPECT_EQ(r.focusKey, "Nr");
    in.Nr = 0;
    in.NHs = -1;
    EXPECT_EQ(computeSewage(in).refusal.message, "不能是负数，请重新输入");
    EXPECT_EQ(computeSewage(in).refusal.focusKey, "N");
}

TEST(Sewage, RefusesNoDischargeShareAndNegativeWaterUse)
{
    // k = 0 made the yearly water use Qy·100/k a nan.
    SewageInput in;
    in.N = 10;
    in.k = 0;
    Refusal r = computeSewage(in).refusal;
    EXPECT_EQ(r.message, "排水量所占用水量的百分比必须大于0，请重新输入");
    EXPECT_EQ(r.caption, "错误");
    EXPECT_EQ(r.focusKey, "k");
    in.k = 80;
    in.q1 = -50;
    r = computeSewage(in).refusal;
    EXPECT_EQ(r.message, "不能是负数，请重新输入");
    EXPECT_EQ(r.focusKey, "q1");
    in.q1 = 50;
    in.q2 = -1;
    EXPECT_EQ(computeSewage(in).refusal.focusKey, "q2");
    in.q2 = 0;
    EXPECT_FALSE(computeSewage(in).refusal.refused());
}

}  // namespace
}  // namespace qelvo::water
