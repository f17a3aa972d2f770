// The daily mean water temperature.
#include "water/water_temperature.h"

#include <gtest/gtest.h>

#include "common/number_format.h"

#include "support/refusal_cases.h"

namespace qelvo::water {
namespace {

TEST(WaterTemperature, DefaultsFallFromTheMixedTowardsTheEquilibrium)
{
    const TemperatureResult r = computeTemperature({});
    ASSERT_EQ(r.rows.size(), 40u);
    EXPECT_EQ(r.rows.front().x, 50.0f);
    EXPECT_EQ(r.rows.back().x, 2000.0f);
    EXPECT_DOUBLE_EQ(r.T0, 90.0 / 11 + 10);
    // Ts − Td = 13.5: 15.7 + (0.515 − 0.057375 + 0.00929475)·(70 + 0.7) = 15.7 + 0.46691975·70.7 = 48.711226325
    EXPECT_NEAR(r.K, 48.711226325, 1e-9);
    EXPECT_LT(r.rows.front().T, r.T0);
    for (std::size_t i = 1; i < r.rows.size(); ++i) EXPECT_LT(r.rows[i].T, r.rows[i - 1].T);
    EXPECT_GT(r.rows.back().T, r.Te);
    TemperatureInput bad;
    bad.xc = 0;
    EXPECT_EQ(computeTemperature(bad).refusal.focusKey, "xc");
}

// Reference cases recomputed independently: K, T0, Te ("%g"), then the first and last rows.
TEST(WaterTemperature, ReferenceCases)
{
    const struct {
        const char* what;
        void (*set)(TemperatureInput&);
        std::size_t rows;
        const char* expected;
    } cases[] = {
        {"defaults", [](TemperatureInput&) {}, 40, "48.7112 18.1818 1.53079 | 1 50 18.1722 | 40 2000 17.8"},
        {"warm, slow, sunny",
         [](TemperatureInput& i) { i.Qh = 5, i.Qp = 2, i.H = 0.5f, i.u = 0.2f, i.Th = 18, i.Ts = 30, i.Tp = 45, i.Td = 20, i.Wz = 4, i.Hs = 200, i.xmax = 10000, i.xc = 2500; },
         4, "54.4811 25.7143 23.671 | 1 2500 25.1484 | 4 10000 24.2294"},
        {"cold and windy", [](TemperatureInput& i) { i.Ts = -5, i.Td = -10, i.Wz = 10, i.Hs = 0, i.Tp = 30, i.xmax = 100000, i.xc = 25000; },
         4, "85.0035 11.8182 -10 | 1 25000 3.15459 | 4 100000 -7.11694"},
    };
    for (const auto& c : cases) {
        TemperatureInput in;
        c.set(in);
        const TemperatureResult r = computeTemperature(in);
        ASSERT_EQ(r.rows.size(), c.rows) << c.what;
        const auto row = [](const TemperatureRow& w) { return cformat("%d %g %g", w.k, double(w.x), double(w.T)); };
        EXPECT_EQ(cformat("%g %g %g | ", r.K, r.T0, r.Te) + row(r.rows.front()) + " | " + row(r.rows.back()), c.expected)
            << c.what;
    }
    TemperatureInput huge;
    huge.xmax = -3e38f;
    huge.xc = 1e-30f;
    EXPECT_TRUE(computeTemperature(huge).rows.empty());
    EXPECT_FALSE(computeTemperature(huge).refusal.refused());
}

TEST(WaterTemperature, RowCapIsTheCommonOne)
{
    TemperatureInput in;
    in.xc = 1;
    in.xmax = 100'001;
    EXPECT_EQ(computeTemperature(in).refusal.message, kTooManyRows);
    EXPECT_EQ(computeTemperature(in).refusal.focusKey, "xc");
}

TEST(WaterTemperature, RefusesWhatLeavesTheFormulaUndefined)
{
    testing::expectRefusals<TemperatureInput>({
        {[](TemperatureInput& i) { i.Qh = 0, i.Qp = 0; }, "河水流量与废水流量之和必须大于0，请重新输入！", "Qh"},
        {[](TemperatureInput& i) { i.Qh = 1, i.Qp = -1; }, "河水流量与废水流量之和必须大于0，请重新输入！", "Qh"},
        {[](TemperatureInput& i) { i.u = 0; }, "河水流速u必须大于0，请重新输入！", "u"},
        {[](TemperatureInput& i) { i.H = 0; }, "河流平均水深H必须大于0，请重新输入！", "H"},
        {[](TemperatureInput& i) { i.xc = 0; }, "距离间隔xc必须大于0，请重新输入！", "xc"},
    }, &computeTemperature);
    // No river at all, only the wastewater: fully mixed at its own temperature, 100 °C.
    TemperatureInput only;
    only.Qh = 0;
    ASSERT_FALSE(computeTemperature(only).refusal.refused());
    EXPECT_DOUBLE_EQ(computeTemperature(only).T0, 100);
}

}  // namespace
}  // namespace qelvo::water
