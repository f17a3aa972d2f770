#include "risk/jet_fire.h"

#include <gtest/gtest.h>

#include <cmath>

#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

// By hand for the defaults: Q = 0.01·41825600 = 418256 W; Lf = 0.0061858·418256^0.444 = 1.938 m;
// τ = 1 − 0.0565·ln 10 = 0.86990; q = 0.8699·0.3·418256/(12566.36·100) = 0.08686 kW/m²;
// X = ln(40·34.74^(4/3)) = 8.42, so all three probabilities are negative and shown as 0.
// Texts and distances from an independent python computation.
TEST(JetFire, TextsAndDistances)
{
    struct Case {
        Assignments in;
        const char* text;
        const char* distances[5];
    };
    const Case cases[] = {
        {{},
         "喷射火的火焰长度为 1.93784[m]\r\n距离火焰点源10米处接收的热辐射能量为 0.0868611[KW/m^2]\r\n死亡概率为 0\r\n"
         "二度烧伤概率为 0\r\n一度烧伤概率为 0",
         {"0.525314", "0.639906", "0.896516", "1.55999", "2.43454"}},
        {{{"m", "1"}},
         "喷射火的火焰长度为 14.9733[m]\r\n距离火焰点源10米处接收的热辐射能量为 8.68611[KW/m^2]\r\n死亡概率为 0.0893085\r\n"
         "二度烧伤概率为 0.0813121\r\n一度烧伤概率为 0.412021",
         {"4.92233", "5.99169", "8.38359", "14.5554", "22.672"}},
        {{{"m", "1"}, {"x", "3"}},  // above 1: all three 1
         "喷射火的火焰长度为 14.9733[m]\r\n距离火焰点源3米处接收的热辐射能量为 104.059[KW/m^2]\r\n死亡概率为 1\r\n"
         "二度烧伤概率为 1\r\n一度烧伤概率为 1",
         {"4.92233", "5.99169", "8.38359", "14.5554", "22.672"}},
        {{{"m", "0"}},  // nothing burns: no radiation, no harm
         "喷射火的火焰长度为 0[m]\r\n距离火焰点源10米处接收的热辐射能量为 0[KW/m^2]\r\n死亡概率为 0\r\n二度烧伤概率为 0\r\n"
         "一度烧伤概率为 0",
         {"无", "无", "无", "无", "无"}},
    };
    for (const auto& c : cases) {
        const RunOutcome run = testing::runById("risk.jet_fire", c.in);
        ASSERT_EQ(run.status, RunOutcome::Status::Ok) << c.text;
        EXPECT_EQ(run.report.text, c.text);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(run.report.tables.at(0).rows.at(i).at(1), c.distances[i]) << c.text;
    }
    // The curve starts at the flame tip, a fifth of the flame length from the point source,
    // and never nearer than 1 mm (1e-9 kg/s: a flame of 1.5 mm).
    EXPECT_NEAR(computeJetFire({.m = 1}).hazard.curve.xs.front(), 0.2 * 14.9733, 1e-4);
    EXPECT_EQ(computeJetFire({.m = 1e-9f}).hazard.curve.xs.front(), 1e-3);
    // τ = 1 − 0.0565·ln 100 = 0.739808 at 100 m.
    EXPECT_NEAR(jetRadiation(12566.36e4, 1, 100), 0.739808, 1e-6);
}

TEST(JetFire, Refusals)
{
    const testing::RefusalCase<JetFireInput> cases[] = {
        {{.m = -1}, {.m = 0}, "质量流速m不能为负数，请重新输入！", "m"},
        {{.Hc = -1}, {.Hc = 0}, "物质燃烧热Hc不能为负数，请重新输入！", "Hc"},
        {{.f = -1}, {.f = 0}, "热辐射率f不能为负数，请重新输入！", "f"},
        {{.t = 0}, {.t = 0.5f}, "暴露时间t必须大于0，请重新输入！", "t"},
        {{.x = 0}, {.x = 0.5f}, "预测点离火焰点源距离x必须大于0，请重新输入！", "x"},
        // τ = 1 − 0.0565·ln x reaches 0 at e^(1/0.0565) = 4.86e7 m.
        {{.x = 5e7f}, {.x = 4.8e7f}, "预测点离火焰点源距离x过大（大气透射率不大于0），请重新输入！", "x"},
    };
    testing::expectRefusals(jetFireCalculator(), cases);
}

}  // namespace
}  // namespace qelvo::risk
