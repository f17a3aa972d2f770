#include "risk/vce.h"

#include <gtest/gtest.h>

#include <cmath>

#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

// By hand for the defaults: Fv = 1 − exp(−1737.2·119.9/434259) = 1 − exp(−0.47964) = 0.38100;
// Wf = 2·100·0.381 = 76.2 kg; WTNT = 41825600·0.03·76.2/4520000 = 21.153 kg;
// R̄ = 10/21.153^(1/3) = 10/2.7656 = 3.6158. Direct: E = 0.04·0.03·41825600·76.2·1.8 = 6.884e6 J,
// R̄ = 10/(E/101325)^(1/3) = 2.4507. Texts and distances from an independent python
// computation: the direct fit solved by bisection in Z = ln R̄, the chart's line inverted in
// closed form, R̄ = 1.2·(ΔP/9806.65/60)^(1/k) with k = ln(0.01/60)/ln(80/1.2), times WTNT^(1/3).
TEST(Vce, TextsAndDistances)
{
    const char* tnt = "TNT当量为 21.1532[kg],无因次距离为 3.61583[m]\r\n";
    struct Case {
        Assignments in;
        std::string text;
        const char* distances[3];  // 0.1, 0.05, 0.02 MPa
    };
    const Case cases[] = {
        {{}, tnt, {"7.80789", "10.9108", "16.981"}},
        // Pd = 0.1·(1.43·log10 50000 + 2.47) = 0.1·(1.43·4.69897 + 2.47) = 0.918953
        {{{"dP", "50000"}}, std::string(tnt) + "查图知：爆炸冲击波超压为 50000[Pa]\r\n则死亡概率为 0.918953",
         {"7.80789", "10.9108", "16.981"}},
        {{{"dP", "200000"}}, std::string(tnt) + "查图知：爆炸冲击波超压为 200000[Pa]\r\n则死亡概率为 1",  // limited to 1
         {"7.80789", "10.9108", "16.981"}},
        {{{"dP", "0.01"}}, std::string(tnt) + "查图知：爆炸冲击波超压为 0.01[Pa]\r\n则死亡概率为 0",  // limited to 0
         {"7.80789", "10.9108", "16.981"}},
        // 200 kg: WTNT doubles, the distances grow by 2^(1/3).
        {{{"W", "200"}}, "TNT当量为 42.3064[kg],无因次距离为 2.86988[m]\r\n", {"9.83733", "13.7467", "21.3947"}},
        {{{"method", "直接计算法"}}, "爆炸冲击波超压为 11793.1[Pa]\r\n死亡概率为 0.829243", {"2.33345", "3.56546", "6.7028"}},
        {{{"method", "1"}, {"x", "2"}}, "爆炸冲击波超压为 131136[Pa]\r\n死亡概率为 0.978834", {"2.33345", "3.56546", "6.7028"}},
        {{{"method", "1"}, {"x", "100"}}, "爆炸冲击波超压为 641[Pa]\r\n死亡概率为 0.648381", {"2.33345", "3.56546", "6.7028"}},
        {{{"method", "1"}, {"dP", "5"}}, "爆炸冲击波超压为 11793.1[Pa]\r\n死亡概率为 0.829243",  // no reading
         {"2.33345", "3.56546", "6.7028"}},
    };
    for (const auto& c : cases) {
        const RunOutcome run = testing::runById("risk.vce", c.in);
        ASSERT_EQ(run.status, RunOutcome::Status::Ok) << c.text;
        EXPECT_EQ(run.report.text, c.text);
        const Table& t = run.report.tables.at(0);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(t.rows.at(i).at(1), c.distances[i]) << c.text;
    }
    // The curve runs from half the nearest distance to 1.5 times the farthest, falling.
    const Curve curve = testing::runById("risk.vce", {{"method", "1"}}).report.curves.at(0);
    EXPECT_NEAR(curve.xs.front(), 2.33345 / 2, 1e-5);
    EXPECT_NEAR(curve.xs.back(), 1.5 * 6.7028, 1e-4);
    for (std::size_t i = 1; i < curve.ys.size(); ++i) EXPECT_LT(curve.ys[i], curve.ys[i - 1]);
    const Curve big = testing::runById("risk.vce", {{"W", "200"}}).report.curves.at(0);
    EXPECT_NEAR(big.xs.front(), 9.83733 / 2, 1e-5);
    EXPECT_EQ(testing::runById("risk.vce").report.tables.at(0).columns.at(0), "超压 [MPa]");
}

