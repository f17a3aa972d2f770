#include "risk/pool_fire.h"

#include <gtest/gtest.h>

#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

// By hand for the defaults: D = sqrt(4·100/(0.01·880·3.14159)) = sqrt(14.469) = 3.8038 m;
// m = 41825.6/(55.1·1737.2 + 434256) = 41825.6/529975.7 = 0.078920;
// L = 42·3.8038·(0.078920/(1.293·sqrt(9.8·3.8038)))^0.61 = 159.76·0.009997^0.61 = 9.62 m.
// Texts and distances from an independent python computation with float steps. The flame
// as a point source radiating q0 over its cylinder, P = q0·(πD²/4 + πDL), falls to L kW/m² at
// x = sqrt(P/(4π·1000·L)).
TEST(PoolFire, TextsAndDistances)
{
    const std::string tail = "\r\n该模型计算软件还在继续完善中...................";
    struct Case {
        Assignments in;
        std::string text;
        const char* distances[5];
    };
    const Case cases[] = {
        {{},
         "液池直径为3.803767[m]\r\n液体单位面积燃烧速率为0.078920[kg/(m^2·s)]\r\n火焰高度为9.624596[m]\r\n"
         "燃烧持续时间为111.505547[s]\r\n火焰表面热通量为103883.812500[W/m^2]" + tail,
         {"5.27821", "6.46446", "9.14212", "16.1611", "25.553"}},
        // Tb ≤ Ta: m = 0.001·Hc/Hv = 41825.6/434256 = 0.0963155.
        {{{"Tb", "25"}},
         "液池直径为3.803767[m]\r\n液体单位面积燃烧速率为0.096316[kg/(m^2·s)]\r\n火焰高度为10.868101[m]\r\n"
         "燃烧持续时间为91.366356[s]\r\n火焰表面热通量为113443.125000[W/m^2]" + tail,
         {"5.83098", "7.14146", "10.0996", "17.8537", "28.2291"}},
        // 平静的水面: a layer of 1.8 mm.
        {{{"ground", "平静的水面"}},
         "液池直径为8.965565[m]\r\n液体单位面积燃烧速率为0.078920[kg/(m^2·s)]\r\n火焰高度为17.465269[m]\r\n"
         "燃烧持续时间为20.070999[s]\r\n火焰表面热通量为131401.718750[W/m^2]" + tail,
         {"12.4409", "15.2369", "21.5482", "38.0922", "60.229"}},
        // The exposure time and the distance take no part.
        {{{"t", "1"}, {"x", "1000"}},
         "液池直径为3.803767[m]\r\n液体单位面积燃烧速率为0.078920[kg/(m^2·s)]\r\n火焰高度为9.624596[m]\r\n"
         "燃烧持续时间为111.505547[s]\r\n火焰表面热通量为103883.812500[W/m^2]" + tail,
         {"5.27821", "6.46446", "9.14212", "16.1611", "25.553"}},
        // No radiation reaches a threshold beyond the pool's edge.
        {{{"f", "0"}},
         "液池直径为3.803767[m]\r\n液体单位面积燃烧速率为0.078920[kg/(m^2·s)]\r\n火焰高度为9.624596[m]\r\n"
         "燃烧持续时间为111.505547[s]\r\n火焰表面热通量为0.000000[W/m^2]" + tail,
         {"无", "无", "无", "无", "无"}},
    };
    for (const auto& c : cases) {
        const RunOutcome run = testing::runById("risk.pool_fire", c.in);
        ASSERT_EQ(run.status, RunOutcome::Status::Ok) << c.text;
        EXPECT_EQ(run.report.text, c.text);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(run.report.tables.at(0).rows.at(i).at(1), c.distances[i]) << c.text;
    }
    const double thickness[] = {0.02, 0.025, 0.01, 0.005, 0.0018};
    for (int g = 0; g < 5; ++g) EXPECT_EQ(layerThickness(g), thickness[g]) << g;
    EXPECT_NEAR(pointSourceRadiation(1000 * 4 * 3.14159, 2), 0.25, 1e-15);  // 4π·1000 W at 2 m: 1/4 kW/m²
    EXPECT_FLOAT_EQ(computePoolFire({}).hazard.curve.xs.front(), 3.803767f / 2);  // from the pool's edge
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
    testing::expectRefusals(poolFireCalculator(), cases);
}

}  // namespace
}  // namespace qelvo::risk
