#include "air/screening/building_wake.h"

#include <gtest/gtest.h>

#include "air/screening/dispersion.h"

namespace qelvo::air::screening {
namespace {

Stack exampleStack(double height = 30)
{
    ScreeningCase c;
    c.height = height;
    c.diameter = 0.5;
    c.exitVelocity = 12;
    c.gasTemp = 373.15;
    c.ambientTemp = 293.15;
    return sourceStack(c);
}

TEST(BuildingWake, ShapeAndScale)
{
    const Building squat = makeBuilding(50, 100, 100);  // W_p = 141.42 in [h_b, 5h_b]
    EXPECT_NEAR(squat.width, 141.421356, 1e-6);
    EXPECT_EQ(squat.scale, 50);
    EXPECT_TRUE(squat.squat);
    const Building tall = makeBuilding(40, 15, 20);  // W_p = 25 < h_b
    EXPECT_EQ(tall.width, 25);
    EXPECT_EQ(tall.scale, 25);
    EXPECT_FALSE(tall.squat);
    const Building superSquat = makeBuilding(10, 60, 80);  // W_p = 100 > 5·h_b
    EXPECT_EQ(superSquat.scale, 10);
    EXPECT_FALSE(superSquat.squat);
    EXPECT_FALSE(makeBuilding(0, 10, 10).present());
}

TEST(BuildingWake, Regimes)
{
    const double u = 1.0799372;  // class A, 1 m/s at 30 m
    const Stack s = exampleStack();
    const FinalRise f = finalRise(s, u, 1, {});
    // h_w = 30 + momentum rise at 2·h_b (x_m = x_fm = 35.84): 30 + 15.3795 = 45.3795.
    const WakeRegime ss = wakeRegime(makeBuilding(50, 100, 100), s, u, 1, {}, f);
    EXPECT_EQ(ss.wake, Wake::SchulmanScire);
    EXPECT_NEAR(ss.wakeHeight, 45.379488, 1e-5);
    // h_b = 20, W_p = L_b = 5: 30 m is above h_b + 1.5·L_b = 27.5: no wake.
    EXPECT_EQ(wakeRegime(makeBuilding(20, 3, 4), s, u, 1, {}, f).wake, Wake::None);
    // h_b = 25, W_p = L_b = 25: 30 ≤ h_b + 0.5·L_b = 37.5 → SS candidate, h_w = 45.4 ≤ 25 + 50: SS.
    EXPECT_EQ(wakeRegime(makeBuilding(25, 15, 20), s, u, 1, {}, f).wake, Wake::SchulmanScire);
    // h_b = 26, W_p = L_b = 8: 30 ≤ 26 + 4 → SS candidate, but h_w = 45.4 > 26 + 16: no wake.
    EXPECT_EQ(wakeRegime(makeBuilding(26, 4.8, 6.4), s, u, 1, {}, f).wake, Wake::None);
    // Exactly h_b + 0.5·L_b (20 + 10): still Schulman–Scire (h_w = 45.4 ≤ 20 + 40).
    EXPECT_EQ(wakeRegime(makeBuilding(20, 12, 16), s, u, 1, {}, f).wake, Wake::SchulmanScire);
    // h_b = 20, L_b = 20: a 35 m stack lies in (30, 50] → HS candidate; h_w = 50.4 > 50: none;
    // class D at u_s = 12.3 m/s: h_w = 35 + 1.35 ≤ 50 → HS.
    const Stack s35 = exampleStack(35);
    EXPECT_EQ(wakeRegime(makeBuilding(20, 30, 40), s35, u, 1, {}, finalRise(s35, u, 1, {})).wake, Wake::None);
    EXPECT_EQ(wakeRegime(makeBuilding(20, 30, 40), s35, 12.3, 4, {}, finalRise(s35, 12.3, 4, {})).wake,
              Wake::HuberSnyder);
    // Above h_b + 1.5·L_b: no wake whatever the rise.
    EXPECT_EQ(wakeRegime(makeBuilding(10, 30, 40), s, 12.3, 4, {}, finalRise(s, 12.3, 4, {})).wake, Wake::None);
    EXPECT_TRUE(insideWakeFormation(makeBuilding(50, 100, 100), 149.9));
    EXPECT_FALSE(insideWakeFormation(makeBuilding(50, 100, 100), 150));
}

TEST(BuildingWake, NearWakeSigmas)
{
    const Building b = makeBuilding(50, 100, 100);
    // σy = 0.35·141.421 + 0.067·(200 − 150) = 52.847; σz = 0.7·50 + 0.067·50 = 38.35.
    EXPECT_NEAR(wakeSigmaY(b, 45.38, 200, 1, false), 52.847475, 1e-5);
    EXPECT_NEAR(wakeSigmaZ(b, Wake::SchulmanScire, 45.38, 200, 1, false), 38.35, 1e-9);
    // SS wake above the roof decays: h_w = 60 gives (50 − 60)/100 + 1 = 0.9.
    EXPECT_NEAR(wakeSigmaZ(b, Wake::SchulmanScire, 60, 200, 1, false), 0.9 * 38.35, 1e-9);
    EXPECT_NEAR(wakeSigmaZ(b, Wake::HuberSnyder, 60, 200, 1, false), 38.35, 1e-9);
    // Beyond 2·L_b above the roof no decay term remains: the curve's own σz.
    EXPECT_NEAR(wakeSigmaZ(b, Wake::SchulmanScire, 151, 200, 1, false), sigmaZ(200, 1, false), 1e-12);
    // h_w above 1.2·h_b: the plain σy curve; at 1.2·h_b still enhanced.
    EXPECT_EQ(wakeSigmaY(b, 61, 200, 1, false), sigmaY(200, 1, false));
    EXPECT_NEAR(wakeSigmaY(b, 60, 200, 1, false), 52.847475, 1e-5);
    // Tall building: 0.35·L_b + 0.067·(x − 3·L_b) = 8.75 + 0.067·125 = 17.125 (class F curve is lower).
    EXPECT_NEAR(wakeSigmaY(makeBuilding(40, 15, 20), 45, 200, 6, false), 17.125, 1e-9);
}

TEST(BuildingWake, FarWakeSigmasFromVirtualSources)
{
    const Building b = makeBuilding(50, 100, 100);
    // σy0 = 0.35·141.42 + 0.5·50 = 74.497, x_y = 1099.82 − 500: σy(1599.82, D) = 104.4826
    // (SCREEN3 prints 104.48 in the 1000 m row of its downwash listing).
    EXPECT_NEAR(wakeSigmaY(b, 45, 1000, 4, false), 104.482632, 1e-4);
    // σz0 = 60, X = 0.5 km: the segment iteration settles at ξ = 2.62041 km, x_z = 2120.41 m,
    // σz(3120.41, D) = 66.6846 (printed 66.68).
    EXPECT_NEAR(wakeSigmaZ(b, Wake::SchulmanScire, 45, 1000, 4, false), 66.684566, 1e-4);
    // Tall: σy0 = 0.85·25, x_y = 280.88 − 250, σy(630.88, D) = 44.7256.
    EXPECT_NEAR(wakeSigmaY(makeBuilding(40, 15, 20), 45, 600, 4, false), 44.725598, 1e-4);
}

TEST(BuildingWake, SchulmanScireRise)
{
    // The handbook case: class A, 1 m/s, x = 200 m beyond x_f: final rise 0.733 m.
    const Stack s = exampleStack();
    const double u = 1.0799372;
    const FinalRise f = finalRise(s, u, 1, {});
    const Building b = makeBuilding(50, 100, 100);
    const SchulmanScireRise rise(b, s, 45.379488, u, 1, {}, f, false);
    EXPECT_NEAR(rise.at(200), 0.733, 5e-4);
    EXPECT_EQ(rise.at(500), rise.at(200));
    EXPECT_LT(rise.at(30), rise.at(200));  // still rising before x_f
}

TEST(BuildingWake, SchulmanScireMomentumRiseInNeutralAir)
{
    // The cold plume in class D at u_s = 3^0.15: h_w = 45.26523, C_m = 3·F_m·min(x, x_fm)/(β_j²u²)
    // with x_fm = 34.1224: 1042.49 at 10 m, 3557.24 from x_fm on; roots 0.0347848, 0.1185928.
    ScreeningCase cold;
    cold.height = 30;
    cold.diameter = 0.5;
    cold.exitVelocity = 12;
    cold.gasTemp = 280;
    cold.ambientTemp = 293.15;
    const Stack s = sourceStack(cold);
    const double u = 1.1791476;
    const FinalRise f = finalRise(s, u, 4, {});
    const Building b = makeBuilding(50, 100, 100);
    const WakeRegime w = wakeRegime(b, s, u, 4, {}, f);
    EXPECT_EQ(w.wake, Wake::SchulmanScire);
    EXPECT_NEAR(w.wakeHeight, 45.265230, 1e-5);
    const SchulmanScireRise rise(b, s, w.wakeHeight, u, 4, {}, f, false);
    EXPECT_NEAR(rise.at(10), 0.0347848, 1e-6);
    EXPECT_NEAR(rise.at(200), 0.1185928, 1e-6);
}

TEST(BuildingWake, SchulmanScireMomentumRiseInStableAir)
{
    // A cold plume (F_b = 0, F_m = 9) by the 50 × 100 × 100 m building, class F at
    // u_s = 1.8298551: h_w = 39.83684; L_y = √(2π)·(49.4975 − 35), R0 = √2·35. The momentum
    // constant is the smaller of the sine form and the neutral form (x_fm = 27.87 m): at 10 and
    // 20 m the sine form (339.66, 667.48), from 27.87 m on the neutral one (951.85). Roots of
    // the cubic, recomputed independently: 0.0113361, 0.0222745, 0.0317612.
    ScreeningCase cold;
    cold.height = 30;
    cold.diameter = 0.5;
    cold.exitVelocity = 12;
    cold.gasTemp = 280;
    cold.ambientTemp = 293.15;
    const Stack s = sourceStack(cold);
    const double u = 1.8298551;
    const StabilityParameter st = stabilityParameter(6, 293.15);
    const FinalRise f = finalRise(s, u, 6, st);
    const Building b = makeBuilding(50, 100, 100);
    const WakeRegime w = wakeRegime(b, s, u, 6, st, f);
    EXPECT_EQ(w.wake, Wake::SchulmanScire);
    EXPECT_NEAR(w.wakeHeight, 39.836844, 1e-5);
    const SchulmanScireRise rise(b, s, w.wakeHeight, u, 6, st, f, false);
    EXPECT_NEAR(rise.at(10), 0.0113361, 1e-6);
    EXPECT_NEAR(rise.at(20), 0.0222745, 1e-6);
    EXPECT_NEAR(rise.at(200), 0.0317612, 1e-6);
}

}  // namespace
}  // namespace qelvo::air::screening
