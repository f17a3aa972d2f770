#include "air/screening/fumigation.h"

#include <gtest/gtest.h>

namespace qelvo::air::screening {
namespace {

ScreeningCase stack(double emission, double height, double diameter, double velocity, double gasTemp,
                    double ambientTemp)
{
    ScreeningCase c;
    c.kind = SourceKind::Point;
    c.emission = emission;
    c.height = height;
    c.diameter = diameter;
    c.exitVelocity = velocity;
    c.gasTemp = gasTemp;
    c.ambientTemp = ambientTemp;
    c.fumigation = true;
    return c;
}

TEST(Fumigation, InversionBreakup)
{
    // 20 g/s, 80 m, 2.5 m, 15 m/s, 433.15 K into 293.15 K: SCREEN3 prints 34.99 at 12162.50 m
    // (an independent recomputation gives 34.99316 at 12162.505 m).
    const InversionBreakup r = inversionBreakup(stack(20, 80, 2.5, 15, 433.15, 293.15));
    EXPECT_NEAR(r.distance, 12162.505, 1e-2);
    EXPECT_NEAR(r.concentration, 34.99316, 1e-4);
    EXPECT_FALSE(r.tooClose);
    // 1 g/s, 30 m, 0.5 m, 12 m/s: SCREEN3 prints 1180.80 m, closer than 2 km: no value.
    const InversionBreakup near = inversionBreakup(stack(1, 30, 0.5, 12, 373.15, 293.15));
    EXPECT_NEAR(near.distance, 1180.80, 5e-3);
    EXPECT_TRUE(near.tooClose);
    EXPECT_EQ(near.concentration, 0);
    // A cold 10 m stack: 5000 → 1136.6 → 284.2 → 61.1 m, below 100 m: the distance is 100 m.
    EXPECT_EQ(inversionBreakup(stack(1, 10, 0.2, 1, 293, 293)).distance, 100);
}

TEST(Fumigation, Shoreline)
{
    // 80 m stack, shore 500 m away: x₀ = (156.407/6)² − 500 = 179.53, iterated to 665.125 m,
    // C = 302.4653 (independent recomputation).
    ScreeningCase c = stack(20, 80, 2.5, 15, 433.15, 293.15);
    c.shoreline = true;
    c.shoreDistance = 500;
    const ShorelineFumigation r = shorelineFumigation(c);
    EXPECT_TRUE(r.calculated);
    EXPECT_NEAR(r.distance, 665.1246, 1e-3);
    EXPECT_NEAR(r.concentration, 302.4653, 1e-3);
    EXPECT_FALSE(r.tooClose);
    // 2 km from the shore the plume stays below the internal boundary layer.
    c.shoreDistance = 2000;
    EXPECT_FALSE(shorelineFumigation(c).calculated);
    EXPECT_EQ(shorelineFumigation(c).concentration, 0);
    // A low plume 5 m from the shore: the maximum (13.9 m) is closer than 200 m: no value.
    ScreeningCase low = stack(1, 10, 0.5, 5, 350, 293);
    low.shoreDistance = 5;
    const ShorelineFumigation s = shorelineFumigation(low);
    EXPECT_TRUE(s.calculated);
    EXPECT_NEAR(s.distance, 13.92246, 1e-4);
    EXPECT_TRUE(s.tooClose);
    EXPECT_EQ(s.concentration, 0);
}

}  // namespace
}  // namespace qelvo::air::screening
