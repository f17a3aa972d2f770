#include "air/oil_tank.h"

#include <gtest/gtest.h>

#include "hostile_inputs.h"

namespace qelvo::air {
namespace {

// Result lines through the command line; numbers from an independent /usr/bin/python3
// recomputation of the guide's formulas on single-precision inputs.
TEST(OilTank, FormsAndResultLines)
{
    const std::pair<Assignments, const char*> cases[] = {
        {{}, "结果：拱顶罐大呼吸蒸发损耗量LDw：0.016660 [m^3/a]"},  // N = 100, KN = 280/600
        {{{"f1Q", "7200"}}, "结果：拱顶罐大呼吸蒸发损耗量LDw：0.035700 [m^3/a]"},  // N = 36: KN = 1
        {{{"f1Q", "7400"}}, "结果：拱顶罐大呼吸蒸发损耗量LDw：0.034896 [m^3/a]"},  // N = 37: KN = 217/222
        {{{"tank", "浮顶油罐"}}, "结果：浮顶油罐大呼吸损耗量Lw：76072.000000 [kg/a]"},  // 4·20000·740·0.00257/2
        {{{"tank", "1"}, {"f2columns", "1"}}, "结果：浮顶油罐大呼吸损耗量Lw：76072.000000 [kg/a]"},  // no columns there
        {{{"tank", "2"}}, "结果：内浮顶油罐大呼吸损耗量Lw：76072.000000 [kg/a]"},
        {{{"tank", "2"}, {"f2columns", "1"}}, "结果：内浮顶油罐大呼吸损耗量Lw：121715.203125 [kg/a]"},  // × (1 + 3·0.4/2)
        {{{"calculation", "1"}}, "结果：拱顶罐小呼吸蒸发损耗量LDs：0.106396 [m^3/a]"},
        {{{"calculation", "1"}, {"f3D", "9.14"}}, "结果：拱顶罐小呼吸蒸发损耗量LDs：6.269681 [m^3/a]"},  // C = 1
        {{{"calculation", "1"}, {"f3D", "9.13"}}, "结果：拱顶罐小呼吸蒸发损耗量LDs：5.416643 [m^3/a]"},
        {{{"calculation", "1"}, {"tank", "1"}}, "结果：浮顶罐小呼吸蒸发损耗量Ls：324.260315 [kg/a]"},
        {{{"calculation", "1"}, {"tank", "1"}, {"f4Py", "101.3"}}, "结果：浮顶罐小呼吸蒸发损耗量Ls：1135.919922 [kg/a]"},  // P* = 1
        {{{"calculation", "1"}, {"tank", "1"}, {"f4Kc", "0.4"}}, "结果：浮顶罐小呼吸蒸发损耗量Ls：129.704132 [kg/a]"},  // 原油
        {{{"calculation", "1"}, {"tank", "2"}}, "结果：内浮顶罐小呼吸蒸发损耗量Ls：755.328613 [kg/a]"},
        {{{"calculation", "1"}, {"tank", "2"}, {"f5Kd", "3.66"}}, "结果：内浮顶罐小呼吸蒸发损耗量Ls：921.198792 [kg/a]"},
    };
    const Calculator calc = eraseTypes(oilTankCalculator());
    for (const auto& [values, line] : cases) {
        const RunOutcome out = calc.run(values);
        ASSERT_EQ(out.status, RunOutcome::Status::Ok) << line;
        EXPECT_EQ(out.report.text, line);
    }
}

TEST(OilTank, SelectorAndWallAdhesion)
{
    EXPECT_EQ(oilTankForm(0, 0), OilTankForm::FixedRoofWorking);
    EXPECT_EQ(oilTankForm(0, 2), OilTankForm::InternalWorking);
    EXPECT_EQ(oilTankForm(1, 1), OilTankForm::FloatingStanding);
    EXPECT_EQ(oilTankForm(4, 9), OilTankForm::InternalStanding);
    EXPECT_EQ(wallAdhesion(3, 5), 1.0268f);
    OilTankInput in;
    in.tank = 1;  // floating roof: F2 without its column controls
    EXPECT_TRUE(oilTankFieldShown(in, "f2rho"));
    EXPECT_TRUE(oilTankFieldShown(in, "tank"));
    EXPECT_FALSE(oilTankFieldShown(in, "f2Nc"));
    EXPECT_FALSE(oilTankFieldShown(in, "f1Q"));
    in.tank = 2;
    EXPECT_TRUE(oilTankFieldShown(in, "f2columns"));
    in.calculation = 1;
    EXPECT_TRUE(oilTankFieldShown(in, "f5Fc"));
    EXPECT_FALSE(oilTankFieldShown(in, "f2Fc"));
    EXPECT_FALSE(oilTankFieldShown(in, "f4Py"));
    const float table[2][3] = {{0.00257f, 0.01284f, 0.2567f}, {0.01027f, 0.05134f, 1.0268f}};
    for (int oil = 0; oil < 2; ++oil)
        for (int wall = 0; wall < 3; ++wall) EXPECT_EQ(wallAdhesion(oil, wall), table[oil][wall]);
    EXPECT_EQ(wallAdhesion(OilTankInput{}.f2oil, OilTankInput{}.f2wall), OilTankInput{}.f2C);
}

TEST(OilTank, Refusals)
{
    struct Case {
        void (*change)(OilTankInput&);
        const char* message;
        const char* key;
    } cases[] = {
        {[](OilTankInput& i) { i.f1V = 0; }, "油罐体积V必须大于0，请重新输入！", "f1V"},
        {[](OilTankInput& i) { i.f1mu = 172.5f; }, "油蒸汽摩尔质量μy必须小于172.5，请重新输入！", "f1mu"},
        {[](OilTankInput& i) { i.tank = 2, i.f2D = 0; }, "油罐直径D必须大于0，请重新输入！", "f2D"},
        {[](OilTankInput& i) { i.calculation = 1, i.f3P = 101.3f; }, "油品蒸汽压P必须小于当地大气压Pa，请重新输入！", "f3P"},
        {[](OilTankInput& i) { i.calculation = 1, i.f3P = -1; }, "油品蒸汽压P不能小于0，请重新输入！", "f3P"},
        {[](OilTankInput& i) { i.calculation = 1, i.f3dT = -1; }, "大气温度的平均日温差△T不能小于0，请重新输入！", "f3dT"},
        {[](OilTankInput& i) { i.calculation = 1, i.tank = 1, i.f4Py = 101.4f; },
         "油品蒸汽压Py不能大于当地大气压Pa，请重新输入！", "f4Py"},
        {[](OilTankInput& i) { i.calculation = 1, i.tank = 1, i.f4v = -1; }, "油罐所在地平均风速v不能小于0，请重新输入！", "f4v"},
        {[](OilTankInput& i) { i.calculation = 1, i.tank = 2, i.f5Py = 200; }, "油品蒸汽压Py不能大于当地大气压Pa，请重新输入！", "f5Py"},
        {[](OilTankInput& i) { i.calculation = 1, i.tank = 2, i.f5Py = i.f5Pa = 0; }, "当地大气压Pa必须大于0，请重新输入！", "f5Pa"},
    };
    for (const auto& c : cases) {
        OilTankInput in;
        c.change(in);
        const Refusal r = computeOilTank(in).refusal;
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.focusKey, c.key);
    }
    for (int calculation = 0; calculation < 2; ++calculation)
        for (int tank = 0; tank < 3; ++tank) {
            OilTankInput in;
            in.calculation = calculation;
            in.tank = tank;
            in.f2columns = 1;
            testing::expectResultOrRefusal(oilTankCalculator(), in);
        }
}

}  // namespace
}  // namespace qelvo::air
