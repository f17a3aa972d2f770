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

#include "water/river_ph.h"
#include "water/water_temperature.h"

namespace qelvo::water {
namespace {

TEST(RiverPh, Ka1Interpolation)
{
    EXPECT_DOUBLE_EQ(carbonicKa1(20), 4.15 * 0.1);
    EXPECT_DOUBLE_EQ(carbonicKa1(22.5), ((25 - 22.5) * 4.15 + 2.5 * 4.45) * 0.02);
    EXPECT_DOUBLE_EQ(carbonicKa1(0), 2.65 * 0.1);
    EXPECT_DOUBLE_EQ(carbonicKa1(5), 3.04 * 0.1);   // upper end of the first interval
    EXPECT_DOUBLE_EQ(carbonicKa1(30), 4.71 * 0.1);
    EXPECT_DOUBLE_EQ(carbonicKa1(35), ((35 - 30) * 5.06 + 5 * 4.71) * 0.01);
    EXPECT_DOUBLE_EQ(carbonicKa1(40), 5.06 * 0.1);
}

TEST(RiverPh, AcidAlkaliAndRefusals)
{
    PhInput in;
    PhResult r = computePh(in);
    const double M = 10.5 * 1;
    EXPECT_NEAR(r.pH, 7 + std::log((M - 5) / (10 * r.Ka1 * 7 * 5 + M)), 1e-5);
    EXPECT_NE(r.text.find("污染物为酸性物质\n碳酸一级平衡常数 Ka1 =0.415\n"), std::string::npos);
    in.kind = 1;
    in.Cw = 0.5f;
    r = computePh(in);
    EXPECT_NEAR(r.pH, 7 + std::log((M + 0.25) / (M - 10 * r.Ka1 * 7 * 0.25)), 1e-5);
    EXPECT_NE(r.text.find("污染物为碱性物质"), std::string::npos);
    for (float T : {-0.1f, 40.5f}) {
        in.T = T;
        EXPECT_EQ(computePh(in).refusal.focusKey, "T");
    }
}

TEST(WaterTemperature, DefaultsFallFromTheMixedTowardsTheEquilibrium)
{
    const TemperatureResult r = computeTemperature({});
    ASSERT_EQ(r.rows.size(), 40u);
    EXPECT_EQ(r.rows.front().x, 50.0f);
    EXPECT_EQ(r.rows.back().x, 2000.0f);
    EXPECT_DOUBLE_EQ(r.T0, 90.0 / 11 + 10);
    const double dT = 13.5;
    EXPECT_DOUBLE_EQ(r.K, 15.7 + (0.515 - 0.00425 * dT + 5.1e-5 * dT * dT) * 70.7);
    EXPECT_LT(r.rows.front().T, r.T0);
    for (std::size_t i = 1; i < r.rows.size(); ++i) EXPECT_LT(r.rows[i].T, r.rows[i - 1].T);
    EXPECT_GT(r.rows.back().T, r.Te);
    TemperatureInput bad;
    bad.xc = 0;
    EXPECT_EQ(computeTemperature(bad).refusal.focusKey, "xc");
}

}  // namespace
}  // namespace qelvo::water
