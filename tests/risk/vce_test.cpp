#include "risk/vce.h"

#include <gtest/gtest.h>

#include <cmath>

#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

// By hand for the defaults: Fv = 1 − exp(−1737.2·119.9/434259) = 1 − exp(−0.47964) = 0.38100;
// Wf = 2·100·0.381 = 76.2 kg; WTNT = 41825600·0.03·76.2/4520000 = 21.153 kg;
// R̄ = 10/21.153^(1/3) = 10/2.7656 = 3.6158. Texts from an independent python computation.
TEST(Vce, Texts)
{
    struct Case {
        const char* name;
        int method;
        float x, dP;
        const char* text;
    };
    const Case cases[] = {
        {"TNT", kTntMethod, 10, 0, "TNT当量为 21.1532[kg],无因次距离为 3.61583[m]\r\n"},
        {"TNT, 50 kPa read off", kTntMethod, 10, 50000,
         "TNT当量为 21.1532[kg],无因次距离为 3.61583[m]\r\n查图知：爆炸冲击波超压为 50000[Pa]\r\n则死亡概率为 0.918953"},
        {"TNT, 200 kPa read off: Pd limited to 1", kTntMethod, 10, 200000,
         "TNT当量为 21.1532[kg],无因次距离为 3.61583[m]\r\n查图知：爆炸冲击波超压为 200000[Pa]\r\n则死亡概率为 1"},
        {"TNT, 0.01 Pa read off: Pd limited to 0", kTntMethod, 10, 0.01f,
         "TNT当量为 21.1532[kg],无因次距离为 3.61583[m]\r\n查图知：爆炸冲击波超压为 0.01[Pa]\r\n则死亡概率为 0"},
        // E = 0.04·0.03·41825600·76.2·1.8 = 6.884e6 J; R̄ = 10/(E/101325)^(1/3) = 2.4507.
        {"direct", kDirectMethod, 10, 0, "爆炸冲击波超压为 11793.1[Pa]\r\n死亡概率为 0.829243"},
        {"direct at 2 m", kDirectMethod, 2, 0, "爆炸冲击波超压为 131136[Pa]\r\n死亡概率为 0.978834"},
        {"direct at 100 m", kDirectMethod, 100, 0, "爆炸冲击波超压为 641[Pa]\r\n死亡概率为 0.648381"},
        {"direct ignores a value read off", kDirectMethod, 10, 5, "爆炸冲击波超压为 11793.1[Pa]\r\n死亡概率为 0.829243"},
    };
    for (const auto& c : cases) {
        VceInput in;
        in.method = c.method;
        in.x = c.x;
        in.dP = c.dP;
        const VceResult r = computeVce(in);
        EXPECT_FALSE(r.refusal.refused()) << c.name;
        EXPECT_EQ(testing::shownText(vceCalculator(), in), c.text) << c.name;
    }
    EXPECT_EQ(testing::runById("risk.vce", {{"method", "直接计算法"}}).report.text, cases[4].text);
    EXPECT_EQ(testing::runById("risk.vce", {{"dP", "50000"}}).report.text, cases[1].text);
    EXPECT_DOUBLE_EQ(overpressureDeathProbability(1e4), 0.1 * (1.43 * 4 + 2.47));
}

