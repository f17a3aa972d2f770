// Industrial noise, the air absorption and the A-weighting.
#include "noise/industrial_noise.h"

#include <gtest/gtest.h>

#include "common/number_format.h"

#include "support/refusal_cases.h"

namespace qelvo::noise {
namespace {

TEST(IndustrialNoise, AbsorptionAndWeighting)
{
    EXPECT_NEAR(computeAirAbsorption({}).a, 2.8, 0.02);  // 20 °C, 70 %, 500 Hz
    EXPECT_EQ(cformat("%.1f", computeAWeighting({500}).dA), "-3.2");
    EXPECT_NEAR(computeAWeighting({1000}).dA, 0.0, 0.05);
    EXPECT_NEAR(computeAWeighting({63}).dA, -26.2, 0.1);
    EXPECT_TRUE(computeAWeighting({0}).refusal.refused());
}

// ISO 9613-1 absorption and the A-weighting, recomputed independently (the absorption's
// 20 °C / 70 % / 500 Hz value is the standard's table value 2.8 dB/km).
TEST(IndustrialNoise, AbsorptionAndWeightingReferenceCases)
{
    const struct {
        AirAbsorptionInput in;
        double a;
    } absorption[] = {
        {{20, 70, 101.325f, 500}, 2.79109}, {{10, 50, 101.325f, 1000}, 4.26475}, {{30, 90, 95, 2000}, 13.8385},
        {{0, 20, 101.325f, 4000}, 47.1051}, {{15, 80, 101.325f, 125}, 0.338995}, {{-20, 50, 101.325f, 63}, 0.240514},
    };
    for (const auto& c : absorption) EXPECT_NEAR(computeAirAbsorption(c.in).a, c.a, c.a * 1e-5) << c.in.f << " Hz";
    const std::pair<float, double> weighting[] = {
        {31.5f, -39.5289}, {63, -26.2228}, {125, -16.1897}, {250, -8.67482}, {500, -3.24779},
        {1000, 0.000198587}, {2000, 1.2019}, {4000, 0.964428}, {8000, -1.14431}, {16000, -6.70071},
    };
    for (const auto& [f, dA] : weighting) EXPECT_NEAR(computeAWeighting({f}).dA, dA, 1e-4) << f << " Hz";
    // Below absolute zero or without humidity the formula has no value.
    EXPECT_EQ(computeAirAbsorption({-400, 70, 101.325f, 500}).refusal.message, "大气温度T必须高于-273.15℃，请重新输入！");
    EXPECT_EQ(computeAirAbsorption({-273.15f, 70, 101.325f, 500}).refusal.focusKey, "T");
    EXPECT_EQ(computeAirAbsorption({20, -1, 101.325f, 500}).refusal.message, "空气相对湿度h不能为负数，请重新输入！");
    EXPECT_FALSE(computeAirAbsorption({20, 0, 101.325f, 500}).refusal.refused());
    EXPECT_EQ(computeAirAbsorption({20, 70, 0, 500}).refusal.focusKey, "pa");
}

// Points recomputed independently from the guideline's steps (double precision, inputs
// rounded to float): r, Lpr, Abar, Aatm, Agr, Lp, LA, Ltot of the listed points, 0.01 dB.
TEST(IndustrialNoise, ReferenceCases)
{
    const struct {
        const char* what;
        void (*set)(IndustrialInput&);
        const char* LwOutdoor;
        std::vector<std::pair<int, const char*>> points;  // index, values
    } cases[] = {
        {"indoor defaults", [](IndustrialInput&) {}, "85.04",
         {{0, "1 74.04 0.00 0.00 0.00 74.04 70.84 70.95"}, {19, "20 48.02 0.00 0.06 0.00 47.97 44.77 55.39"}}},
        {"outdoor", [](IndustrialInput& i) { i.sourceType = 1; }, "100.00",
         {{0, "1 89.00 0.00 0.00 0.00 89.00 85.80 85.80"}, {4, "5 75.02 0.00 0.01 0.00 75.01 71.81 71.90"}}},
        {"reference level known, half-free field",
         [](IndustrialInput& i) { i.sourceType = 1, i.soundField = 1, i.known = 1, i.Lp0 = 90, i.r0 = 2, i.rmax = 30, i.step = 5; },
         "100.00",
         {{0, "5 82.04 0.00 0.01 0.00 82.03 78.83 78.85"}, {5, "30 66.48 0.00 0.08 0.00 66.39 63.19 63.81"}}},
        // ratio rr/rd: 2.24 (+1), 1.51 (+2), 1.25 (+2) … 1.10 (+3) at 6 m.
        {"reflection h0 2, h1 1", [](IndustrialInput& i) { i.sourceType = 1, i.reflection = 1, i.h0 = 2, i.h1 = 1; }, "100.00",
         {{0, "1 90.00 0.00 0.00 0.00 90.00 86.80 86.80"}, {1, "2 83.98 0.00 0.01 0.00 83.97 80.77 80.79"},
          {2, "3 81.46 0.00 0.01 0.00 81.45 78.25 78.27"}, {5, "6 76.44 0.00 0.02 0.00 76.42 73.22 73.29"},
          {19, "20 65.98 0.00 0.06 0.00 65.92 62.72 63.40"}}},
        {"reflection h0 0.5, h1 3", [](IndustrialInput& i) { i.sourceType = 1, i.reflection = 1, i.h0 = 0.5f, i.h1 = 3, i.rmax = 10; },
         "100.00",
         {{0, "1 91.00 0.00 0.00 0.00 91.00 87.80 87.80"}, {3, "4 79.96 0.00 0.01 0.00 79.95 76.75 76.78"},
          {9, "10 72.00 0.00 0.03 0.00 71.97 68.77 68.95"}}},
        {"reflection far above: ratio 10, no rise", [](IndustrialInput& i) { i.sourceType = 1, i.reflection = 1, i.h0 = 5, i.h1 = 5, i.rmax = 2; },
         "100.00", {{0, "1 89.00 0.00 0.00 0.00 89.00 85.80 85.80"}}},
        {"three walls, R 50, TL 30, r 5, S 40", [](IndustrialInput& i) { i.position = 3, i.R = 50, i.TL = 30, i.r1 = 5, i.S = 40; },
         "70.25", {{0, "1 59.25 0.00 0.00 0.00 59.25 56.05 58.57"}}},
        {"one wall", [](IndustrialInput& i) { i.position = 1; }, "85.06", {{0, "1 74.06 0.00 0.00 0.00 74.06 70.86 70.97"}}},
        {"two walls", [](IndustrialInput& i) { i.position = 2; }, "85.11", {{0, "1 74.11 0.00 0.00 0.00 74.10 70.90 71.01"}}},
        {"infinite barrier, 18 m", [](IndustrialInput& i) { i.sourceType = 1, i.barrier = 1, i.step = 3; }, "100.00",
         {{0, "18 63.89 17.88 0.05 0.00 45.97 42.77 55.25"}}},
        {"finite barrier at 1000 Hz, 0 °C",
         [](IndustrialInput& i) { i.sourceType = 1, i.barrier = 1, i.d1 = 0.5f, i.d2 = 0.8f, i.d3 = 1.2f, i.f = 1000, i.T = 0; },
         "100.00", {{0, "20 62.98 14.87 0.06 0.00 48.05 44.85 55.40"}}},
        {"barrier capped at 20 dB", [](IndustrialInput& i) { i.sourceType = 1, i.barrier = 1, i.d1 = 20; }, "100.00",
         {{0, "20 62.98 20.00 0.06 0.00 42.92 39.72 55.13"}}},
        {"ground at hm 1.5, near", [](IndustrialInput& i) { i.sourceType = 1, i.ground = 1, i.hm = 1.5f, i.air = 0; }, "100.00",
         {{0, "1 89.00 0.00 0.00 0.00 89.00 85.80 85.80"}, {19, "20 62.98 0.00 0.00 0.00 62.98 59.78 61.03"}}},
        // 4.8 − (2·1.5/100)·(17 + 300/100) = 4.2
        {"ground at hm 1.5, far",
         [](IndustrialInput& i) { i.sourceType = 1, i.ground = 1, i.hm = 1.5f, i.air = 0, i.rmax = 300, i.step = 100; }, "100.00",
         {{0, "100 49.00 0.00 0.00 4.20 44.80 41.60 55.19"}, {1, "200 42.98 0.00 0.00 4.52 38.46 35.26 55.05"},
          {2, "300 39.46 0.00 0.00 4.62 34.84 31.64 55.02"}}},
    };
    for (const auto& c : cases) {
        IndustrialInput in;
        c.set(in);
        const IndustrialResult r = computeIndustrial(in);
        ASSERT_FALSE(r.refusal.refused()) << c.what << ": " << r.refusal.message;
        EXPECT_EQ(cformat("%.2f", r.LwOutdoor), c.LwOutdoor) << c.what;
        for (const auto& [index, expected] : c.points) {
            ASSERT_LT(std::size_t(index), r.points.size()) << c.what;
            const IndustrialPoint& p = r.points[std::size_t(index)];
            EXPECT_EQ(cformat("%g %.2f %.2f %.2f %.2f %.2f %.2f %.2f", p.r, p.Lpr, p.Abar, p.Aatm, p.Agr, p.Lp, p.LA, p.Ltot), expected)
                << c.what << " #" << index;
        }
    }
}

TEST(IndustrialNoise, ABarrierWithNoPointGivesAnEmptyTableAndText)
{
    // rmax < step: N = 0. With the barrier a column at r = 0 (and inf) used to appear.
    IndustrialInput in;
    in.barrier = 1;
    in.rmax = 0;
    const IndustrialResult r = computeIndustrial(in);
    EXPECT_TRUE(r.points.empty());
    EXPECT_EQ(industrialText(r), "");
    const Table t = industrialTable(r);
    ASSERT_EQ(t.rows.size(), 4u);
    for (const auto& row : t.rows) EXPECT_EQ(row.size(), 1u);  // the titles only
    in.rmax = 5;
    in.step = 10;
    EXPECT_TRUE(computeIndustrial(in).points.empty());
}

TEST(IndustrialNoise, RefusesWhatLeavesTheFormulasUndefined)
{
    testing::expectRefusals<IndustrialInput>({
        {[](IndustrialInput& i) { i.R = 0; }, "房间常数R必须大于0，请重新输入！", "R"},
        {[](IndustrialInput& i) { i.r1 = 0; }, "声源到隔墙距离r必须大于0，请重新输入！", "r1"},
        {[](IndustrialInput& i) { i.S = -1; }, "隔墙面积S必须大于0，请重新输入！", "S"},
        {[](IndustrialInput& i) { i.sourceType = 1, i.known = 1, i.r0 = 0; }, "参照点离声源距离r0必须大于0，请重新输入！", "r0"},
        {[](IndustrialInput& i) { i.barrier = 1, i.T = -300; }, "大气温度T必须高于-273℃，请重新输入！", "T"},
        {[](IndustrialInput& i) { i.barrier = 1, i.f = 0; }, "倍频带中心频率f必须大于0，请重新输入！", "f"},
        {[](IndustrialInput& i) { i.barrier = 1, i.d1 = -0.1f; }, "声程差δ不能为负数，请重新输入！", "d1"},
        {[](IndustrialInput& i) { i.barrier = 1, i.d2 = -1; }, "声程差δ不能为负数，请重新输入！", "d2"},
        {[](IndustrialInput& i) { i.barrier = 1, i.d3 = -1; }, "声程差δ不能为负数，请重新输入！", "d3"},
        {[](IndustrialInput& i) { i.reflection = 1, i.h0 = -1; }, "声源距地面距离h0不能为负数，请重新输入！", "h0"},
        {[](IndustrialInput& i) { i.reflection = 1, i.h1 = -1; }, "预测点距地面距离h1不能为负数，请重新输入！", "h1"},
        {[](IndustrialInput& i) { i.reflection = 1, i.h0 = 0, i.h1 = 0; }, "声源和预测点距地面距离不能都为0，请重新输入！", "h0"},
    }, &computeIndustrial);
    // What only the other kind of source uses is not checked.
    IndustrialInput outdoor;
    outdoor.sourceType = 1;
    outdoor.R = 0;
    outdoor.S = -1;
    EXPECT_FALSE(computeIndustrial(outdoor).refusal.refused());
    IndustrialInput indoor;
    indoor.known = 1;  // an indoor source always knows its power level
    indoor.r0 = 0;
    EXPECT_FALSE(computeIndustrial(indoor).refusal.refused());
    IndustrialInput noBarrier;
    noBarrier.T = -300;
    noBarrier.d1 = -1;
    EXPECT_FALSE(computeIndustrial(noBarrier).refusal.refused());
}

TEST(IndustrialNoise, OutdoorDefaultsAtOneMetre)
{
    IndustrialInput in;
    in.sourceType = 1;
    const IndustrialResult r = computeIndustrial(in);
    ASSERT_EQ(r.points.size(), 20u);
    EXPECT_EQ(cformat("%.2f", r.points[0].Lpr), "89.00");
    EXPECT_EQ(cformat("%.2f", r.points[0].LA), "85.80");
    EXPECT_EQ(cformat("%.2f", r.points[0].Ltot), "85.80");
    EXPECT_EQ(industrialText(r).substr(0, industrialText(r).find("----")),
              "距声源1[m]预测点计算结果：\r\n几何发散衰减后Lpr=89.00[dB]\r\n空气吸收衰减Aatm=0.00[dB]\r\n");
    const Table t = industrialTable(r);
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows[0][0], "距离m");
    EXPECT_EQ(t.rows[0][1], "1");
    EXPECT_EQ(t.rows[3][0], "叠加背景值A声级dBA");
}

TEST(IndustrialNoise, IndoorSourceBarrierAndRefusals)
{
    IndustrialInput in;
    EXPECT_EQ(cformat("%.2f", computeIndustrial(in).LwOutdoor), "85.04");
    in.barrier = 1;
    in.step = 3;
    IndustrialResult r = computeIndustrial(in);
    ASSERT_EQ(r.points.size(), 1u);  // only the farthest point: 18 m
    EXPECT_EQ(r.points[0].r, 18);
    EXPECT_NE(industrialText(r).find("屏障无限长，屏障衰减"), std::string::npos);
    in.d1 = 0;  // all three zero: finite, three equal terms
    r = computeIndustrial(in);
    EXPECT_NE(industrialText(r).find("屏障有限长，屏障衰减Abar=-0.00[dB]"), std::string::npos);
    in.step = 0;
    EXPECT_EQ(computeIndustrial(in).refusal.focusKey, "step");
    in.step = 30;  // larger than the maximum: nothing to compute
    in.barrier = 0;
    EXPECT_TRUE(computeIndustrial(in).points.empty());
}

TEST(IndustrialNoise, PointCapIsTheCommonRowCap)
{
    IndustrialInput in;
    in.rmax = 100'001;
    const Refusal r = computeIndustrial(in).refusal;
    EXPECT_EQ(r.message, kTooManyRows);
    EXPECT_EQ(r.focusKey, "step");
    in.rmax = 100'000;
    in.step = 1;
    in.barrier = 1;  // a barrier computes the farthest point only
    EXPECT_EQ(computeIndustrial(in).points.size(), 1u);
}

}  // namespace
}  // namespace qelvo::noise
