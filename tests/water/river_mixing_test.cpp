// River mixing: two-dimensional, cumulative flow and F-R.
#include "water/river_mixing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"

#include "support/refusal_cases.h"

namespace qelvo::water {
namespace {

// Concentrations recomputed independently from the guideline's formulas (π as 3.14159,
// double precision, inputs rounded to float, the result stored in float), "%.4f" as the
// grid shows them.
TEST(Mixing2d, ReferenceCases)
{
    const struct {
        const char* what;
        void (*set)(Mixing2dInput&);
        const char* C;
    } cases[] = {
        {"defaults, outfall at the bank: two terms", [](Mixing2dInput&) {}, "16.4667"},
        {"a = 5: three terms over 2·H", [](Mixing2dInput& i) { i.a = 5; }, "14.8934"},
        {"on the outfall's line, 100 m", [](Mixing2dInput& i) { i.x = 100, i.y = 0; }, "9.8908"},
        {"far bank, 500 m", [](Mixing2dInput& i) { i.x = 500, i.y = 50; }, "6.8709"},
        {"decay K1 = 2", [](Mixing2dInput& i) { i.model = 1, i.K1 = 2; }, "16.4414"},
        // Only the background, decayed over 8640 m at 0.3 m/s: 0.5·e^(−1/3).
        {"decay of the background", [](Mixing2dInput& i) { i.model = 1, i.Cp = 0, i.x = 8640; }, "0.3583"},
        {"half a metre below the outfall", [](Mixing2dInput& i) { i.x = 0.5f; }, "5.9058"},
        {"another river",
         [](Mixing2dInput& i) { i.x = 60, i.y = 30, i.a = 10, i.B = 40, i.H = 1.5f, i.u = 0.8f, i.My = 2, i.Qp = 0.5f, i.Cp = 300, i.Ch = 1; },
         "2.3295"},
    };
    for (const auto& c : cases) {
        Mixing2dInput in;
        c.set(in);
        const PointResult r = computeMixing2dPoint(in);
        ASSERT_FALSE(r.refusal.refused()) << c.what;
        EXPECT_EQ(formatFixed(r.C, 4), c.C) << c.what;
    }
}

TEST(CumFlow, ReferenceCases)
{
    const struct {
        const char* what;
        void (*set)(CumFlowInput&);
        const char* C;
    } cases[] = {
        {"defaults: no factor 2 with a = 0", [](CumFlowInput&) {}, "24.1008"},
        {"a = 2: three terms over 2·√(π·Mq·x)", [](CumFlowInput& i) { i.a = 2; }, "23.5384"},
        {"on the outfall's line, 100 m", [](CumFlowInput& i) { i.x = 100, i.y = 0; }, "11.5905"},
        {"500 m, 100 m across", [](CumFlowInput& i) { i.x = 500, i.y = 100; }, "8.3631"},
        {"decay K1 = 3", [](CumFlowInput& i) { i.model = 1, i.K1 = 3; }, "24.0173"},
        {"half a metre below the outfall", [](CumFlowInput& i) { i.x = 0.5f; }, "21.6964"},
        {"another river",
         [](CumFlowInput& i) { i.x = 200, i.y = 40, i.a = 5, i.Qh = 30, i.H = 2, i.u = 0.5f, i.My = 1, i.Qp = 2, i.Cp = 50, i.Ch = 0.3f; },
         "2.4396"},
    };
    for (const auto& c : cases) {
        CumFlowInput in;
        c.set(in);
        const PointResult r = computeCumFlowPoint(in);
        ASSERT_FALSE(r.refusal.refused()) << c.what;
        EXPECT_EQ(formatFixed(r.C, 4), c.C) << c.what;
    }
    // The grid holds the same numbers at its nodes: x = 20, y = 10 is row 1, column 1.
    const MixingGrid g = computeCumFlowGrid({});
    EXPECT_EQ(mixingTable(g).rows[1][1], "24.1008");
    EXPECT_EQ(mixingTable(g).rows[0][0], "0");
}

TEST(Mixing2d, DecayMultipliesTheBackgroundToo)
{
    Mixing2dInput in;
    in.Cp = 0;  // only the background is left
    in.model = 1;
    in.x = 8640;
    EXPECT_EQ(formatFixed(computeMixing2dPoint(in).C, 4), "0.3583");  // 0.5·e^(−8640/(86400·0.3))
    in.model = 0;
    EXPECT_EQ(formatFixed(computeMixing2dPoint(in).C, 4), "0.5000");
}

TEST(Mixing2d, ChecksInOrder)
{
    const auto refusal = [](auto change) {
        Mixing2dInput in;
        change(in);
        return computeMixing2dPoint(in).refusal.message;
    };
    EXPECT_EQ(refusal([](auto& i) { i.y = -1; }), "a+y必须大于等于0，请重新输入！");
    EXPECT_EQ(refusal([](auto& i) { i.y = 51; }), "a+y必须小于等于B，请重新输入！");
    EXPECT_EQ(refusal([](auto& i) { i.a = -1; i.y = 5; }), "a必须小于等于B且大于等于0，请重新输入！");
    EXPECT_EQ(refusal([](auto& i) { i.x = 0; }), "离排放口流线距离x必须大于0，请重新输入！");
    EXPECT_EQ(refusal([](auto& i) { i.u = 0; }), "河流断面平均流速u必须大于0，请重新输入！");
}

TEST(Mixing2d, GridColumnsStartAtTheStepAndTheRangeIsOrdered)
{
    Mixing2dInput in;
    in.xc = 30;
    const MixingGrid g = computeMixing2dGrid(in);
    ASSERT_EQ(g.xs.size(), 16u);  // 30 … 480
    EXPECT_EQ(g.xs.front(), 30.0f);
    EXPECT_EQ(g.xs.back(), 480.0f);
    EXPECT_EQ(g.ys.size(), 6u);
    in.ymin = 50;
    in.ymax = 0;
    const MixingGrid reversed = computeMixing2dGrid(in);
    EXPECT_EQ(mixingTable(reversed).rows, mixingTable(g).rows);
    const Table t = mixingTable(g);
    EXPECT_EQ(t.columns[0], "Y＼X");
    EXPECT_EQ(t.columns[1], "30");
    EXPECT_EQ(t.rows[1][0], "10");
    EXPECT_EQ(t.rows[0][1], formatFixed(g.c[0], 4));
}

TEST(Mixing2d, GridChecks)
{
    const auto refusal = [](auto change) {
        Mixing2dInput in;
        change(in);
        return computeMixing2dGrid(in).refusal.message;
    };
    EXPECT_EQ(refusal([](auto& i) { i.a = 51; }), "a必须小于等于B且大于等于0，请重新输入！");
    EXPECT_EQ(refusal([](auto& i) { i.ymin = -10; }), "y最远间距必须小于等于B，请重新输入！");
    EXPECT_EQ(refusal([](auto& i) { i.ymin = -5; i.ymax = 40; }), "a+y必须大于等于0，请重新输入！");
    EXPECT_EQ(refusal([](auto& i) { i.ymax = 60; i.ymin = 20; }), "y必须小于等于B，请重新输入！");
    EXPECT_FALSE(refusal([](auto& i) { i.yc = 0; }).empty());
    // 5 000 000 cells are refused before anything is allocated.
    EXPECT_FALSE(refusal([](auto& i) { i.xmax = 100000; i.xc = 0.1f; }).empty());
}

TEST(CumFlow, Checks)
{
    CumFlowInput in;
    in.a = -1;
    in.y = 5;
    EXPECT_EQ(computeCumFlowPoint(in).refusal.message, "a必须大于等于0，请重新输入！");
}

// F-R rows (x, C) recomputed independently: first, tenth and last row.
TEST(Fr, ReferenceCases)
{
    const struct {
        const char* what;
        void (*set)(FrInput&);
        std::size_t rows;
        const char* expected;
    } cases[] = {
        {"defaults: 100 rows from 10 m", [](FrInput&) {}, 100, "10 85.6270 | 100 71.8392 | 1000 50.0021"},
        {"decay K1 = 5", [](FrInput& i) { i.model = 1, i.K1 = 5; }, 100, "10 85.3796 | 100 69.7903 | 1000 37.4390"},
        {"another river",
         [](FrInput& i) { i.Qh = 50, i.Qp = 2, i.H = 2, i.u = 1, i.R = 2, i.n = 0.03f, i.eps = 1.5f, i.xmax = 5000, i.xc = 500, i.Cp = 200, i.Ch = 2; },
         10, "500 31.7926 | 5000 11.4688 | 5000 11.4688"},
    };
    for (const auto& c : cases) {
        FrInput in;
        c.set(in);
        const FrResult r = computeFr(in);
        ASSERT_EQ(r.rows.size(), c.rows) << c.what;
        const auto row = [&](std::size_t k) { return cformat("%g %s", double(r.rows[k].x), formatFixed(r.rows[k].C, 4).c_str()); };
        EXPECT_EQ(row(0) + " | " + row(9) + " | " + row(r.rows.size() - 1), c.expected) << c.what;
    }
    FrInput shortRun;
    shortRun.xmax = 5;
    EXPECT_TRUE(computeFr(shortRun).rows.empty());
    shortRun.xmax = -3e38f;  // −3e37 rows: none, and no undefined conversion
    shortRun.xc = 10;
    EXPECT_TRUE(computeFr(shortRun).rows.empty());
}

TEST(Fr, RefusesWhatLeavesTheFormulaUndefined)
{
    testing::expectRefusals<FrInput>({
        {[](FrInput& i) { i.H = -1; }, "平均水深H不能为负数，请重新输入！", "H"},
        {[](FrInput& i) { i.Qh = -1; }, "河水流量Qh不能为负数，请重新输入！", "Qh"},
        {[](FrInput& i) { i.n = -0.01f; }, "河床糙率n不能为负数，请重新输入！", "n"},
        {[](FrInput& i) { i.eps = -1; }, "排放口系数ε不能为负数，请重新输入！", "eps"},
        {[](FrInput& i) { i.model = 1, i.K1 = -1; }, "降解系数K1不能为负数，请重新输入！", "K1"},
        {[](FrInput& i) { i.Qp = 0; }, "废水排放量Qp必须大于0，请重新输入！", "Qp"},
        {[](FrInput& i) { i.u = 0; }, "河水流速u必须大于0，请重新输入！", "u"},
        {[](FrInput& i) { i.R = 0; }, "水力半径R必须大于0，请重新输入！", "R"},
        {[](FrInput& i) { i.xc = 0; }, "距离间隔xc必须大于0，请重新输入！", "xc"},
    }, &computeFr);
    FrInput noDecay;
    noDecay.K1 = -1;  // not used without decay
    EXPECT_FALSE(computeFr(noDecay).refusal.refused());
    FrInput still;
    still.H = 0, still.n = 0, still.Qh = 0, still.eps = 0;
    EXPECT_FALSE(computeFr(still).refusal.refused());
}

TEST(MixingGrid, CellsAreCountedFromTheRealRowsAndColumns)
{
    // xmax = −1 gave a count of zero cells and a billion label rows (bad_alloc); the x = 0
    // column that never exists used to count too.
    const struct {
        float xmax, xc, ymin, ymax, yc;
        int columns, rows;  // 0, 0: refused
        const char* message;
    } cases[] = {
        {500, 20, 0, 50, 10, 25, 6, ""},
        {500, 30, 0, 50, 10, 16, 6, ""},
        {2000, 1, 0, 1999, 1, 2000, 2000, ""},   // exactly 4 000 000 cells
        {4'000'000, 1, 0, 0, 1, 4'000'000, 1, ""},
        {2000, 1, 0, 2000, 1, 0, 0, "网格点数过多（超过400万），请增大距离间隔后重新输入！"},  // 4 002 000
        {-1, 20, 0, 1e9f, 1, 0, 0, "离排放口流线最远距离xmax必须大于等于距离间隔xc，请重新输入！"},
        {10, 20, 0, 50, 10, 0, 0, "离排放口流线最远距离xmax必须大于等于距离间隔xc，请重新输入！"},
        {3e38f, 1e-38f, 0, 50, 10, 0, 0, "网格点数过多（超过400万），请增大距离间隔后重新输入！"},
        {500, 20, 0, 3e38f, 1e-38f, 0, 0, "网格点数过多（超过400万），请增大距离间隔后重新输入！"},
        {500, 0, 0, 50, 10, 0, 0, "距离间隔xc必须大于0，请重新输入！"},
        {500, 20, 0, 50, -1, 0, 0, "距离间隔yc必须大于0，请重新输入！"},
    };
    for (const auto& c : cases) {
        GridShape shape;
        const Refusal r = mixingGridShape(c.xmax, c.xc, c.ymin, c.ymax, c.yc, shape);
        EXPECT_EQ(r.message, c.message) << c.xmax << " " << c.ymax;
        if (!r.refused()) EXPECT_EQ(shape.columns * 10'000'000LL + shape.rows, c.columns * 10'000'000LL + c.rows) << c.xmax;
    }
    // The computations take the same route.
    CumFlowInput cum;
    cum.xmax = -1;
    cum.ymax = 1e9f;
    cum.yc = 1;
    EXPECT_EQ(computeCumFlowGrid(cum).refusal.focusKey, "xmax");
    Mixing2dInput mix;
    mix.xmax = -1;
    mix.B = 1e9f;
    mix.ymax = 1e9f;
    mix.yc = 1;
    EXPECT_EQ(computeMixing2dGrid(mix).refusal.focusKey, "xmax");
}

TEST(Mixing2d, ConcentrationsBeyondSinglePrecisionAreRefused)
{
    // H = 1e-38 or Qp = 1e38 overflow the field's float (used to print inf).
    for (void (*set)(Mixing2dInput&) : {+[](Mixing2dInput& i) { i.H = 1e-38f; }, +[](Mixing2dInput& i) { i.Qp = 1e38f; }}) {
        Mixing2dInput in;
        set(in);
        EXPECT_EQ(computeMixing2dPoint(in).refusal.message, "预测点污染物浓度C超出数值范围，请重新输入！");
        EXPECT_EQ(computeMixing2dGrid(in).refusal.message, "预测点污染物浓度C超出数值范围，请重新输入！");
    }
    CumFlowInput cum;
    cum.Qp = 1e38f;
    EXPECT_EQ(computeCumFlowPoint(cum).refusal.message, "预测点污染物浓度C超出数值范围，请重新输入！");
    EXPECT_TRUE(computeCumFlowGrid(cum).refusal.refused());
    // A negative decay coefficient: refused with the decay model only.
    Mixing2dInput decay;
    decay.model = 1;
    decay.K1 = -1;
    EXPECT_EQ(computeMixing2dPoint(decay).refusal.focusKey, "K1");
    EXPECT_EQ(computeMixing2dGrid(decay).refusal.focusKey, "K1");
    CumFlowInput cumDecay;
    cumDecay.model = 1;
    cumDecay.K1 = -1;
    EXPECT_EQ(computeCumFlowPoint(cumDecay).refusal.message, "降解系数K1不能为负数，请重新输入！");
    EXPECT_EQ(computeCumFlowGrid(cumDecay).refusal.focusKey, "K1");
    decay.model = 0;
    EXPECT_FALSE(computeMixing2dPoint(decay).refusal.refused());
}

TEST(Fr, RowCapIsTheCommonOne)
{
    FrInput in;
    in.xc = 0.005f;  // 200 000 rows over 1000 m
    EXPECT_TRUE(computeFr(in).refusal.refused());
    in.xc = 1;
    in.xmax = 100'000;
    EXPECT_EQ(computeFr(in).rows.size(), 100'000u);
}

}  // namespace
}  // namespace qelvo::water