TEST(Vce, WhatThePageKeeps)
{
    VceMemory memory;
    // Before any TNT computation the lookup window shows R̄ = 0.
    EXPECT_EQ(memory.Rbar, 0);
    EXPECT_EQ(memory.WTNT, 0);
    VceInput direct;
    direct.method = kDirectMethod;
    remember(memory, computeVce(direct));
    EXPECT_EQ(memory.Rbar, 0);
    EXPECT_FLOAT_EQ(memory.dP, 11793.0664f);

    remember(memory, computeVce({}));
    EXPECT_FLOAT_EQ(memory.WTNT, 21.1532269f);
    EXPECT_FLOAT_EQ(memory.Rbar, 3.61582828f);
    EXPECT_FLOAT_EQ(memory.dP, 11793.0664f);  // the TNT method reads none

    // "确定" with 0 leaves everything; a reading stores ΔP and Pd and shows the lookup text.
    EXPECT_FALSE(applyLookup(memory, 0).changed);
    EXPECT_FALSE(applyLookup(memory, 0).refusal.refused());
    const LookupOutcome looked = applyLookup(memory, 50000);
    EXPECT_TRUE(looked.changed);
    EXPECT_EQ(lookupText(memory), "TNT当量为 21.1532[kg],无因次距离为 3.61583[m]\r\n查图知：爆炸冲击波超压为 50000[Pa]\r\n则死亡概率为 0.918953");
    EXPECT_EQ(memory.dP, 50000);
    EXPECT_NEAR(memory.Pd, 0.918953, 1e-6);
    const LookupOutcome negative = applyLookup(memory, -1);
    EXPECT_EQ(negative.refusal.message, "查图知超压不能为负数，请重新输入！");
    EXPECT_EQ(memory.dP, 50000);

    VceInput refused;
    refused.W = 0;
    remember(memory, computeVce(refused));
    EXPECT_FLOAT_EQ(memory.WTNT, 21.1532269f);
    remember(memory, computeVce({.dP = 20000}));
    EXPECT_EQ(memory.dP, 20000);
    EXPECT_TRUE(applyLookup(memory, 0.5f).changed);
    EXPECT_EQ(memory.dP, 0.5f);
}

TEST(Vce, DamageDistances)
{
    // Direct: python bisection on the fit in Z = ln R̄. TNT: the chart's line inverted in closed
    // form, R̄ = 1.2·(ΔP/9806.65/60)^(1/k), times WTNT^(1/3).
    struct Case {
        const char* method;
        const char* distances[3];
    };
    const Case cases[] = {
        {"TNT当量法", {"7.80789", "10.9108", "16.981"}},
        {"直接计算法", {"2.33345", "3.56546", "6.7028"}},
    };
    for (const auto& c : cases) {
        const RunOutcome run = testing::runById("risk.vce", {{"method", c.method}});
        ASSERT_EQ(run.report.tables.size(), 1u);
        const Table& t = run.report.tables[0];
        EXPECT_EQ(t.columns[0], "超压 [MPa]");
        EXPECT_EQ(t.rows[0][0], "0.1");
        for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(t.rows[i][1], c.distances[i]) << c.method << i;
    }
    // The curve runs from half the nearest distance to 1.5 times the farthest.
    VceInput direct;
    direct.method = kDirectMethod;
    const VceResult r = computeVce(direct);
    EXPECT_NEAR(r.curve.xs.front(), 2.33345 / 2, 1e-5);
    EXPECT_NEAR(r.curve.xs.back(), 1.5 * 6.7028, 1e-4);
    EXPECT_EQ(r.curve.yLabel, "超压 [Pa]");
    for (std::size_t i = 1; i < r.curve.ys.size(); ++i) EXPECT_LT(r.curve.ys[i], r.curve.ys[i - 1]);

    // TNT: 200 kg give WTNT = 42.3 kg; the distances grow with WTNT^(1/3), by
    // (42.3065/21.1532)^(1/3) = 2^(1/3), and so does the curve's span.
    const VceResult big = computeVce({.W = 200});
    ASSERT_EQ(big.distances.size(), 3u);
    EXPECT_NEAR(big.distances[0].where.x, 7.80789 * std::cbrt(2.0), 1e-4);
    EXPECT_NEAR(big.distances[2].where.x, 16.981 * std::cbrt(2.0), 1e-3);
    EXPECT_NEAR(big.curve.xs.front(), big.distances[0].where.x / 2, 1e-9);
    EXPECT_NEAR(big.curve.xs.back(), 1.5 * big.distances[2].where.x, 1e-9);
}

