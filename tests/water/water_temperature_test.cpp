// The daily mean water temperature.
#include "water/water_temperature.h"

#include <gtest/gtest.h>

namespace qelvo::water {
namespace {

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

TEST(WaterTemperature, RowCapIsTheCommonOne)
{
    TemperatureInput in;
    in.xc = 1;
    in.xmax = 100'001;
    EXPECT_EQ(computeTemperature(in).refusal.message, kTooManyRows);
    EXPECT_EQ(computeTemperature(in).refusal.focusKey, "xc");
}

}  // namespace
}  // namespace qelvo::water
