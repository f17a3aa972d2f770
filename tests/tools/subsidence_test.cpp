// Ground subsidence by the probability-integral method.
#include "tools/subsidence.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::tools {
namespace {

// A flat seam (α = 0, θ = 90°) with round numbers: r = 200/2 = 100 m, W0 = 2·0.5·1000 =
// 1000 mm, b = 0.25.
SubsidenceInput flat(float p, float a, float X, float Y)
{
    SubsidenceInput in;
    in.H0 = 200;
    in.tanBeta = 2;
    in.theta = 90;
    in.alpha = 0;
    in.m = 2;
    in.q = 0.5f;
    in.b = 0.25f;
    in.p = p;
    in.a = a;
    in.X = X;
    in.Y = Y;
    return in;
}

void expectNearRelative(double actual, double expected, double relative, const char* what)
{
    EXPECT_NEAR(actual, expected, relative * std::fabs(expected) + 1e-9) << what;
}

TEST(Subsidence, AgreesWithAnIndependentRecomputation)
{
    // /usr/bin/python3: the strike coefficient with math.erf; the dip coefficient summed
    // element by element across the panel (each at its own depth and radius, shifted by
    // H·cotθ; Simpson with 4000 intervals); every derivative by central differences, the
    // horizontal movement element by element as b·ρ·∂f/∂y + W·cotθ.
    struct Case {
        const char* name;
        SubsidenceInput in;
        double W, ix, iy, Kx, Ky, Ux, Uy, ex, ey;
    };
    SubsidenceInput offsets;
    offsets.H0 = 300, offsets.tanBeta = 2, offsets.theta = 80, offsets.p = 400, offsets.a = 300;
    offsets.m = 3, offsets.q = 0.8f, offsets.b = 0.25f, offsets.alpha = 20;
    offsets.s1 = 10, offsets.s2 = 20, offsets.s3 = 30, offsets.s4 = 15, offsets.X = 120, offsets.Y = 90;
    const Case cases[] = {
        {"the page's defaults", {}, 81.0181892909748, -0.12871017184748845, 0.162482493034715,
         -0.008376375271629434, -0.008451313080133435, -9.193583703392031, 18.738787258266562,
         -0.5983125194021023, -0.5891204730398414},
        {"a dipping seam with inflection offsets", offsets, 1550.986585708042, 3.57321340794043, 14.18398207427534,
         -0.08986520062376033, -0.18024214484005863, 133.9955027977661, 784.814235168736, -3.369945023391012,
         -2.3971892751910673},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SubsidenceResult r = computeSubsidence(c.in);
        ASSERT_FALSE(r.refusal.refused()) << r.refusal.message;
        // Single-precision inputs (2.1, 0.7, 0.3) and the differences of the reference leave
        // about 1e-6 of relative disagreement.
        expectNearRelative(r.W, c.W, 2e-6, "W");
        expectNearRelative(r.ix, c.ix, 2e-6, "ix");
        expectNearRelative(r.iy, c.iy, 2e-6, "iy");
        expectNearRelative(r.Kx, c.Kx, 1e-5, "Kx");
        expectNearRelative(r.Ky, c.Ky, 1e-5, "Ky");
        expectNearRelative(r.Ux, c.Ux, 2e-6, "Ux");
        expectNearRelative(r.Uy, c.Uy, 2e-6, "Uy");
        expectNearRelative(r.ex, c.ex, 1e-5, "ex");
        expectNearRelative(r.ey, c.ey, 1e-5, "ey");
    }
}

TEST(Subsidence, HandWorkedPointAtTheInflectionLineOfANarrowPanel)
{
    // p = r = 100 m, a = 2000 m (full extraction across the dip), the point on the strike
    // inflection line x = 0 in the middle of the dip width:
    //   C(y) = erf(10·√π) = 1,  C(x) = ½·(erf 0 − erf(−√π)) = ½·erf 1.7724539 = ½·0.9878111 = 0.4939056
    //   W  = 1000·0.4939056 = 493.9056 mm
    //   ix = W0·(e⁰ − e^−π)/r = 10·(1 − 0.0432139183) = 9.567861 mm/m
    //   Kx = −2π·W0·(0 − (−1)·e^−π)/r² = −2π·0.0432139183/10 = −0.02715211 mm/m²
    //   Ux = b·r·ix = 25·9.567861 = 239.1965 mm,  εx = b·r·Kx = −0.6788026 mm/m
    // and nothing moves or bends along the dip in the middle of a wide panel.
    const SubsidenceResult r = computeSubsidence(flat(100, 2000, 0, 1000));
    ASSERT_FALSE(r.refusal.refused());
    EXPECT_DOUBLE_EQ(r.r, 100);
    EXPECT_DOUBLE_EQ(r.W0, 1000);
    EXPECT_NEAR(r.W, 493.9056, 1e-4);
    EXPECT_NEAR(r.ix, 9.567861, 1e-6);
    EXPECT_NEAR(r.Kx, -0.02715211, 1e-8);
    EXPECT_NEAR(r.Ux, 239.1965, 1e-4);
    EXPECT_NEAR(r.ex, -0.6788026, 1e-7);
    EXPECT_NEAR(r.iy, 0, 1e-9);
    EXPECT_NEAR(r.Ky, 0, 1e-9);
    EXPECT_NEAR(r.Uy, 0, 1e-7);
    EXPECT_NEAR(r.ey, 0, 1e-7);
    // The deepest point lies in the middle, x = 50: C(x) = ½·(erf(√π/2) − erf(−√π/2)) =
    // erf 0.8862269 = 0.7899086, so Wmax = 789.9086 mm.
    EXPECT_DOUBLE_EQ(r.xMax, 50);
    EXPECT_NEAR(r.Wmax, 789.9086, 1e-4);
    // The integration as the page sets it up: from 0 to a, to 1e-7.
    EXPECT_EQ(r.lower, 0);
    EXPECT_EQ(r.upper, 2000);
    EXPECT_EQ(r.tolerance, 1e-7);
}

TEST(Subsidence, HalfTheMaximumAtTheInflectionLinesOfAWidePanel)
{
    // 4000 m × 4000 m: full extraction in the middle, W0/2 on each inflection line, W0/4 at
    // the corner; the tilt and the horizontal movement peak there (W0/r, b·W0), the
    // curvature and strain pass through zero.
    struct Case {
        const char* name;
        float X, Y;
        double W, ix, iy, Ux, Uy;
    };
    const Case cases[] = {
        {"middle", 2000, 2000, 1000, 0, 0, 0, 0},
        {"strike inflection line", 0, 2000, 500, 10, 0, 250, 0},
        {"far strike inflection line", 4000, 2000, 500, -10, 0, -250, 0},
        {"dip inflection line (integrated)", 2000, 0, 500, 0, 10, 0, 250},
        {"down-dip inflection line", 2000, 4000, 500, 0, -10, 0, -250},
        {"corner", 0, 0, 250, 5, 5, 125, 125},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SubsidenceResult r = computeSubsidence(flat(4000, 4000, c.X, c.Y));
        // The integral's tolerance, 1e-7 of W0 (and of W0/r, W0/r² for its derivatives).
        EXPECT_NEAR(r.W, c.W, 2e-4);
        EXPECT_NEAR(r.ix, c.ix, 2e-6);
        EXPECT_NEAR(r.iy, c.iy, 2e-6);
        EXPECT_NEAR(r.Ux, c.Ux, 2e-4);
        EXPECT_NEAR(r.Uy, c.Uy, 2e-4);
        EXPECT_NEAR(r.Kx, 0, 1e-8);
        EXPECT_NEAR(r.Ky, 0, 1e-8);
        EXPECT_NEAR(r.ex, 0, 1e-6);
        EXPECT_NEAR(r.ey, 0, 1e-6);
        EXPECT_NEAR(r.Wmax, 1000, 2e-4);
    }
}

TEST(Subsidence, SymmetricAboutThePanelsCentreLines)
{
    // A flat 300 m × 200 m panel: W, curvature and strain mirror about x = 150 and y = 100,
    // tilt and horizontal movement change sign. The dip half comes from the integral, the
    // strike half from the error function; on a square panel the two must agree point for
    // point with x and y exchanged.
    for (const auto& [d, e] : {std::pair{30.0f, 20.0f}, {120.0f, 75.0f}, {260.0f, 5.0f}}) {
        const auto at = [&](float x, float y) { return computeSubsidence(flat(300, 200, x, y)); };
        const SubsidenceResult r = at(150 + d, 100 + e), mx = at(150 - d, 100 + e), my = at(150 + d, 100 - e);
        // Within the integral's tolerance: 1e-7 of W0 = 1000 mm, of W0/r, of W0/r².
        EXPECT_NEAR(mx.W, r.W, 1e-4);
        EXPECT_NEAR(my.W, r.W, 1e-4);
        EXPECT_NEAR(mx.ix, -r.ix, 1e-6);
        EXPECT_NEAR(my.iy, -r.iy, 1e-6);
        EXPECT_NEAR(my.ix, r.ix, 1e-6);
        EXPECT_NEAR(mx.Ky, r.Ky, 1e-8);
        EXPECT_NEAR(my.Ky, r.Ky, 1e-8);
        EXPECT_NEAR(mx.Ux, -r.Ux, 1e-4);
        EXPECT_NEAR(my.Uy, -r.Uy, 1e-4);
        EXPECT_NEAR(my.ey, r.ey, 1e-6);

        const SubsidenceResult s = computeSubsidence(flat(200, 200, 100 + d / 2, 100 + e));
        const SubsidenceResult t = computeSubsidence(flat(200, 200, 100 + e, 100 + d / 2));
        EXPECT_NEAR(s.W, t.W, 1e-4);
        EXPECT_NEAR(s.ix, t.iy, 1e-6);
        EXPECT_NEAR(s.Kx, t.Ky, 1e-8);
        EXPECT_NEAR(s.Ux, t.Uy, 1e-4);
        EXPECT_NEAR(s.ex, t.ey, 1e-6);
    }

    // A dipping seam mirrors only along strike; its basin moves down-dip.
    SubsidenceInput in;  // the page's defaults: α = 10°, θ = 85°, p = 70 m
    in.X = 35 - 40;
    const SubsidenceResult left = computeSubsidence(in);
    in.X = 35 + 40;
    const SubsidenceResult right = computeSubsidence(in);
    EXPECT_NEAR(left.W, right.W, 1e-9);
    EXPECT_NEAR(left.iy, right.iy, 1e-9);
    EXPECT_NEAR(left.ix, -right.ix, 1e-9);
    EXPECT_DOUBLE_EQ(left.xMax, 35);
    EXPECT_GT(left.yMax, 25 + 40);  // the middle of the panel shifted by about H0·cotθ = 43.7 m
}

TEST(Subsidence, FarAwayNothingMoves)
{
    for (const auto& [X, Y] : {std::pair{-3000.0f, 25.0f}, {35.0f, 6000.0f}, {-5000.0f, -5000.0f}}) {
        SubsidenceInput in;
        in.X = X, in.Y = Y;
        const SubsidenceResult r = computeSubsidence(in);
        for (double v : {r.W, r.ix, r.iy, r.Kx, r.Ky, r.Ux, r.Uy, r.ex, r.ey}) EXPECT_NEAR(v, 0, 1e-12) << X << "," << Y;
    }
}

TEST(Subsidence, DamageRadius)
{
    // /usr/bin/python3, flat seams in closed form: from the basin's middle along 3000–4500
    // rays of the quadrant, stepping 0.5 m out and bisecting at the last step that exceeds
    // 10 mm, 3 mm/m, 0.2 mm/m², 2 mm/m (tilt, curvature, strain the larger of strike and dip).
    SubsidenceInput wide = flat(300, 200, 0, 0);
    SubsidenceResult r = computeSubsidence(wide);
    EXPECT_NEAR(r.RW, 253.8546456, 0.05);
    EXPECT_NEAR(r.Ri, 216.8716574, 0.05);
    EXPECT_EQ(r.RK, 0);  // 1.52·W0/r² = 0.15 mm/m² at most
    EXPECT_NEAR(r.Re, 227.8835952, 0.05);
    EXPECT_DOUBLE_EQ(r.R, r.RW);

    SubsidenceInput small = flat(120, 80, 0, 0);  // r = 50 m, W0 = 1.5·0.6·1000 = 900 mm, b = 0.3
    small.H0 = 100, small.m = 1.5f, small.q = 0.6f, small.b = 0.3f;
    r = computeSubsidence(small);
    EXPECT_NEAR(r.RW, 108.1255609, 0.05);
    EXPECT_NEAR(r.Ri, 98.36638743, 0.05);
    EXPECT_NEAR(r.RK, 102.2398484, 0.05);
    EXPECT_NEAR(r.Re, 107.1519122, 0.05);
    EXPECT_DOUBLE_EQ(r.R, r.RW);

    // Where nothing reaches a threshold the radius is 0.
    SubsidenceInput thin;
    thin.m = 0.001f;
    const SubsidenceResult none = computeSubsidence(thin);
    EXPECT_EQ(none.R, 0);
}

TEST(Subsidence, Refusals)
{
    struct Case {
        void (*change)(SubsidenceInput&);
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {[](SubsidenceInput& i) { i.H0 = 0; }, "平均采深H0必须大于0，请重新输入！", "H0"},
        {[](SubsidenceInput& i) { i.tanBeta = -1; }, "影响角正切tgβ必须大于0，请重新输入！", "tanBeta"},
        {[](SubsidenceInput& i) { i.theta = 0; }, "最大下沉角θ必须大于0且不大于90度，请重新输入！", "theta"},
        {[](SubsidenceInput& i) { i.theta = 90.5f; }, "最大下沉角θ必须大于0且不大于90度，请重新输入！", "theta"},
        {[](SubsidenceInput& i) { i.p = 0; }, "工作面走向长p必须大于0，请重新输入！", "p"},
        {[](SubsidenceInput& i) { i.a = -5; }, "工作面沿倾斜方向的水平距离a必须大于0，请重新输入！", "a"},
        {[](SubsidenceInput& i) { i.a = 0; }, "工作面沿倾斜方向的水平距离a必须大于0，请重新输入！", "a"},
        {[](SubsidenceInput& i) { i.m = 0; }, "采厚m必须大于0，请重新输入！", "m"},
        {[](SubsidenceInput& i) { i.q = 0; }, "下沉系数q必须大于0，请重新输入！", "q"},
        {[](SubsidenceInput& i) { i.b = -0.1f; }, "水平移动系数b不能小于0，请重新输入！", "b"},
        {[](SubsidenceInput& i) { i.alpha = 90; }, "煤层倾角α必须大于等于0且小于90度，请重新输入！", "alpha"},
        {[](SubsidenceInput& i) { i.alpha = -1; }, "煤层倾角α必须大于等于0且小于90度，请重新输入！", "alpha"},
        // 500 − 25·tg 88.9° < 0: the up-dip edge would stand above ground.
        {[](SubsidenceInput& i) { i.alpha = 88.9f; }, "工作面上山边界的采深H0-a·tgα/2必须大于0，请重新输入！", "alpha"},
        {[](SubsidenceInput& i) { i.s3 = 40, i.s4 = 30; }, "拐点偏移距s3+s4必须小于工作面走向长p，请重新输入！", "s3"},
        {[](SubsidenceInput& i) { i.s1 = 25, i.s2 = 25; }, "拐点偏移距s1+s2必须小于工作面倾斜方向的水平距离a，请重新输入！", "s1"},
        // 100 − 57.725·tg 60° = 0.02 m up-dip against 200 m down-dip.
        {[](SubsidenceInput& i) { i.H0 = 100, i.alpha = 60, i.a = 115.45f; },
         "工作面上山边界与下山边界的采深相差过大，无法计算，请重新输入！", "a"},
        // A wide panel from 2 m to 200 m deep (tg α = 198/1600): radii 1 m and 100 m; the 12
        // largest radii of reach need 2400 first panels of half a metre.
        {[](SubsidenceInput& i) { i.H0 = 101, i.tanBeta = 2, i.a = 1600, i.alpha = 7.0548f; },
         "工作面上山边界与下山边界的采深相差过大，无法计算，请重新输入！", "a"},
    };
    for (const auto& c : cases) {
        SubsidenceInput in;
        c.change(in);
        const SubsidenceResult r = computeSubsidence(in);
        EXPECT_EQ(r.refusal.message, c.message);
        EXPECT_EQ(r.refusal.focusKey, c.focus) << c.message;
        EXPECT_EQ(computeSubsidenceBasin(in).refusal.message, c.message);
    }
    // The largest numbers a field holds still give numbers.
    SubsidenceInput huge;
    huge.m = 3e38f, huge.q = 3e38f, huge.H0 = 1e-30f, huge.tanBeta = 3e38f, huge.alpha = 0;
    const SubsidenceResult big = computeSubsidence(huge);
    EXPECT_FALSE(big.refusal.refused()) << big.refusal.message;
    for (double v : {big.W0, big.W, big.ix, big.Kx, big.Ky, big.Ux, big.Uy, big.ex, big.ey, big.R}) EXPECT_TRUE(std::isfinite(v));
    // Negative inflection offsets (the basin wider than the panel) are accepted.
    SubsidenceInput outward;
    outward.s1 = outward.s2 = outward.s3 = outward.s4 = -10;
    EXPECT_FALSE(computeSubsidence(outward).refusal.refused());
    // Values at or near each limit are accepted.
    for (void (*change)(SubsidenceInput&) : {+[](SubsidenceInput& i) { i.tanBeta = 1; },
                                             +[](SubsidenceInput& i) { i.theta = 1; },
                                             +[](SubsidenceInput& i) { i.theta = 90; },
                                             +[](SubsidenceInput& i) { i.b = 0; },
                                             +[](SubsidenceInput& i) { i.alpha = 0; }}) {
        SubsidenceInput in;
        change(in);
        EXPECT_FALSE(computeSubsidence(in).refusal.refused()) << computeSubsidence(in).refusal.message;
    }
}

TEST(SubsidenceBasin, GridAroundThePanel)
{
    // r = 100 m: nodes every 10 m from x = −150 to 450 and y = −150 to 350.
    SubsidenceInput in = flat(300, 200, 0, 0);
    in.step = 10;
    const SubsidenceBasin basin = computeSubsidenceBasin(in);
    ASSERT_FALSE(basin.refusal.refused());
    ASSERT_EQ(basin.xs.size(), 61u);
    ASSERT_EQ(basin.ys.size(), 51u);
    EXPECT_DOUBLE_EQ(basin.xs.front(), -150);
    EXPECT_DOUBLE_EQ(basin.xs.back(), 450);
    EXPECT_DOUBLE_EQ(basin.ys.front(), -150);
    EXPECT_DOUBLE_EQ(basin.ys.back(), 350);
    ASSERT_EQ(basin.W.size(), 61u * 51u);
    // Each node as the point calculation gives it; the deepest node in the middle.
    for (const auto& [i, j] : {std::pair{10, 10}, {25, 30}, {0, 0}, {40, 50}, {50, 60}}) {
        in.X = static_cast<float>(basin.xs[j]);
        in.Y = static_cast<float>(basin.ys[i]);
        EXPECT_NEAR(basin.W[i * 61 + j], computeSubsidence(in).W, 1e-4) << i << "," << j;
    }
    EXPECT_FLOAT_EQ(static_cast<float>(basin.Wmax), basin.W[25 * 61 + 30]);
    // At the corner, 1.5 r out both ways: (½·erfc(1.5·√π))²·1000 mm = (8.4976e-5)²·1000 = 7.221e-6 mm.
    EXPECT_NEAR(basin.W[0], 7.221e-6, 2e-8);

    const Table t = subsidenceBasinTable(basin);
    EXPECT_EQ(t.name, "地表沉陷－下沉盆地计算结果");
    ASSERT_EQ(t.columns.size(), 62u);
    EXPECT_EQ(t.columns[0], "Y＼X");
    EXPECT_EQ(t.columns[1], "-150");
    EXPECT_EQ(t.rows[25][0], "100");
    EXPECT_EQ(t.rows[25][31], formatFixed(basin.W[25 * 61 + 30], 2));

    // Nodes on multiples of the spacing, the panel's edges rounded outwards.
    in.step = 40;
    const SubsidenceBasin coarse = computeSubsidenceBasin(in);
    EXPECT_DOUBLE_EQ(coarse.xs.front(), -160);
    EXPECT_DOUBLE_EQ(coarse.xs.back(), 480);
    EXPECT_DOUBLE_EQ(coarse.ys.back(), 360);
    // A spacing of 7.3 (7.30000019 in single precision): −21·7.3 and 48·7.3 shown with 6 digits.
    in.step = 7.3f;
    const Table odd = subsidenceBasinTable(computeSubsidenceBasin(in));
    EXPECT_EQ(odd.columns[1], "-153.3");
    EXPECT_EQ(odd.rows[0][0], "-153.3");
    EXPECT_EQ(odd.rows.back()[0], "350.4");
}

TEST(SubsidenceBasin, RefusesNoSpacingAndHugeGrids)
{
    SubsidenceInput in;
    in.step = 0;
    EXPECT_EQ(computeSubsidenceBasin(in).refusal.message, "网格间距必须大于0，请重新输入！");
    EXPECT_EQ(computeSubsidenceBasin(in).refusal.focusKey, "step");
    // r = 238 m: about 784 m × 765 m; 0.35 m gives 2241 × 2187 nodes, over 4 million.
    in.step = 0.35f;
    EXPECT_EQ(computeSubsidenceBasin(in).refusal.message, "网格点数过多（超过400万），请增大网格间距后重新输入！");
    in.step = 1e-30f;
    EXPECT_TRUE(computeSubsidenceBasin(in).refusal.refused());
    in.step = 0.45f;
    EXPECT_FALSE(computeSubsidenceBasin(in).refusal.refused());
}

}  // namespace
}  // namespace qelvo::tools
