#include "air/dust.h"

#include <gtest/gtest.h>

#include "hostile_inputs.h"

namespace qelvo::air {
namespace {

// Numbers from an independent /usr/bin/python3 recomputation of the two formulas.
TEST(Dust, CoalPileAndTransport)
{
    EXPECT_EQ(eraseTypes(coalPileCalculator()).run({}).report.fields.at(0).second, "0.76006");
    EXPECT_EQ(eraseTypes(coalPileCalculator()).run({{"U", "3"}, {"S", "100"}, {"W", "4"}}).report.fields.at(0).second,
              "114.431");  // 11.7·3^2.45·100^0.345·e^−2
    EXPECT_EQ(eraseTypes(transportCalculator()).run({}).report.fields.at(0).second, "2.59589");
    const Assignments loaded = {{"V", "40"}, {"M", "10"}, {"L", "2"}, {"Q", "50000"}, {"P", "0.2"}};
    EXPECT_EQ(eraseTypes(transportCalculator()).run(loaded).report.fields.at(0).second, "7060.67");

    CoalPileInput pile;
    pile.U = -1;
    EXPECT_EQ(computeCoalPile(pile).refusal.message, "地面平均风速U不能小于0，请重新输入！");
    pile.U = 1;
    pile.S = -1;
    EXPECT_EQ(computeCoalPile(pile).refusal.focusKey, "S");
    TransportInput road;
    road.M = 0;
    EXPECT_EQ(computeTransport(road).refusal.message, "车辆载重M必须大于0，请重新输入！");
    road.M = 1;
    road.P = -0.01f;
    EXPECT_EQ(computeTransport(road).refusal.focusKey, "P");
    testing::expectResultOrRefusal(coalPileCalculator());
    testing::expectResultOrRefusal(transportCalculator());
}

}  // namespace
}  // namespace qelvo::air
