#include "air/screening/plume_rise.h"

#include <gtest/gtest.h>

namespace qelvo::air::screening {
namespace {

// The stack of the handbook example: 30 m, 0.5 m, 12 m/s, 373.15 K into 293.15 K.
ScreeningCase exampleStack()
{
    ScreeningCase c;
    c.kind = SourceKind::Point;
    c.height = 30;
    c.diameter = 0.5;
    c.exitVelocity = 12;
    c.gasTemp = 373.15;
    c.ambientTemp = 293.15;
    return c;
}

TEST(PlumeRise, Fluxes)
{
    // F_b = 9.80616·12·0.25·80/(4·373.15) = 1.576764; F_m = 293.15·144·0.25/(4·373.15) = 7.070481
    const Stack s = sourceStack(exampleStack());
    EXPECT_NEAR(s.buoyancyFlux, 1.576764, 1e-6);
    EXPECT_NEAR(s.momentumFlux, 7.070481, 1e-6);
    EXPECT_FALSE(s.coldPlume);

    // Colder than the air: T_s raised to T_a, F_b = 0, F_m = v²d²/4 = 144·0.25/4 = 9.
    ScreeningCase cold = exampleStack();
    cold.gasTemp = 280;
    const Stack c = sourceStack(cold);
    EXPECT_TRUE(c.coldPlume);
    EXPECT_EQ(c.buoyancyFlux, 0);
    EXPECT_DOUBLE_EQ(c.momentumFlux, 9);
    EXPECT_EQ(c.gasTemp, 293.15);

    // Zero diameter and velocity are floored at 1e-5.
    ScreeningCase tiny = exampleStack();
    tiny.diameter = 0;
    tiny.exitVelocity = 0;
    EXPECT_EQ(sourceStack(tiny).diameter, 1e-5);
    EXPECT_EQ(sourceStack(tiny).velocity, 1e-5);
}

TEST(PlumeRise, Flare)
{
    // d = 9.88e-4·√(0.45·1e5) = 0.2095864; h = 30 + 4.56e-3·1e5^0.478 = 31.11935;
    // F_b = g·20·d²·980/(4·1273) = 1.658033, F_m = 293·400·d²/(4·1273) = 1.011034.
    ScreeningCase c;
    c.kind = SourceKind::Flare;
    c.height = 30;
    c.heatRelease = 100000;
    const Stack s = sourceStack(c);
    EXPECT_NEAR(s.diameter, 0.2095864, 1e-7);
    EXPECT_NEAR(s.height, 31.11935, 1e-5);
    EXPECT_NEAR(s.buoyancyFlux, 1.658033, 1e-6);
    EXPECT_NEAR(s.momentumFlux, 1.011034, 1e-6);
    EXPECT_EQ(s.velocity, 20);
    EXPECT_EQ(s.gasTemp, 1273);
}

TEST(PlumeRise, FinalRiseByClass)
{
    // u_s from the rural profile at 30 m with u10 = 1 m/s: 3^0.07, 3^0.15, 3^0.55.
    struct Case {
        int k;
        double us, xfb, xfm, rise;
    } const cases[] = {
        // A: buoyant (ΔT = 80 ≥ 0.0297·373.15·48^0.333333 = 40.28), 21.425·F_b^0.75/u_s
        {1, 1.0799372, 65.132885, 35.843421, 27.915630},
        {4, 1.1791476, 65.132885, 34.122407, 25.566880},
        // F: s = g·0.035/293.15; x_fb = 2.0715·u/√s, x_fm = π/2·u/√s, 2.6·(F_b/(u·s))^0.333333
        {6, 1.8298551, 110.78044, 84.003630, 23.474520},
    };
    const Stack s = sourceStack(exampleStack());
    for (const auto& c : cases) {
        const FinalRise f = finalRise(s, c.us, c.k, stabilityParameter(c.k, s.ambientTemp));
        EXPECT_NEAR(f.xfb, c.xfb, 1e-4) << c.k;
        EXPECT_NEAR(f.xfm, c.xfm, 1e-4) << c.k;
        EXPECT_NEAR(f.xf, std::max(c.xfb, c.xfm), 1e-4) << c.k;
        EXPECT_NEAR(f.rise, c.rise, 1e-5) << c.k;
    }
}

TEST(PlumeRise, MomentumDominatedAndLargeBuoyancy)
{
    // Cold plume, class D, u_s = 2: 3·d·v/u = 3·0.5·12/2 = 9 m.
    ScreeningCase cold = exampleStack();
    cold.gasTemp = 250;
    const Stack c = sourceStack(cold);
    EXPECT_NEAR(finalRise(c, 2, 4, {}).rise, 9, 1e-12);
    // Cold plume, class E: 1.5·(F_m/(u·√s))^0.333333 = 1.5·(9/(2·0.0258654))^0.333333 = 8.37378 < 9.
    const StabilityParameter e = stabilityParameter(5, 293.15);
    EXPECT_NEAR(e.s, 6.6902e-4, 1e-8);  // 9.80616·0.020/293.15
    EXPECT_NEAR(finalRise(c, 2, 5, e).rise, 8.373779, 1e-6);

    // F_b ≥ 55: 3 m stack at 20 m/s, 500 K into 293 K: F_b = g·20·9·207/(4·500) = 182.6888;
    // x_fb = 119·F_b^0.4 = 955.502; Δh = 38.71·F_b^0.6/u = 176.1490 (u = 5).
    ScreeningCase big = exampleStack();
    big.diameter = 3;
    big.exitVelocity = 20;
    big.gasTemp = 500;
    big.ambientTemp = 293;
    const Stack b = sourceStack(big);
    EXPECT_NEAR(b.buoyancyFlux, 182.68876, 1e-4);
    const FinalRise f = finalRise(b, 5, 3, {});
    EXPECT_NEAR(f.xfb, 955.5022, 1e-3);
    EXPECT_NEAR(f.rise, 176.14903, 1e-4);
}

TEST(PlumeRise, CrossoverBetweenBuoyancyAndMomentum)
{
    // ΔT = 30 K below the crossover 0.0297·323.15·(12/0.25)^0.333333 = 34.88 K: momentum rise
    // 3·0.5·12/1.0799372 = 16.667636.
    ScreeningCase warm = exampleStack();
    warm.gasTemp = 323.15;
    EXPECT_NEAR(finalRise(sourceStack(warm), 1.0799372, 1, {}).rise, 16.667636, 1e-6);
    // F_b = 109.83 ≥ 55 with ΔT = 7 K below 0.00575·300·(900/8)^0.333333 = 8.327 K:
    // momentum 3·8·30/5 = 144.
    ScreeningCase wide = exampleStack();
    wide.diameter = 8;
    wide.exitVelocity = 30;
    wide.gasTemp = 300;
    wide.ambientTemp = 293;
    EXPECT_NEAR(sourceStack(wide).buoyancyFlux, 109.828992, 1e-6);
    EXPECT_NEAR(finalRise(sourceStack(wide), 5, 4, {}).rise, 144, 1e-9);
    // 10 K above the crossover 8.4106 K (F_b = 155.3451): buoyant, 38.71·F_b^0.6/5 = 159.820217.
    wide.gasTemp = 303;
    EXPECT_NEAR(finalRise(sourceStack(wide), 5, 4, {}).rise, 159.820217, 1e-6);
    // ΔT = 40 K above 0.0297·333.15·48^0.333333 = 35.96 K: buoyant, 21.425·0.883040^0.75/u = 18.072059.
    warm.gasTemp = 333.15;
    EXPECT_NEAR(finalRise(sourceStack(warm), 1.0799372, 1, {}).rise, 18.072059, 1e-6);
    // Stable, ΔT = 2.5 K above 2.357 K: buoyant, 2.6·(0.0621903/(u·s))^0.333333 = 7.990655.
    ScreeningCase justAbove = exampleStack();
    justAbove.gasTemp = 295.65;
    EXPECT_NEAR(finalRise(sourceStack(justAbove), 1.8298551, 6, stabilityParameter(6, 293.15)).rise, 7.990655, 1e-6);
    // Stable: ΔT = 2 K below 0.019582·12·293.15·√s = 2.357 K: 1.5·(F_m/(u·√s))^0.333333 with
    // F_m = 8.939014: 7.839746 (below 3·d·v/u).
    ScreeningCase mild = exampleStack();
    mild.gasTemp = 295.15;
    EXPECT_NEAR(finalRise(sourceStack(mild), 1.8298551, 6, stabilityParameter(6, 293.15)).rise, 7.839746, 1e-6);
}

TEST(PlumeRise, StableCalmWindLimit)
{
    // A very buoyant plume (15 m, 30 m/s, 800 K into 293 K: F_b = 10487.23) in class F at
    // 1 m/s: 2.6·(F_b/(u·s))^0.333333 = 539.87 exceeds the calm-wind rise
    // 4·F_b^0.25·s^−0.375 = 508.70, which is taken.
    ScreeningCase big = exampleStack();
    big.diameter = 15;
    big.exitVelocity = 30;
    big.gasTemp = 800;
    big.ambientTemp = 293;
    const Stack s = sourceStack(big);
    EXPECT_NEAR(s.buoyancyFlux, 10487.228456, 1e-5);
    EXPECT_NEAR(finalRise(s, 1, 6, stabilityParameter(6, 293)).rise, 508.701360, 1e-5);
}

TEST(PlumeRise, GradualRiseAndStackTip)
{
    const Stack s = sourceStack(exampleStack());
    // A at 50 m: buoyant 1.6·(F_b·50²)^0.333333/u = 23.40395 beats momentum 15.37949.
    const double uA = 1.0799372;
    const FinalRise fA = finalRise(s, uA, 1, {});
    EXPECT_NEAR(riseAt(s, uA, 1, {}, fA, 50), 23.403953, 1e-5);
    EXPECT_NEAR(momentumRise(s, uA, 1, {}, 50, fA.xfm), 15.379488, 1e-5);
    EXPECT_EQ(riseAt(s, uA, 1, {}, fA, 100), fA.rise);  // beyond x_f
    // F at 30 m: buoyant 9.825892, stable (sine) momentum 9.140296.
    const StabilityParameter st = stabilityParameter(6, 293.15);
    const double uF = 1.8298551;
    const FinalRise fF = finalRise(s, uF, 6, st);
    EXPECT_NEAR(riseAt(s, uF, 6, st, fF, 30), 9.825892, 1e-5);
    EXPECT_NEAR(momentumRise(s, uF, 6, st, 30, fF.xfm), 9.140296, 1e-5);
    // Stack tip: v = 12 < 1.5·10: 30 − 2·0.5·(1.5 − 1.2) = 29.7; v ≥ 1.5·u: unchanged.
    EXPECT_NEAR(stackTipHeight(s, 10), 29.7, 1e-12);
    EXPECT_EQ(stackTipHeight(s, 8), 30);
    Stack low = s;
    low.height = 0.2;
    EXPECT_EQ(stackTipHeight(low, 20), 0);  // not below ground
    // BID: √(82.51² + (25.567/3.5)²) = 82.8327
    EXPECT_NEAR(withBuoyancyDispersion(82.51, 25.567), 82.832729, 1e-5);
}

}  // namespace
}  // namespace qelvo::air::screening
