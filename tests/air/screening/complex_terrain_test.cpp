#include "air/screening/complex_terrain.h"

#include <gtest/gtest.h>

namespace qelvo::air::screening {
namespace {

// 8 g/s, 25 m, 1 m, 8 m/s, 423.15 K into 288.15 K.
ScreeningCase valleyStack(bool urban)
{
    ScreeningCase c;
    c.kind = SourceKind::Point;
    c.urban = urban;
    c.emission = 8;
    c.height = 25;
    c.diameter = 1;
    c.exitVelocity = 8;
    c.gasTemp = 423.15;
    c.ambientTemp = 288.15;
    c.receptorHeight = 1.5;  // not used by the complex-terrain screen
    c.building = true;       // neither is the building
    c.buildingHeight = 20;
    c.buildingMin = 20;
    c.buildingMax = 30;
    return c;
}

TEST(ComplexTerrain, RuralRowsAsScreen3PrintsThem)
{
    // SCREEN3: final stable plume 58.3 m, final rise at 150.1 m;
    //   40.   2500.   105.4   19.44   58.3   105.4   38.2   6  1.0  1.7
    //   60.   6000.   6.815   6.815   58.3   0.000    0.0   0  0.0  0.0
    const ScreeningCase c = valleyStack(false);
    const ValleyReference ref = valleyReference(c);
    EXPECT_NEAR(ref.finalHeight, 58.3, 0.05);
    EXPECT_NEAR(ref.finalDistance, 150.1, 0.05);
    const ValleyRow a = valleyRow(c, {40, 2500});
    EXPECT_NEAR(a.max24h, 105.4, 0.05);
    EXPECT_NEAR(a.valley24h, 19.44, 0.005);
    EXPECT_NEAR(a.valleyPlumeHeight, 58.3, 0.05);
    EXPECT_NEAR(a.simple24h, 105.4, 0.05);
    EXPECT_NEAR(a.simplePlumeHeight, 38.2, 0.05);
    EXPECT_EQ(a.stability, 6);
    EXPECT_EQ(a.u10, 1);
    EXPECT_NEAR(a.ustk, 1.7, 0.05);
    const ValleyRow b = valleyRow(c, {60, 6000});
    EXPECT_NEAR(b.max24h, 6.815, 5e-4);
    EXPECT_EQ(b.valley24h, b.max24h);
    EXPECT_EQ(b.simple24h, 0);
    EXPECT_EQ(b.stability, 0);
    EXPECT_EQ(b.simplePlumeHeight, 0);
}

TEST(ComplexTerrain, UrbanUsesClassE)
{
    // E, 2.5 m/s: s = g·0.020/288.15, final rise 40.1308 (buoyant), x_f = 198.504;
    // at 2500 m: σz = √((80·2.5/√4.75)² + (40.1308/3.5)²) = 92.4798, plume 25 + 40.1308,
    // h_v = 65.1308 − 40, χ_V = 0.25·2.032·8e6/(92.4798·2.5·2500)·e^(−½(25.1308/92.4798)²) = 6.776281.
    const ScreeningCase c = valleyStack(true);
    EXPECT_NEAR(valleyReference(c).finalHeight, 65.130833, 1e-5);
    EXPECT_NEAR(valleyReference(c).finalDistance, 198.504233, 1e-5);
    EXPECT_NEAR(valleyRow(c, {40, 2500}).valley24h, 6.776281, 1e-5);
    // Before x_f (100 m): gradual rise 25.4078, plume 50.4078 above a 30 m hill, h_v = 20.4078,
    // σz = √(7.4600² + (25.4078/3.5)²) = 10.40917, χ_V = 228.5202.
    const ValleyRow near = valleyRow(c, {30, 100});
    EXPECT_NEAR(near.valleyPlumeHeight, 50.407845, 1e-5);
    EXPECT_NEAR(near.valley24h, 228.520181, 1e-4);
}

TEST(ComplexTerrain, AllZeroSimpleTerrainShowsTheFirstCombination)
{
    // 1 m from the stack, terrain 25.5 m below the 27.3 m plume: the simple-terrain comparison
    // is made, every combination gives 0, and the first (class A, 1 m/s) is shown.
    const ValleyRow r = valleyRow(valleyStack(false), {25.5, 1});
    EXPECT_EQ(r.simple24h, 0);
    EXPECT_EQ(r.stability, 1);
    EXPECT_EQ(r.u10, 1);
}

TEST(ComplexTerrain, PlumeBelowTheHillKeepsTenMetres)
{
    // Terrain above the plume: h_v = 10 m whatever the gap.
    const ScreeningCase c = valleyStack(false);
    EXPECT_EQ(valleyRow(c, {100, 6000}).valley24h, valleyRow(c, {500, 6000}).valley24h);
}

}  // namespace
}  // namespace qelvo::air::screening
