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
        Assignments in;
        const char* text;
    };
    const Case cases[] = {
        {{}, "10分钟后油膜直径为418.033476[m]"},
        {{{"t", "0.5"}}, "0.5分钟后油膜直径为154.004849[m]"},
        {{{"t", "0"}}, "0分钟后油膜直径为0.100000[m]"},  // t = 0 keeps D0
        {{{"gamma0", "1000"}, {"t", "1e6"}}, "1e+006分钟后油膜直径为0.100000[m]"},  // γ0 = γ keeps D0
        // Oil slightly heavier than water shrinks a large slick without emptying the root:
        // 100³ − 24·1·0.5·15000·10·1001/(3.14159·1000) = 1e6 − 573531 = 426469 → 75.27 m.
        {{{"gamma0", "1001"}, {"D0", "100"}}, "10分钟后油膜直径为75.271241[m]"},
    };
    for (const auto& c : cases) EXPECT_EQ(testing::runById("risk.oil_film", c.in).report.text, c.text);
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
    testing::expectRefusals(oilFilmCalculator(), cases);
}

}  // namespace
}  // namespace qelvo::risk
