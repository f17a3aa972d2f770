#include "risk/oil_film.h"

#include <gtest/gtest.h>

#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

TEST(OilFilm, Texts)
{
    // By hand for the defaults: 24·150·0.5·15000·10·850/(3.14159·1000) = 2.295e11/3141.59
    // = 7.3053e7; (0.001 + 7.3053e7)^(1/3) = 418.03 m (python: 418.0334759952729).
    struct Case {
        const char* name;
        float t, gamma0;
        const char* text;
    };
    const Case cases[] = {
        {"defaults", 10, 850, "10分钟后油膜直径为418.033476[m]"},
        {"half a minute", 0.5f, 850, "0.5分钟后油膜直径为154.004849[m]"},
        {"t = 0 keeps D0", 0, 850, "0分钟后油膜直径为0.100000[m]"},
        {"γ0 = γ keeps D0", 10, 1000, "10分钟后油膜直径为0.100000[m]"},
        {"γ0 = γ keeps D0 for ever", 1e6f, 1000, "1e+006分钟后油膜直径为0.100000[m]"},
    };
    for (const auto& c : cases) {
        OilFilmInput in;
        in.t = c.t;
        in.gamma0 = c.gamma0;
        EXPECT_EQ(testing::shownText(oilFilmCalculator(), in), c.text) << c.name;
    }
    EXPECT_EQ(testing::runById("risk.oil_film").report.text, cases[0].text);
    // Oil slightly heavier than water shrinks a large slick without emptying the root:
    // 100³ − 24·1·0.5·15000·10·1001/(3.14159·1000) = 1e6 − 573567 → 75.28 m.
    OilFilmInput heavy;
    heavy.gamma0 = 1001;
    heavy.D0 = 100;
    EXPECT_NEAR(computeOilFilm(heavy).Dt, 75.28, 0.01);
}

TEST(OilFilm, Refusals)
{
    const testing::RefusalCase<OilFilmInput> cases[] = {
        {{.V0 = -1}, {.V0 = 0}, "溢油量V0不能为负数，请重新输入！", "V0"},
        {{.D0 = -1}, {.D0 = 0}, "油膜初始时刻直径D0不能为负数，请重新输入！", "D0"},
        {{.gamma = 0}, {.gamma = 0.5f, .gamma0 = 0.25f}, "水比重γ必须大于0，请重新输入！", "gamma"},
        {{.gamma0 = -1}, {.gamma0 = 0}, "石油比重γ0不能为负数，请重新输入！", "gamma0"},
        {{.K = -1}, {.K = 0}, "常数K不能为负数，请重新输入！", "K"},
        {{.t = -1}, {.t = 0}, "扩展时间t不能为负数，请重新输入！", "t"},
        // No slick and no spreading: the root is 0, a diameter of 0.
        {{.gamma0 = 1001}, {.D0 = 0, .t = 0}, "石油比重γ0大于水比重γ，油膜直径无实数解，请重新输入！", "gamma0"},
    };
    testing::expectRefusals(cases, computeOilFilm);
    EXPECT_EQ(testing::shownText(oilFilmCalculator(), {.D0 = 0, .t = 0}), "0分钟后油膜直径为0.000000[m]");
    testing::expectSurvivesHostileInputs(oilFilmCalculator());
}

}  // namespace
}  // namespace qelvo::risk
