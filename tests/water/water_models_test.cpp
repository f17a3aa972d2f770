#include <gtest/gtest.h>

#include <cmath>

#include "water/sewage.h"
#include "water/sp_model.h"

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

TEST(SpModel, DefaultsGiveThirtyRows)
{
    const SpResult r = computeSp({});
    ASSERT_FALSE(r.refusal.refused());
    EXPECT_FLOAT_EQ(r.C0, (100.0f * 2 + 0.5f * 20) / 22);
    EXPECT_FLOAT_EQ(r.D0, (4.1f * 2 + 1.4f * 20) / 22);
    ASSERT_EQ(r.rows.size(), 30u);
    EXPECT_EQ(r.rows.front().x, 100.0f);
    EXPECT_EQ(r.rows.back().x, 3000.0f);
    const double tau = 3000 / 86400.0;
    EXPECT_NEAR(r.rows.back().C, r.C0 * std::exp(-tau), 1e-5);
    EXPECT_NEAR(r.rows.back().D,
                1.0 * r.C0 * (std::exp(-tau) - std::exp(-1.5 * tau)) / 0.5 + r.D0 * std::exp(-1.5 * tau), 1e-5);
}

TEST(SpModel, MixedOnlyAndRefusals)
{
    SpInput in;
    in.onlyMixed = 1;
    in.u = 0;  // not used in this mode
    const SpResult mixed = computeSp(in);
    EXPECT_FALSE(mixed.refusal.refused());
    EXPECT_TRUE(mixed.rows.empty());

    in = {};
    in.lmax = 50;  // shorter than one step: no rows
    EXPECT_TRUE(computeSp(in).rows.empty());
    const std::pair<const char*, float SpInput::*> cases[] = {
        {"u", &SpInput::u}, {"l", &SpInput::l}, {"K2", &SpInput::K2}};
    for (const auto& [key, member] : cases) {
        in = {};
        in.*member = member == &SpInput::K2 ? 1.0f : 0.0f;
        EXPECT_EQ(computeSp(in).refusal.focusKey, key);
    }
    in = {};
    in.l = 0.001f;  // three million rows
    EXPECT_TRUE(computeSp(in).refusal.refused());
}

}  // namespace
}  // namespace qelvo::water
