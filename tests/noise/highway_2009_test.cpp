// The 2009 highway model, its barrier and embankment helpers and its chart curves.
#include "noise/highway_2009.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"

#include "support/refusal_cases.h"

namespace qelvo::noise {
namespace {

TEST(Highway2009, Defaults)
{
    const Highway2009Result r = computeHighway2009({});
    EXPECT_EQ(cformat("%.2f %.2f %.2f", r.Leq[0], r.Leq[1], r.Leq[2]), "55.74 53.78 50.87");
    EXPECT_EQ(cformat("%.2f", r.total), "58.67");
    EXPECT_EQ(cformat("%.2f", r.withBackground), "60.22");
    EXPECT_EQ(highway2009Text(r).substr(0, highway2009Text(r).find("----")),
              "总车流小时等效声级Leq=58.67[dB]\r\n总车流小时等效声级＋背景噪声=60.22[dB]\r\n");
}

TEST(Highway2009, CorrectionsAndAttenuations)
{
    Highway2009Input in;
    in.rural = 1;
    in.ruralA = 12;  // used as 10
    in.surface = 1;  // cement: (V − 10)·0.05 below 50 km/h, else 2
    in.VL = 40;
    in.intersection = 1;
    in.crossing = 1;  // 40～70 m: +2
    const Highway2009Result r = computeHighway2009(in);
    EXPECT_EQ(r.rural, 10.0);
    EXPECT_NE(highway2009Text(r).find("农村房屋附加衰减量Abar=10.00[dB]"), std::string::npos);
    EXPECT_NE(highway2009Text(r).find("路面修正量△L路面:\r\n大型车＝1.50[dB]，中型车＝2.00[dB]"), std::string::npos);
    EXPECT_NE(highway2009Text(r).find("城市道路交叉路口噪声修正值Abar=＋2.00[dB]"), std::string::npos);
}

TEST(Highway2009, ChartCurves)
{
    const std::vector<Curve> finite = finiteBarrierCurves();
    ASSERT_EQ(finite.size(), 5u);
    EXPECT_EQ(finite[1].title, "无限长10dB");
    EXPECT_EQ(finite[1].xLabel, "屏障遮挡角与视角之比 β/θ");
    ASSERT_EQ(finite[1].xs.size(), 201u);
    EXPECT_DOUBLE_EQ(finite[1].ys.front(), 0);        // nothing screened
    EXPECT_NEAR(finite[1].ys.back(), 10, 1e-12);      // all screened: the infinite barrier's
    EXPECT_NEAR(finite[1].ys[100], 2.5964, 1e-4);     // −10·lg(0.5·0.1 + 0.5)
    EXPECT_NEAR(finite[4].ys[100], 2.9966, 1e-4);     // −10·lg(0.5·10^−2.5 + 0.5)
    const Curve delta = barrierAttenuationCurve();
    EXPECT_EQ(delta.xs.back(), 5);
    EXPECT_NEAR(delta.ys.front(), 4.7712, 1e-4);      // δ = 0: 10·lg 3
    for (std::size_t i = 1; i < delta.ys.size(); ++i) EXPECT_GT(delta.ys[i], delta.ys[i - 1]);
    // δ = 1 m at 500 Hz and 20 °C: c = 331·√(1 + 20/273) = 342.91 m/s, t = 40·500·1/(3c) = 19.441,
    // Abar = 10·lg(3π·√(t² − 1)/(2·ln(t + √(t² − 1)))) = 13.979 dB.
    EXPECT_EQ(delta.xs[40], 1);
    EXPECT_NEAR(delta.ys[40], 13.9793, 1e-4);
}

TEST(Highway2009, AttenuationsAddAndTheIntersectionAdds)
{
    // Every switched-on attenuation lowers each class by the same amount, so the total moves
    // by exactly their sum; the intersection raises it by its step.
    const double plain = computeHighway2009([] {
                             Highway2009Input in;
                             in.barrier = 0;
                             in.air = 0;
                             return in;
                         }()).total;
    const struct {
        const char* what;
        void (*set)(Highway2009Input&);
        double shift;
    } cases[] = {
        {"barrier 10 + embankment 3", [](Highway2009Input& in) { in.Abar = 10, in.embankment = 1, in.embankmentA = 3; }, -13},
        {"barrier 80: far below 0 dB", [](Highway2009Input& in) { in.Abar = 80; }, -80},
        {"air 2.8 dB/km over 20 m", [](Highway2009Input& in) { in.barrier = 0, in.air = 1; }, -0.056},
        {"rural 5", [](Highway2009Input& in) { in.barrier = 0, in.rural = 1, in.ruralA = 5; }, -5},
        // 4.8 − (2·1/20)·(17 + 300/20) = 1.6
        {"ground at hm 1", [](Highway2009Input& in) { in.barrier = 0, in.ground = 1, in.hm = 1; }, -1.6},
        {"intersection ≤40 m", [](Highway2009Input& in) { in.barrier = 0, in.intersection = 1, in.crossing = 0; }, +3},
        {"intersection >100 m", [](Highway2009Input& in) { in.barrier = 0, in.intersection = 1, in.crossing = 3; }, 0},
    };
    for (const auto& c : cases) {
        Highway2009Input in;
        in.air = 0;
        c.set(in);
        EXPECT_NEAR(computeHighway2009(in).total - plain, c.shift, 1e-6) << c.what;
    }
}

// Reference cases recomputed independently from the guideline's formulas (double precision,
// inputs rounded to float): the total, with the background, and the three classes, 0.01 dB.
TEST(Highway2009, ReferenceCases)
{
    const struct {
        const char* what;
        void (*set)(Highway2009Input&);
        const char* expected;
    } cases[] = {
        {"defaults", [](Highway2009Input&) {}, "58.67 60.22 | 55.74 53.78 50.87"},
        // 4.8 − (2·1/20)·(17 + 300/20) = 1.6 dB of ground effect.
        {"ground at hm 1, 20 m", [](Highway2009Input& i) { i.barrier = 0, i.ground = 1, i.hm = 1; }, "67.07 67.33 | 64.14 62.18 59.27"},
        {"ground at hm 1, 50 m", [](Highway2009Input& i) { i.barrier = 0, i.ground = 1, i.hm = 1, i.r = 50; },
         "60.73 61.76 | 57.80 55.84 52.93"},
        {"cement below 50 km/h", [](Highway2009Input& i) { i.surface = 1, i.VL = 40, i.VS = 30; }, "61.46 62.35 | 58.21 55.78 55.55"},
        {"Ψ = 180°, flat, 7.5 m", [](Highway2009Input& i) { i.psi = 180, i.beta = 0, i.r = 7.5f; }, "61.52 62.39 | 57.69 56.98 55.22"},
        {"intersection 70～100 m", [](Highway2009Input& i) { i.barrier = 0, i.air = 0, i.intersection = 1, i.crossing = 2; },
         "69.73 69.87 | 66.80 64.84 61.93"},
    };
    for (const auto& c : cases) {
        Highway2009Input in;
        c.set(in);
        const Highway2009Result r = computeHighway2009(in);
        ASSERT_FALSE(r.refusal.refused()) << c.what;
        EXPECT_EQ(cformat("%.2f %.2f | %.2f %.2f %.2f", r.total, r.totalWithBackground, r.Leq[0], r.Leq[1], r.Leq[2]), c.expected)
            << c.what;
        EXPECT_EQ(r.withBackground, static_cast<float>(r.totalWithBackground)) << c.what;
    }
}

TEST(Highway2009, AClassWithoutTrafficHasNoLevel)
{
    // No large vehicles: the total of the others, and the detail text says so instead of −inf.
    Highway2009Input in;
    in.NL = 0;
    const Highway2009Result r = computeHighway2009(in);
    EXPECT_EQ(cformat("%.2f %.2f", r.total, r.totalWithBackground), "55.57 58.31");
    EXPECT_NE(highway2009Text(r).find("各车型小时等效声级:\r\n大型车＝无车流，中型车＝53.78[dB]，小型车＝50.87[dB]\r\n"),
              std::string::npos);
    EXPECT_NE(highway2009Text(r).find("纵坡修正量△L坡度:\r\n大型车＝4.90[dB]"), std::string::npos);
    EXPECT_FALSE(evaluate(highway2009Calculator(), in).refusal.refused());
}

TEST(Highway2009, RefusalsAndTheDeclaredZeroSpeedOrDistance)
{
    testing::expectRefusals<Highway2009Input>({
        {[](Highway2009Input& i) { i.NL = -5; }, "平均小时车流量N不能为负数，请重新输入！", "NL"},
        {[](Highway2009Input& i) { i.NS = -1; }, "平均小时车流量N不能为负数，请重新输入！", "NS"},
        {[](Highway2009Input& i) { i.VM = -60; }, "平均车速V不能为负数，请重新输入！", "VM"},
        {[](Highway2009Input& i) { i.NL = i.NM = i.NS = 0; }, "三种车型的平均小时车流量N不能都为0，请重新输入！", "NL"},
        {[](Highway2009Input& i) { i.r = -20; }, "预测点距声源距离r不能为负数，请重新输入！", "r"},
        {[](Highway2009Input& i) { i.psi = 0; }, "预测点到有限长路段两端张角Ψ必须大于0，请重新输入！", "psi"},
        {[](Highway2009Input& i) { i.psi = -100; }, "预测点到有限长路段两端张角Ψ必须大于0，请重新输入！", "psi"},
    }, &computeHighway2009);
    // A zero speed or distance: the guideline's levels are infinite and are shown as they come.
    for (void (*zero)(Highway2009Input&) : {+[](Highway2009Input& i) { i.VL = 0; }, +[](Highway2009Input& i) { i.r = 0; }}) {
        Highway2009Input in;
        zero(in);
        const auto e = evaluate(highway2009Calculator(), in);
        ASSERT_FALSE(e.refusal.refused());
        EXPECT_EQ(e.report.fields[0].second, "inf");
        EXPECT_NE(e.report.text.find("总车流小时等效声级Leq=inf[dB]"), std::string::npos);
    }
}

TEST(Highway2009, ABarrierRulesTheGroundOutWhateverTheOrder)
{
    // The page clears the ground check when the barrier is checked; the model keeps to it, and
    // qelvo-calc applies the same rule: barrier=1 ground=1 is the barrier alone.
    const Calculator calc = eraseTypes(highway2009Calculator());
    const auto shown = [&](const Assignments& values) { return calc.run(values).report.text; };
    EXPECT_EQ(shown({{"barrier", "1"}, {"ground", "1"}}), shown({{"barrier", "1"}}));
    EXPECT_EQ(shown({{"ground", "1"}, {"barrier", "1"}}), shown({{"barrier", "1"}}));
    EXPECT_NE(shown({{"barrier", "0"}, {"ground", "1"}}), shown({{"barrier", "0"}}));
    Highway2009Input in;
    in.ground = 1;
    highway2009Calculator().choiceRule(in, "barrier");
    EXPECT_EQ(in.ground, 0);
    in.ground = 1;
    EXPECT_FALSE(computeHighway2009(in).ground.has_value());
}

// The infinite barrier's hand-back: 10·lg of the diffraction term for t = 40·f·δ/(3c),
// c = 331·√(1 + T/273), recomputed independently.
TEST(Highway2009, InfiniteBarrierReferenceCases)
{
    const struct {
        float delta, f, T;
        double Abar;
    } cases[] = {
        {0, 500, 20, 4.7712}, {0.01f, 500, 20, 5.2653}, {0.02f, 500, 20, 5.6893},
        {0.1f, 250, 0, 6.7426}, {1, 500, 20, 13.9793}, {2.5f, 2000, 35, 21.7747},
    };
    for (const auto& c : cases) {
        const BarrierResult r = computeInfiniteBarrier({c.delta, c.f, c.T});
        ASSERT_FALSE(r.refusal.refused());
        EXPECT_NEAR(r.Abar, c.Abar, 1e-4) << c.delta << " m, " << c.f << " Hz, " << c.T << " °C";
    }
    EXPECT_EQ(computeInfiniteBarrier({-0.2f, 500, 20}).refusal.message, "声程差δ不能为负数，请重新输入！");
    EXPECT_EQ(computeInfiniteBarrier({1, 500, -300}).refusal.message, "大气温度T必须高于-273℃，请重新输入！");
    EXPECT_EQ(computeInfiniteBarrier({1, 500, -300}).refusal.focusKey, "T");
}

TEST(Highway2009, EmbankmentReferenceCases)
{
    // xe = d1 + h/tan(a); beyond r: refused; the sight line over the edge at r above h2: lit.
    const struct {
        EmbankmentInput in;
        const char* expected;  // "far", "lit" or δ
    } cases[] = {
        {{}, "lit"},
        {{1, 1.2f, 2, 15, 45, 20}, "0.016055"},
        // z = 2 + 1.5 − 1.5·20/15 = 1.5 > 1.2; δ = √(15² + 1.5²) + √(5² + 0.8²) − √(20² + 2.3²)
        {{1.5f, 1.2f, 2, 15, 45, 20}, "0.006593"},
        {{1, 1.2f, 2, 15, 10, 20}, "far"},  // 15 + 2/tan 10° = 26.3 > 20
        {{2, 1.2f, 5, 10, 45, 30}, "lit"},
        {{1, 1.2f, 2, 5, 45, 6}, "far"},
    };
    for (const auto& c : cases) {
        const EmbankmentResult r = computeEmbankment(c.in);
        const std::string got = r.refusal.refused() ? "far" : r.illuminated ? "lit" : cformat("%.6f", double(r.delta));
        EXPECT_EQ(got, c.expected) << c.in.d1 << " " << c.in.a << " " << c.in.r;
    }
    EmbankmentInput zero;
    zero.d1 = 0;
    EXPECT_EQ(computeEmbankment(zero).refusal.message, "声源距路边d1必须大于0，请重新输入！");
}

TEST(Highway2009, BarrierAndEmbankment)
{
    EXPECT_EQ(cformat("%.2f", computeInfiniteBarrier({}).Abar), "4.77");  // δ = 0: 10·lg 3
    EXPECT_FALSE(computeInfiniteBarrier({0, 0.5f, 20}).refusal.refused());  // any frequency above 0
    EXPECT_EQ(computeInfiniteBarrier({0, 0, 20}).refusal.focusKey, "f");
    EXPECT_GT(computeInfiniteBarrier({0.5f}).Abar, 10);
    EmbankmentResult e = computeEmbankment({});
    EXPECT_TRUE(e.illuminated);  // xe = 7, z = −1 ≤ 1.2
    EmbankmentInput far;
    far.r = 6;
    EXPECT_EQ(computeEmbankment(far).refusal.message, "预测点离声源水平距离不符合逻辑，请重输！");
    EmbankmentInput shadow;
    shadow.d1 = 15;  // the receiver lies below the sight line over the edge
    e = computeEmbankment(shadow);
    EXPECT_FALSE(e.illuminated);
    EXPECT_NEAR(e.delta, std::sqrt(225.0 + 1) + std::sqrt(25.0 + 0.64) - std::sqrt(400.0 + 1.8 * 1.8), 1e-5);
}

}  // namespace
}  // namespace qelvo::noise
