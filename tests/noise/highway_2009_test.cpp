// The 2009 highway model, its barrier and embankment helpers and its chart curves.
#include "noise/highway_2009.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"

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
