#include "risk/bleve.h"

#include <gtest/gtest.h>

#include <cmath>

#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

// Texts from an independent python computation of the formulas with float inputs and
// float steps. By hand for the defaults: Wf = 50 kg, 50^0.327 = e^(0.327·3.91202) = 3.59390,
// D = 2.665·3.59390 = 9.5777 m, t = 1.089·3.59390 = 3.9138 s; the fireball's radius is
// 4.789 m, so x = 5 lies outside it and x = 4 inside.
const char* kHead = "火球直径为 9.57768[m];火球持续时间为 3.91373[s]\r\n火球抬升高度为 9.57768[m]\r\n"
                    "火球表面热辐射能量为 568387[W/m^2]\r\n";

TEST(Bleve, FireballAndReceptor)
{
    struct Case {
        const char* name;
        BleveInput in;
        std::string text;
    };
    BleveInput x5, x4, x0, x30, many;
    x5.x = 5;
    x4.x = 4;
    x0.x = 0;
    x30.x = 30;
    many.storage = 2;
    const Case cases[] = {
        {"defaults", {},
         std::string(kHead) + "距离储罐10米处热辐射强度为 56520.8[W/m^2]\r\n死亡概率为 0.133543\r\n二度烧伤概率为 0.133474\r\n"
                              "一度烧伤概率为 0.464179"},
        {"x = 5, just outside", x5,
         std::string(kHead) + "距离储罐5米处热辐射强度为 96318.9[W/m^2]\r\n死亡概率为 0.315493\r\n二度烧伤概率为 0.348033\r\n"
                              "一度烧伤概率为 0.678724"},
        {"x = 4, inside", x4,
         std::string(kHead) + "距离储罐距离小于火球半径，热辐射强度不能计算\r\n死亡概率为 1\r\n二度烧伤概率为 1\r\n一度烧伤概率为 1"},
        {"x = 0, under the fireball", x0,
         std::string(kHead) + "距离储罐距离小于火球半径，热辐射强度不能计算\r\n死亡概率为 1\r\n二度烧伤概率为 1\r\n一度烧伤概率为 1"},
        {"x = 30, probabilities clamped to 0", x30,
         std::string(kHead) + "距离储罐30米处热辐射强度为 9914.04[W/m^2]\r\n死亡概率为 0\r\n二度烧伤概率为 0\r\n一度烧伤概率为 0"},
        {"多罐储存", many,
         "火球直径为 11.6074[m];火球持续时间为 4.74313[s]\r\n火球抬升高度为 11.6074[m]\r\n火球表面热辐射能量为 574770[W/m^2]\r\n"
         "距离储罐10米处热辐射强度为 68264.7[W/m^2]\r\n死亡概率为 0.247186\r\n二度烧伤概率为 0.267484\r\n一度烧伤概率为 0.598181"},
    };
    for (const auto& c : cases) {
        const BleveResult r = computeBleve(c.in);
        EXPECT_FALSE(r.refusal.refused()) << c.name;
        EXPECT_EQ(testing::shownText(bleveCalculator(), c.in), c.text) << c.name;
    }
    EXPECT_EQ(testing::runById("risk.bleve", {{"x", "4"}}).report.text, cases[2].text);
    EXPECT_TRUE(computeBleve(x4).inside);
    EXPECT_FALSE(computeBleve(x5).inside);
    EXPECT_TRUE(computeBleve({.x = computeBleve({}).ball.D * 0.5f}).inside);  // on the fireball's edge
}

TEST(Bleve, StorageScalesTheMassBeforeThePower)
{
    // 多罐储存 against 单罐储存: D grows by (0.9/0.5)^0.327 = 1.211920.
    BleveInput many, two;
    many.storage = 2;
    two.storage = 1;
    EXPECT_NEAR(computeBleve(many).ball.D / computeBleve({}).ball.D, 1.211920, 1e-6);
    EXPECT_EQ(computeBleve(two).ball.Wf, 70);
    EXPECT_EQ(storageFactor(0), 0.5f);
    EXPECT_EQ(storageFactor(1), 0.7f);
    EXPECT_EQ(storageFactor(2), 0.9f);
}

TEST(Bleve, DamageDistances)
{
    // Solved in python by bisection on the same radiation formula.
    const BleveResult r = computeBleve({});
    const RunOutcome run = testing::runById("risk.bleve");
    ASSERT_EQ(run.report.tables.size(), 1u);
    const Table& t = run.report.tables[0];
    EXPECT_EQ(t.columns[1], "离储罐水平距离 [m]");
    const char* expected[] = {"13.7853", "17.9222", "26.5361", "47.5361", "74.4372"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(t.rows[i][1], expected[i]) << i;
    // The curve starts at the fireball's edge and passes the 1.6 kW/m² distance.
    EXPECT_FLOAT_EQ(r.hazard.curve.xs.front(), 4.78884077f);
    EXPECT_NEAR(r.hazard.curve.xs.back(), 1.5 * 74.4372, 1e-3);
    EXPECT_NEAR(r.hazard.curve.ys.front(), fireballRadiation(r.ball, 0.5f, 4245.5f, r.ball.D / 2) / 1000, 1e-12);
    EXPECT_NEAR(fireballRadiation(r.ball, 0.5f, 4245.5f, 10), 56520.8, 0.1);
}

TEST(Bleve, Refusals)
{
    const testing::RefusalCase<BleveInput> cases[] = {
        // 10 g in the tank: a fireball of 0.61 m lasting 0.25 s.
        {{.W = 0}, {.W = 0.01f}, "储罐容量W必须大于0，请重新输入！", "W"},
        {{.Pw = 0}, {.Pw = 0.5f}, "饱和水蒸气压Pw必须大于0，请重新输入！", "Pw"},
        // Hv + Cp·ΔT = 434256 + 1737.2·1700 = 3387495.9 J/kg (Cp as float) must stay below Hc.
        {{.Hc = 3387495}, {.Hc = 3387496}, "物质燃烧热Hc必须大于Hv与Cp·T之和，请重新输入！", "Hc"},
        {{.RH = 0}, {.RH = 0.5f}, "相对湿度RH必须大于0，请重新输入！", "RH"},
        {{.P = 0}, {.P = 0.5f}, "储罐破裂瞬间储存物料饱和蒸气压力P必须大于0，请重新输入！", "P"},
        {{.x = -1}, {.x = 0}, "预测点离储罐水平距离x不能为负数，请重新输入！", "x"},
    };
    testing::expectRefusals(cases, computeBleve);
    testing::expectSurvivesHostileInputs(bleveCalculator(), [](const BleveResult& r, const std::string& context) {
        testing::expectDrawable(r.hazard.curve.xs, r.hazard.curve.ys, context);
    });
}

}  // namespace
}  // namespace qelvo::risk
