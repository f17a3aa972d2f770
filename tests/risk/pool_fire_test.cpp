#include "risk/pool_fire.h"

#include <gtest/gtest.h>

#include <cmath>

#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

const char* kTail = "\r\n该模型计算软件还在继续完善中...................";

TEST(PoolFire, Texts)
{
    // By hand for the defaults: D = sqrt(4·100/(0.01·880·3.14159)) = sqrt(14.469) = 3.8038 m;
    // m = 41825.6/(55.1·1737.2 + 434256) = 41825.6/529975.7 = 0.078920;
    // L = 42·3.8038·(0.078920/(1.293·sqrt(9.8·3.8038)))^0.61 = 159.76·0.009997^0.61 = 9.62 m.
    // The texts from an independent python computation with float steps.
    struct Case {
        const char* name;
        float Tb;
        int ground;
        std::string text;
    };
    const Case cases[] = {
        {"defaults", 80.1f, 2,
         "液池直径为3.803767[m]\r\n液体单位面积燃烧速率为0.078920[kg/(m^2·s)]\r\n火焰高度为9.624596[m]\r\n"
         "燃烧持续时间为111.505547[s]\r\n火焰表面热通量为103883.812500[W/m^2]" + std::string(kTail)},
        // Tb ≤ Ta: m = 0.001·Hc/Hv = 41825.6/434256 = 0.0963155.
        {"Tb = Ta", 25, 2,
         "液池直径为3.803767[m]\r\n液体单位面积燃烧速率为0.096316[kg/(m^2·s)]\r\n火焰高度为10.868101[m]\r\n"
         "燃烧持续时间为91.366356[s]\r\n火焰表面热通量为113443.125000[W/m^2]" + std::string(kTail)},
        {"Tb below Ta", 20, 2,
         "液池直径为3.803767[m]\r\n液体单位面积燃烧速率为0.096316[kg/(m^2·s)]\r\n火焰高度为10.868101[m]\r\n"
         "燃烧持续时间为91.366356[s]\r\n火焰表面热通量为113443.125000[W/m^2]" + std::string(kTail)},
        {"平静的水面", 80.1f, 4,
         "液池直径为8.965565[m]\r\n液体单位面积燃烧速率为0.078920[kg/(m^2·s)]\r\n火焰高度为17.465269[m]\r\n"
         "燃烧持续时间为20.070999[s]\r\n火焰表面热通量为131401.718750[W/m^2]" + std::string(kTail)},
    };
    for (const auto& c : cases) {
        PoolFireInput in;
        in.Tb = c.Tb;
        in.ground = c.ground;
        EXPECT_EQ(testing::shownText(poolFireCalculator(), in), c.text) << c.name;
    }
    EXPECT_EQ(testing::runById("risk.pool_fire", {{"Tb", "25"}}).report.text, cases[1].text);
    // The exposure time and the distance take no part.
    PoolFireInput other;
    other.t = 1;
    other.x = 1000;
    EXPECT_EQ(testing::shownText(poolFireCalculator(), other), cases[0].text);
}

TEST(PoolFire, LayerThicknessByGround)
{
    const double expected[] = {0.02, 0.025, 0.01, 0.005, 0.0018};
    for (int g = 0; g < 5; ++g) EXPECT_EQ(layerThickness(g), expected[g]) << g;
}

TEST(PoolFire, DamageDistancesOfThePointSource)
{
    // The radiated power is f·m·Hc over the pool's area; from a point source it falls to L at
    // x = sqrt(P/(4π·L)). Python with the defaults: 5.27821, 6.46446, 9.14212, 16.1611, 25.553.
    const RunOutcome run = testing::runById("risk.pool_fire");
    ASSERT_EQ(run.report.tables.size(), 1u);
    const char* expected[] = {"5.27821", "6.46446", "9.14212", "16.1611", "25.553"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(run.report.tables[0].rows[i][1], expected[i]) << i;
    EXPECT_EQ(run.report.tables[0].columns[1], "离火焰中心距离 [m]");

    const PoolFireResult r = computePoolFire({});
    EXPECT_NEAR(r.radiatedPower, 0.35 * 0.078920 * 41825600 * 3.14159 * 3.803767 * 3.803767 / 4, r.radiatedPower * 1e-5);
    EXPECT_NEAR(pointSourceRadiation(1000 * 4 * 3.14159, 2), 0.25, 1e-15);  // 4π·1000 W at 2 m: 1/4 kW/m²
    EXPECT_FLOAT_EQ(r.hazard.curve.xs.front(), 3.803767f / 2);

    // A pool that radiates little reaches no threshold beyond its edge.
    PoolFireInput faint;
    faint.f = 0;
    EXPECT_EQ(testing::runById("risk.pool_fire", {{"f", "0"}}).report.tables[0].rows[4][1], "无");
    EXPECT_TRUE(computePoolFire(faint).hazard.curve.xs.size() > 0);
}

TEST(PoolFire, Refusals)
{
    const testing::RefusalCase<PoolFireInput> cases[] = {
        {{.W = 0}, {.W = 0.5f}, "泄漏液体质量W必须大于0，请重新输入！", "W"},
        {{.Hc = 0}, {.Hc = 0.5f}, "液体燃烧热Hc必须大于0，请重新输入！", "Hc"},
        {{.Hv = 0}, {.Hv = 0.5f}, "常压沸点下的蒸发热Hv必须大于0，请重新输入！", "Hv"},
        {{.Cp = -1}, {.Cp = 0}, "液体比定压热容Cp不能为负数，请重新输入！", "Cp"},
        {{.rho = 0}, {.rho = 0.5f}, "液体密度ρ必须大于0，请重新输入！", "rho"},
        {{.f = -1}, {.f = 0}, "热辐射系数f不能为负数，请重新输入！", "f"},
    };
    testing::expectRefusals(cases, computePoolFire);
    testing::expectSurvivesHostileInputs(poolFireCalculator(), [](const PoolFireResult& r, const std::string& context) {
        testing::expectDrawable(r.hazard.curve.xs, r.hazard.curve.ys, context);
    });
}

}  // namespace
}  // namespace qelvo::risk