TEST(Vce, LookupChart)
{
    EXPECT_NEAR(chartOverpressure(1.2), 60, 1e-12);
    EXPECT_NEAR(chartOverpressure(80), 0.01, 1e-15);
    // Slope ln(0.01/60)/ln(80/1.2) = −2.071458: at R̄ = 10, 60·(10/1.2)^−2.071458 = 0.742529.
    EXPECT_NEAR(chartOverpressure(10), 0.7425290047059013, 1e-12);
    const OverpressureChart& chart = overpressureChart();
    EXPECT_EQ(chart.xMin, 1);
    EXPECT_EQ(chart.xMax, 100);
    EXPECT_EQ(chart.yMin, 0.01);
    EXPECT_EQ(chart.yMax, 100);
    ASSERT_EQ(chart.xs.size(), chart.ys.size());
    EXPECT_NEAR(chart.xs.front(), 1.2, 1e-12);
    EXPECT_NEAR(chart.xs.back(), 80, 1e-12);
    for (std::size_t i = 1; i < chart.xs.size(); ++i) EXPECT_LT(chart.ys[i], chart.ys[i - 1]);
    // Grid lines at 1, 2, …, 9 of each decade, both ends included.
    ASSERT_EQ(chart.xGrid.size(), 19u);
    EXPECT_EQ(chart.xGrid[1], 2);
    EXPECT_EQ(chart.xGrid[9], 10);
    EXPECT_NEAR(chart.xGrid.back(), 100, 1e-9);
    ASSERT_EQ(chart.yGrid.size(), 37u);
    EXPECT_NEAR(chart.yGrid.front(), 0.01, 1e-15);
    EXPECT_NEAR(chart.yGrid[9], 0.1, 1e-15);
    EXPECT_NEAR(chart.yGrid.back(), 100, 1e-9);
}

TEST(Vce, Refusals)
{
    constexpr int D = kDirectMethod;
    const testing::RefusalCase<VceInput> cases[] = {
        {{.W = 0}, {.W = 0.5f}, "泄露燃料质量W必须大于0，请重新输入！", "W"},
        {{.Hf = 0}, {.Hf = 0.5f}, "燃料燃烧热Hf必须大于0，请重新输入！", "Hf"},
        {{.T1 = 80.1f}, {.T1 = 80.2f}, "容器内温度T1必须高于燃料沸点温度T2，请重新输入！", "T1"},
        {{.HTNT = 0}, {.HTNT = 0.5f}, "TNT的爆热HTNT必须大于0，请重新输入！", "HTNT"},
        {{.L = 0}, {.L = 0.5f}, "燃料汽化热L必须大于0，请重新输入！", "L"},
        {{.ae = 0}, {.ae = 0.5f}, "TNT当量系数ae必须大于0，请重新输入！", "ae"},
        {{.Cp = 0}, {.Cp = 0.5f}, "燃料平均比热Cp必须大于0，请重新输入！", "Cp"},
        {{.method = D, .eta = 0}, {.method = D, .eta = 0.5f}, "爆炸效率因子必须大于0，请重新输入！", "eta"},
        {{.method = D, .a = 0}, {.method = D, .a = 0.5f}, "蒸汽云当量系数a必须大于0，请重新输入！", "a"},
        {{.method = D, .Pa = 0}, {.method = D, .Pa = 0.5f}, "环境压力Pa必须大于0，请重新输入！", "Pa"},
        {{.method = D, .x = 0}, {.method = D, .x = 0.5f}, "预测点离爆炸点距离x必须大于0，请重新输入！", "x"},
        {{.dP = -1}, {.dP = 0}, "查图知超压不能为负数，请重新输入！", "dP"},
    };
    testing::expectRefusals(cases, computeVce);
    // Each method leaves the other's own inputs unchecked.
    EXPECT_FALSE(computeVce({.method = D, .HTNT = 0, .ae = 0, .dP = -1}).refusal.refused());
    EXPECT_FALSE(computeVce({.method = kTntMethod, .eta = 0, .a = 0, .Pa = 0}).refusal.refused());
    testing::expectSurvivesHostileInputs(vceCalculator(), [](const VceResult& r, const std::string& context) {
        testing::expectDrawable(r.curve.xs, r.curve.ys, context);
    });
}

}  // namespace
}  // namespace qelvo::risk
