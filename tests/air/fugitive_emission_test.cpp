#include "air/fugitive_emission.h"

#include <gtest/gtest.h>

#include <cmath>

#include "hostile_inputs.h"

namespace qelvo::air {
namespace {

// Numbers from an independent /usr/bin/python3 recomputation of the handbook formulas.
TEST(FugitiveEmission, OpenStorageAndSubstancePressure)
{
    // (5.38 + 3.28)·93.98·1.44·√78, with Pv stored as float.
    EXPECT_NEAR(computeOpenStorage({}).G, 10350.5431844045, 1e-9);
    struct Case {
        const char* substance;
        float T;
        float Pv;
    } cases[] = {
        {"苯", 298, 93.9131317f},  // 10^(7.962 − 0.05223·34172/298)
        {"乙醚", 300, 9.80949402f},
        {"甲烷", 120, 1433.54395f},
    };
    for (const auto& c : cases) {
        OpenStorageInput in;
        in.substance = c.substance;
        in.T = c.T;
        EXPECT_FLOAT_EQ(computeSubstancePressure(in).Pv, c.Pv) << c.substance;
    }
    // Every substance of the list at 300 K.
    const float at300[] = {102.956741f, 240084.656f, 134.831573f, 4.78944302f, 125.768707f,
                           32.0352554f, 1.29708278f, 5144.55127f, 9.80949402f};
    ASSERT_EQ(substances().size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        OpenStorageInput in;
        in.substance = substances()[i].name;
        in.T = 300;
        EXPECT_FLOAT_EQ(computeSubstancePressure(in).Pv, at300[i]) << in.substance;
    }
    const RunOutcome out = eraseTypes(substancePressureCalculator()).run({{"substance", "苯"}});
    EXPECT_EQ(out.report.fields.at(0).second, "93.9131");
    OpenStorageInput cold;
    cold.substance = "苯";
    cold.T = 0;
    EXPECT_EQ(computeSubstancePressure(cold).refusal.message, "有害物质温度T必须大于0，请重新输入！");
    cold.substance = "氨";
    cold.Pv = 5;
    const SubstancePressure unknown = computeSubstancePressure(cold);
    EXPECT_EQ(unknown.refusal.focusKey, "substance");
    EXPECT_EQ(unknown.Pv, 5);
    OpenStorageInput light;
    light.M = 0;
    EXPECT_EQ(computeOpenStorage(light).refusal.message, "有害物质分子量M必须大于0，请重新输入！");
    light.M = 78;
    light.F = -1;
    EXPECT_EQ(computeOpenStorage(light).refusal.focusKey, "F");
}

TEST(FugitiveEmission, LiquidEvaporationText)
{
    struct Case {
        float capture, treatment;
        const char* text;
    } cases[] = {
        {85, 90,
         "计算结果如下：\r\n液体蒸发量Gz=0.06983064 [kg/h]\r\n排放量为0.01641020 [kg/h]\r\n"
         "其中无组织排放量0.01047460 [kg/h]；有组织排放量0.00593560 [kg/h]"},
        {0, 90,  // nothing captured: all of it is fugitive
         "计算结果如下：\r\n液体蒸发量Gz=0.06983064 [kg/h]\r\n排放量为0.06983064 [kg/h]\r\n"
         "其中无组织排放量0.06983064 [kg/h]；有组织排放量0.00000000 [kg/h]"},
        {100, 0,
         "计算结果如下：\r\n液体蒸发量Gz=0.06983064 [kg/h]\r\n排放量为0.06983064 [kg/h]\r\n"
         "其中无组织排放量0.00000000 [kg/h]；有组织排放量0.06983064 [kg/h]"},
    };
    for (const auto& c : cases) {
        LiquidEvaporationInput in;
        in.capture = c.capture;
        in.treatment = c.treatment;
        EXPECT_EQ(liquidEvaporationText(computeLiquidEvaporation(in)), c.text);
    }
    LiquidEvaporationInput over;
    over.capture = 100.5f;
    EXPECT_EQ(computeLiquidEvaporation(over).refusal.message, "集气率必须在0～100之间，请重新输入！");
    over.capture = 50;
    over.treatment = -1;
    EXPECT_EQ(computeLiquidEvaporation(over).refusal.focusKey, "treatment");
}

TEST(FugitiveEmission, EquipmentLeak)
{
    EXPECT_EQ(computeEquipmentLeak({}).Gc, 0);  // C starts at 0
    EquipmentLeakInput in;
    in.C = 0.3f;
    EXPECT_NEAR(computeEquipmentLeak(in).Gc, 0.460449f, 1e-6);  // 2·1.5·0.3·√(78/298)
    in.T = 0;
    EXPECT_EQ(computeEquipmentLeak(in).refusal.message, "有害气体和蒸气温度T必须大于0，请重新输入！");
    in.T = 298;
    in.M = -1;
    EXPECT_EQ(computeEquipmentLeak(in).refusal.message, "有害气体和蒸气分子量M必须大于0，请重新输入！");
}

TEST(FugitiveEmission, Odour)
{
    const OdourInput pile = {2, 0.1, 1000, 2000, 5, 1000, 0.05, 1};
    EXPECT_NEAR(computeOdour(pile).E, 5.64189821823184, 1e-12);  // 2·1000·5·0.05/1000·√(2·2000·0.1/π)
    struct Case {
        double OdourInput::*member;
        double value;
    } invalid[] = {{&OdourInput::u, 0}, {&OdourInput::L, 0}, {&OdourInput::D, 0}, {&OdourInput::F, -1}};
    for (const auto& c : invalid) {
        OdourInput in = pile;
        in.*c.member = c.value;
        const OdourResult r = computeOdour(in);
        EXPECT_TRUE(r.invalid);
        EXPECT_EQ(r.E, 0);
        EXPECT_FALSE(r.refusal.refused());
        Report report = makeReport(odourCalculator(), r);
        EXPECT_EQ(report.messages, std::vector<std::string>{"无效的数字，请重新输入！"});
        EXPECT_EQ(report.fields.at(0).second, "0");
    }
    EXPECT_EQ(computeOdour({}).refusal.message, "蒸汽压校正系数F不能为0，请重新输入！");  // the page's zeros
    OdourInput heavy = pile;
    heavy.M = 0;
    EXPECT_EQ(computeOdour(heavy).refusal.message, "土壤与化合物的总重量M不能为0，请重新输入！");
}

TEST(FugitiveEmission, HostileInputs)
{
    testing::expectResultOrRefusal(openStorageCalculator());
    OpenStorageInput named;
    named.substance = "甲醇";
    testing::expectResultOrRefusal(substancePressureCalculator(), named);
    testing::expectResultOrRefusal(liquidEvaporationCalculator());
    EquipmentLeakInput leak;
    leak.C = 1;
    testing::expectResultOrRefusal(equipmentLeakCalculator(), leak);
    testing::expectResultOrRefusal(odourCalculator(), OdourInput{2, 0.1, 1000, 2000, 5, 1000, 0.05, 1});
}

}  // namespace
}  // namespace qelvo::air