TEST(Vce, WhatThePageKeeps)
{
    VceMemory memory;  // before any TNT computation the lookup window shows R̄ = 0
    remember(memory, computeVce({.method = kDirectMethod}));
    EXPECT_EQ(memory.Rbar, 0);  // the direct method keeps its overpressure, not its R̄
    EXPECT_FLOAT_EQ(memory.dP, 11793.0664f);
    remember(memory, computeVce({}));
    EXPECT_FLOAT_EQ(memory.Rbar, 3.61582828f);
    EXPECT_FLOAT_EQ(memory.dP, 11793.0664f);  // the TNT method reads none
    remember(memory, computeVce({.W = 0}));  // refused: nothing changes
    EXPECT_FLOAT_EQ(memory.WTNT, 21.1532249f);

    // "确定" with 0 changes nothing; a negative reading is refused; a reading is kept.
    EXPECT_FALSE(applyLookup(memory, 0).changed);
    EXPECT_EQ(applyLookup(memory, -1).refusal.message, "查图知超压不能为负数，请重新输入！");
    EXPECT_TRUE(applyLookup(memory, 50000).changed);
    EXPECT_EQ(lookupText(memory),
              "TNT当量为 21.1532[kg],无因次距离为 3.61583[m]\r\n查图知：爆炸冲击波超压为 50000[Pa]\r\n则死亡概率为 0.918953");
    remember(memory, computeVce({.dP = 20000}));
    EXPECT_EQ(memory.dP, 20000);
}

TEST(Vce, LookupChart)
{
    // Slope ln(0.01/60)/ln(80/1.2) = −2.071458: at R̄ = 10, 60·(10/1.2)^−2.071458 = 0.742529.
    EXPECT_NEAR(chartOverpressure(1.2), 60, 1e-12);
    EXPECT_NEAR(chartOverpressure(10), 0.7425290047059013, 1e-12);
    EXPECT_NEAR(chartOverpressure(80), 0.01, 1e-15);
    const OverpressureChart& chart = overpressureChart();
    EXPECT_NEAR(chart.xs.front(), 1.2, 1e-12);
    EXPECT_NEAR(chart.xs.back(), 80, 1e-12);
    // Grid lines at 1, 2, …, 9 of each decade, both ends included.
    ASSERT_EQ(chart.xGrid.size(), 19u);
    EXPECT_EQ(chart.xGrid[1], 2);
    EXPECT_NEAR(chart.xGrid.back(), 100, 1e-9);
    ASSERT_EQ(chart.yGrid.size(), 37u);
    EXPECT_NEAR(chart.yGrid[9], 0.1, 1e-15);
}

TEST(Vce, Refusals)
{
    constexpr int D = kDirectMethod;
    const testing::RefusalCase<VceInput> cases[] = {
        {{.W = 0}, {.W = 0.5f}, "泄露燃料质量W必须大于0，请重新输入！", "W"},
        {{.Hf = 0}, {.Hf = 0.5f}, "燃料燃烧热Hf必须大于0，请重新输入！", "Hf"},
        {{.T1 = 80.1f}, {.T1 = 80.2f}, "容器内温度T1必须高于燃料沸点温度T2，请重新输入！", "T1"},
        {{.HTNT = 0}, {.method = D, .HTNT = 0}, "TNT的爆热HTNT必须大于0，请重新输入！", "HTNT"},
        {{.L = 0}, {.L = 0.5f}, "燃料汽化热L必须大于0，请重新输入！", "L"},
        {{.ae = 0}, {.method = D, .ae = 0}, "TNT当量系数ae必须大于0，请重新输入！", "ae"},
        {{.Cp = 0}, {.Cp = 0.5f}, "燃料平均比热Cp必须大于0，请重新输入！", "Cp"},
        {{.method = D, .eta = 0}, {.eta = 0}, "爆炸效率因子必须大于0，请重新输入！", "eta"},
        {{.method = D, .a = 0}, {.a = 0}, "蒸汽云当量系数a必须大于0，请重新输入！", "a"},
        {{.method = D, .Pa = 0}, {.Pa = 0}, "环境压力Pa必须大于0，请重新输入！", "Pa"},
        {{.method = D, .x = 0}, {.method = D, .x = 0.5f}, "预测点离爆炸点距离x必须大于0，请重新输入！", "x"},
        {{.dP = -1}, {.method = D, .dP = -1}, "查图知超压不能为负数，请重新输入！", "dP"},
    };
    testing::expectRefusals(vceCalculator(), cases);
}

}  // namespace
}  // namespace qelvo::risk
