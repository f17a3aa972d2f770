#include "air/combustion.h"

#include <gtest/gtest.h>

#include "common/number_format.h"
#include "hostile_inputs.h"

namespace qelvo::air {
namespace {

TEST(Combustion, OilAndCoal)
{
    CombustionInput oil;
    oil.W = 1000;
    CombustionResult r = computeCombustion(oil);
    EXPECT_FLOAT_EQ(r.Vg, 1400);
    EXPECT_FLOAT_EQ(r.GS, 6);    // 0.3·1000·0.02
    EXPECT_EQ(r.CS0, 429);       // 6·10^5/1400 = 428.57
    EXPECT_EQ(formatSingle(r.GD), "1.47059");  // 1000/680
    EXPECT_EQ(r.CD0, 105);       // 105.04
    EXPECT_FLOAT_EQ(r.GSallowed, 7);    // 1400·500·1e−5
    EXPECT_EQ(r.dS, 0);                 // allowed above actual: no reduction
    EXPECT_FLOAT_EQ(r.GDallowed, 1.4f);
    EXPECT_NEAR(r.dD, 0.0705882, 1e-6);

    CombustionInput coal;
    applyFuelChoice(coal, kCoal);
    EXPECT_FLOAT_EQ(coal.S, 0.7f);
    EXPECT_EQ(coal.Cs, 900);
    EXPECT_EQ(coal.Cd, 200);
    coal.W = 1000;
    r = computeCombustion(coal);
    EXPECT_FLOAT_EQ(r.Vg, 1000);
    EXPECT_FLOAT_EQ(r.GD, 30);   // 20·12·1000/(1 − 0.2)·10^−4
    EXPECT_FLOAT_EQ(r.GS, 11.2f);  // 0.7·1000·0.016
    EXPECT_EQ(r.CS0, 1120);
    EXPECT_EQ(r.CD0, 3000);
    EXPECT_NEAR(r.dS, 2.2, 1e-5);
    EXPECT_NEAR(r.dD, 28, 1e-5);
    // Rounded half up: 0.7003465 % sulphur gives 1000.495 mg/m^3, 0.7004 % 1000.571.
    oil.S = 0.7003465f;
    EXPECT_EQ(computeCombustion(oil).CS0, 1000);
    oil.S = 0.7004f;
    EXPECT_EQ(computeCombustion(oil).CS0, 1001);
    EXPECT_EQ(fuelDefaults(5).Cs, 900);
    applyFuelChoice(coal, kOil);
    EXPECT_FLOAT_EQ(coal.S, 0.3f);
    EXPECT_EQ(coal.Cs, 500);
    EXPECT_EQ(coal.Cd, 100);
}

TEST(Combustion, NoFuelKeepsConcentrationsAndChecks)
{
    CombustionInput in;
    in.CS0 = 429;
    in.CD0 = 105;
    const CombustionResult r = computeCombustion(in);
    EXPECT_EQ(r.Vg, 0);
    EXPECT_EQ(r.GS, 0);
    EXPECT_EQ(r.dD, 0);
    EXPECT_EQ(r.CS0, 429);
    EXPECT_EQ(r.CD0, 105);
    in.W = -1;
    const Refusal bad = computeCombustion(in).refusal;
    EXPECT_EQ(bad.message, "不能是负数，请重新输入");
    EXPECT_EQ(bad.caption, "错误");
    EXPECT_EQ(bad.focusKey, "W");
    in.W = 10;
    in.fuel = kCoal;
    in.Cfh = 100;
    EXPECT_EQ(computeCombustion(in).refusal.focusKey, "Cfh");
    in.fuel = kOil;  // the combustible share only enters the coal formula
    EXPECT_FALSE(computeCombustion(in).refusal.refused());
    CombustionInput burning;
    burning.W = 1000;
    testing::expectResultOrRefusal(combustionCalculator(), burning);
    burning.fuel = kCoal;
    testing::expectResultOrRefusal(combustionCalculator(), burning);
}

}  // namespace
}  // namespace qelvo::air
