#include "risk/bleve.h"

#include <gtest/gtest.h>

#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

// Texts and distances from an independent python computation of the formulas with float
// inputs and float steps. By hand for the defaults: Wf = 50 kg, 50^0.327 = 3.59390,
// D = 2.665·3.59390 = 9.5777 m, t = 1.089·3.59390 = 3.9138 s; the fireball's radius is
// 4.789 m, so x = 5 lies outside it and x = 4 inside.
TEST(Bleve, FireballReceptorAndDistances)
{
    const std::string head = "火球直径为 9.57768[m];火球持续时间为 3.91373[s]\r\n火球抬升高度为 9.57768[m]\r\n"
                             "火球表面热辐射能量为 568387[W/m^2]\r\n";
    const std::string inside = head + "距离储罐距离小于火球半径，热辐射强度不能计算\r\n死亡概率为 1\r\n二度烧伤概率为 1\r\n一度烧伤概率为 1";
    struct Case {
        Assignments in;
        std::string text;
        const char* nearest;  // 37.5 kW/m²
        const char* farthest; // 1.6 kW/m²
    };
    const Case cases[] = {
        {{}, head + "距离储罐10米处热辐射强度为 56520.8[W/m^2]\r\n死亡概率为 0.133543\r\n二度烧伤概率为 0.133474\r\n一度烧伤概率为 0.464179",
         "13.7853", "74.4372"},
        {{{"x", "5"}}, head + "距离储罐5米处热辐射强度为 96318.9[W/m^2]\r\n死亡概率为 0.315493\r\n二度烧伤概率为 0.348033\r\n一度烧伤概率为 0.678724",
         "13.7853", "74.4372"},
        {{{"x", "4"}}, inside, "13.7853", "74.4372"},
        {{{"x", "0"}}, inside, "13.7853", "74.4372"},
        // Death and second degree come out negative: all three are shown as 0.
        {{{"x", "30"}}, head + "距离储罐30米处热辐射强度为 9914.04[W/m^2]\r\n死亡概率为 0\r\n二度烧伤概率为 0\r\n一度烧伤概率为 0",
         "13.7853", "74.4372"},
        // 多罐储存: D grows by (0.9/0.5)^0.327 = 1.21192.
        {{{"storage", "多罐储存"}},
         "火球直径为 11.6074[m];火球持续时间为 4.74313[s]\r\n火球抬升高度为 11.6074[m]\r\n火球表面热辐射能量为 574770[W/m^2]\r\n"
         "距离储罐10米处热辐射强度为 68264.7[W/m^2]\r\n死亡概率为 0.247186\r\n二度烧伤概率为 0.267484\r\n一度烧伤概率为 0.598181",
         "16.6353", "89.9441"},
    };
    for (const auto& c : cases) {
        const RunOutcome run = testing::runById("risk.bleve", c.in);
        ASSERT_EQ(run.status, RunOutcome::Status::Ok) << c.text;
        EXPECT_EQ(run.report.text, c.text);
        const Table& t = run.report.tables.at(0);
        EXPECT_EQ(t.rows.at(0).at(1), c.nearest) << c.text;
        EXPECT_EQ(t.rows.at(4).at(1), c.farthest) << c.text;
    }
    const Table t = testing::runById("risk.bleve").report.tables.at(0);
    EXPECT_EQ(t.columns.at(1), "离储罐水平距离 [m]");
    EXPECT_EQ(t.rows.at(2).at(1), "26.5361");
    EXPECT_EQ(computeBleve({.storage = 1}).ball.Wf, 70);
    EXPECT_TRUE(computeBleve({.x = computeBleve({}).ball.D * 0.5f}).inside);  // on the fireball's edge

    // The curve runs from the fireball's edge to 1.5 times the farthest distance.
    const Curve curve = testing::runById("risk.bleve").report.curves.at(0);
    EXPECT_FLOAT_EQ(curve.xs.front(), 4.78884077f);
    EXPECT_NEAR(curve.xs.back(), 1.5 * 74.4372, 1e-3);
    EXPECT_EQ(curve.yLabel, "热辐射强度 [kW/m^2]");
}

TEST(Bleve, Refusals)
{
    const testing::RefusalCase<BleveInput> cases[] = {
        // 10 g in the tank: a fireball of 0.61 m lasting 0.25 s.
        {{.W = 0}, {.W = 0.01f}, "储罐容量W必须大于0，请重新输入！", "W"},
        {{.Pw = 0}, {.Pw = 0.5f}, "饱和水蒸气压Pw必须大于0，请重新输入！", "Pw"},
        // Hv + Cp·ΔT = 434256 + 1737.2·1700 = 3387495.9 J/kg (Cp as float) must stay below Hc.
        {{.Hc = 3387495}, {.Hc = 3387496}, "物质燃烧热Hc必须大于Hv与Cp·T之和，请重新输入！", "Hc"},
        // 1e6 + 2000·1000 = 3e6 exactly: a heat of combustion of 3e6 J/kg leaves nothing to radiate.
        {{.Hv = 1e6f, .Hc = 3e6f, .Cp = 2000, .dT = 1000}, {.Hv = 1e6f, .Hc = 3000001, .Cp = 2000, .dT = 1000},
         "物质燃烧热Hc必须大于Hv与Cp·T之和，请重新输入！", "Hc"},
        {{.RH = 0}, {.RH = 0.5f}, "相对湿度RH必须大于0，请重新输入！", "RH"},
        {{.P = 0}, {.P = 0.5f}, "储罐破裂瞬间储存物料饱和蒸气压力P必须大于0，请重新输入！", "P"},
        {{.x = -1}, {.x = 0}, "预测点离储罐水平距离x不能为负数，请重新输入！", "x"},
    };
    testing::expectRefusals(bleveCalculator(), cases);
}

}  // namespace
}  // namespace qelvo::risk
