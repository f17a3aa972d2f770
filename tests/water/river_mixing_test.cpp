// River mixing: two-dimensional, cumulative flow and F-R.
#include "water/river_mixing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::water {
namespace {

constexpr double kPi = 3.14159;  // as the mixing formulas take it

TEST(Mixing2d, BankOutfallTwoTermsOtherwiseThree)
{
    Mixing2dInput in;  // a = 0: the bank formula
    const double G = std::exp(-0.3 * 100 / (4 * 5 * 20.0)) + std::exp(-0.3 * 90 * 90 / (4 * 5 * 20.0));
    EXPECT_NEAR(computeMixing2dPoint(in).C, 0.5 + 100 * G / (0.6 * std::sqrt(kPi * 5 * 20 * 0.3)), 1e-4);
    in.a = 5;
    const auto g = [](double s) { return std::exp(-0.3 * s * s / 400.0); };
    EXPECT_NEAR(computeMixing2dPoint(in).C,
                0.5 + 100 * (g(10) + g(20) + g(80)) / (2 * 0.6 * std::sqrt(kPi * 5 * 20 * 0.3)), 1e-4);
}

TEST(Mixing2d, DecayMultipliesTheBackgroundToo)
{
    Mixing2dInput in;
    in.Cp = 0;  // only the background is left
    in.model = 1;
    in.x = 8640;
    EXPECT_NEAR(computeMixing2dPoint(in).C, 0.5 * std::exp(-1.0 * 8640 / (86400 * 0.3)), 1e-6);
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

TEST(CumFlow, BankOutfallHasNoFactorTwo)
{
    CumFlowInput in;
    const double H = 0.5, u = 0.2, Mq = H * H * u * 5, q = H * u * 10;
    const auto F = [&](double s) { return std::exp(-s * s / (4 * Mq * 20)); };
    EXPECT_NEAR(computeCumFlowPoint(in).C, 0.1 + 100 * (F(q) + F(20 - q)) / std::sqrt(kPi * Mq * 20), 1e-4);
    in.a = 2;
    const double qa = 2 * H * u * 2;
    EXPECT_NEAR(computeCumFlowPoint(in).C,
                0.1 + 100 * (F(q) + F(qa + q) + F(20 - qa - q)) / (2 * std::sqrt(kPi * Mq * 20)), 1e-4);
    in.a = -1;
    in.y = 5;
    EXPECT_EQ(computeCumFlowPoint(in).refusal.message, "a必须大于等于0，请重新输入！");
}

TEST(Fr, HundredRowsFromTen)
{
    const FrResult r = computeFr({});
    ASSERT_EQ(r.rows.size(), 100u);
    EXPECT_EQ(r.rows.front().x, 10.0f);
    EXPECT_EQ(r.rows.back().x, 1000.0f);
    const double alpha = 0.604 * std::pow(0.5 * 0.05 * 0.2 / std::pow(100.0, 1.0 / 6), 1.0 / 3);
    const double e = std::exp(-alpha * std::pow(10.0, 1.0 / 3));
    const double eta = ((1 - e) / (10 * e + 1) * 10 + 1);
    EXPECT_NEAR(r.rows.front().C, 100 / eta + (eta - 1) * 0.1 / eta, 1e-4);
    FrInput shortRun;
    shortRun.xmax = 5;
    EXPECT_TRUE(computeFr(shortRun).rows.empty());
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
