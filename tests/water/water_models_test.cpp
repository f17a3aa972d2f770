#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"
#include "water/sewage.h"
#include "water/sp_model.h"

namespace qelvo::water {
namespace {

TEST(Sewage, WorkforceOf100With20LivingOnSite)
{
    SewageInput in;
    in.N = 100;
    in.Nr = 20;
    const SewageResult r = computeSewage(in);
    ASSERT_FALSE(r.refusal.refused());
    // (80·50 + 100·20)·80·10⁻⁵: 6000 L/d of water, 80 % discharged.
    EXPECT_FLOAT_EQ(r.Qd, 4.8f);
    EXPECT_FLOAT_EQ(r.Qy, 1440.0f);
    EXPECT_FLOAT_EQ(r.Wy, 1800.0f);
    EXPECT_FLOAT_EQ(r.Ecod, 0.72f);
    EXPECT_FLOAT_EQ(r.Rcod, 0.576f);
    EXPECT_FLOAT_EQ(r.Rnh, 0.0288f);
    EXPECT_FLOAT_EQ(r.Gd, 60.0f);
    EXPECT_FLOAT_EQ(r.Gy, 18.0f);
}

TEST(Sewage, Checks)
{
    SewageInput in;
    in.N = 10;
    in.Nr = 10;  // everyone on site is fine
    EXPECT_FALSE(computeSewage(in).refusal.refused());
    in.Nr = 11;
    const Refusal r = computeSewage(in).refusal;
    EXPECT_EQ(r.message, "逻辑常识错误，请重新输入");
    EXPECT_EQ(r.caption, "错误");
    EXPECT_EQ(r.focusKey, "Nr");
    in.Nr = 0;
    in.NHs = -1;
    EXPECT_EQ(computeSewage(in).refusal.message, "不能是负数，请重新输入");
    EXPECT_EQ(computeSewage(in).refusal.focusKey, "N");
}

TEST(SpModel, DefaultsGiveThirtyRows)
{
    const SpResult r = computeSp({});
    ASSERT_FALSE(r.refusal.refused());
    EXPECT_FLOAT_EQ(r.C0, (100.0f * 2 + 0.5f * 20) / 22);
    EXPECT_FLOAT_EQ(r.D0, (4.1f * 2 + 1.4f * 20) / 22);
    ASSERT_EQ(r.rows.size(), 30u);
    EXPECT_EQ(r.rows.front().x, 100.0f);
    EXPECT_EQ(r.rows.back().x, 3000.0f);
    const double tau = 3000 / 86400.0;
    EXPECT_NEAR(r.rows.back().C, r.C0 * std::exp(-tau), 1e-5);
    EXPECT_NEAR(r.rows.back().D,
                1.0 * r.C0 * (std::exp(-tau) - std::exp(-1.5 * tau)) / 0.5 + r.D0 * std::exp(-1.5 * tau), 1e-5);
}

TEST(SpModel, MixedOnlyAndRefusals)
{
    SpInput in;
    in.onlyMixed = 1;
    in.u = 0;  // not used in this mode
    const SpResult mixed = computeSp(in);
    EXPECT_FALSE(mixed.refusal.refused());
    EXPECT_TRUE(mixed.rows.empty());

    in = {};
    in.lmax = 50;  // shorter than one step: no rows
    EXPECT_TRUE(computeSp(in).rows.empty());
    const std::pair<const char*, float SpInput::*> cases[] = {
        {"u", &SpInput::u}, {"l", &SpInput::l}, {"K2", &SpInput::K2}};
    for (const auto& [key, member] : cases) {
        in = {};
        in.*member = member == &SpInput::K2 ? 1.0f : 0.0f;
        EXPECT_EQ(computeSp(in).refusal.focusKey, key);
    }
    in = {};
    in.l = 0.001f;  // three million rows
    EXPECT_TRUE(computeSp(in).refusal.refused());
}

}  // namespace
}  // namespace qelvo::water

#include "water/river_ph.h"
#include "water/water_temperature.h"

namespace qelvo::water {
namespace {

TEST(RiverPh, Ka1Interpolation)
{
    EXPECT_DOUBLE_EQ(carbonicKa1(20), 4.15 * 0.1);
    EXPECT_DOUBLE_EQ(carbonicKa1(22.5), ((25 - 22.5) * 4.15 + 2.5 * 4.45) * 0.02);
    EXPECT_DOUBLE_EQ(carbonicKa1(0), 2.65 * 0.1);
    EXPECT_DOUBLE_EQ(carbonicKa1(5), 3.04 * 0.1);   // upper end of the first interval
    EXPECT_DOUBLE_EQ(carbonicKa1(30), 4.71 * 0.1);
    EXPECT_DOUBLE_EQ(carbonicKa1(35), ((35 - 30) * 5.06 + 5 * 4.71) * 0.01);
    EXPECT_DOUBLE_EQ(carbonicKa1(40), 5.06 * 0.1);
}

TEST(RiverPh, AcidAlkaliAndRefusals)
{
    PhInput in;
    PhResult r = computePh(in);
    const double M = 10.5 * 1;
    EXPECT_NEAR(r.pH, 7 + std::log((M - 5) / (10 * r.Ka1 * 7 * 5 + M)), 1e-5);
    EXPECT_NE(makeReport(phCalculator(), r).text.find("污染物为酸性物质\n碳酸一级平衡常数 Ka1 =0.415\n"), std::string::npos);
    in.kind = 1;
    in.Cw = 0.5f;
    r = computePh(in);
    EXPECT_NEAR(r.pH, 7 + std::log((M + 0.25) / (M - 10 * r.Ka1 * 7 * 0.25)), 1e-5);
    EXPECT_NE(makeReport(phCalculator(), r).text.find("污染物为碱性物质"), std::string::npos);
    for (float T : {-0.1f, 40.5f}) {
        in.T = T;
        EXPECT_EQ(computePh(in).refusal.focusKey, "T");
    }
}

TEST(WaterTemperature, DefaultsFallFromTheMixedTowardsTheEquilibrium)
{
    const TemperatureResult r = computeTemperature({});
    ASSERT_EQ(r.rows.size(), 40u);
    EXPECT_EQ(r.rows.front().x, 50.0f);
    EXPECT_EQ(r.rows.back().x, 2000.0f);
    EXPECT_DOUBLE_EQ(r.T0, 90.0 / 11 + 10);
    const double dT = 13.5;
    EXPECT_DOUBLE_EQ(r.K, 15.7 + (0.515 - 0.00425 * dT + 5.1e-5 * dT * dT) * 70.7);
    EXPECT_LT(r.rows.front().T, r.T0);
    for (std::size_t i = 1; i < r.rows.size(); ++i) EXPECT_LT(r.rows[i].T, r.rows[i - 1].T);
    EXPECT_GT(r.rows.back().T, r.Te);
    TemperatureInput bad;
    bad.xc = 0;
    EXPECT_EQ(computeTemperature(bad).refusal.focusKey, "xc");
}

}  // namespace
}  // namespace qelvo::water

#include "water/river_mixing.h"

namespace qelvo::water {
namespace {

constexpr double kPi = 3.14159;

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

}  // namespace
}  // namespace qelvo::water

#include "water/rainstorm.h"

namespace qelvo::water {
namespace {

TEST(Rainstorm, TableOf29ProvincesAnd186Formulas)
{
    EXPECT_EQ(rainstormTable().size(), 186u);
    ASSERT_EQ(rainstormProvinces().size(), 29u);
    EXPECT_EQ(rainstormProvinces()[0], "浙江");
    EXPECT_EQ(rainstormProvinces()[28], "青海");
    EXPECT_EQ(rainstormCities(0).size(), 4u);
    EXPECT_EQ(rainstormCities(1).size(), 1u);  // 北京: one formula, no city name
    // Every formula parses, evaluates and lays out.
    for (const auto& e : rainstormTable()) {
        const RainFormula f(e.formula);
        EXPECT_TRUE(std::isfinite(f.q(2, 15))) << e.city;
        EXPECT_GT(f.q(2, 15), 0) << e.city;
        const std::string text = rainstormDisplay(e);
        EXPECT_GE(std::count(text.begin(), text.end(), '\n'), 2) << e.city;
    }
}

TEST(Rainstorm, ReferenceCases)
{
    const auto q = [](int province, const char* city, double P, double t) {
        RainstormInput in;
        in.province = province;
        in.city = city;
        in.P = float(P);
        in.t = float(t);
        return computeRainstorm(in);
    };
    const RainstormResult wenzhou = q(0, "", 2, 15);
    EXPECT_FLOAT_EQ(wenzhou.q, float(910 * (1 + 0.61 * std::log10(2.0)) / std::pow(15.0, 0.49)));
    EXPECT_FLOAT_EQ(wenzhou.Q, 0.9f * 10000 * wenzhou.q * 0.0001f);
    EXPECT_EQ(rainstormText(wenzhou), cformat("暴雨强度q=%g升/秒·公顷\n雨水流量Q=%g升/秒，即%g立方米/小时", double(wenzhou.q),
                                    double(wenzhou.Q), double(wenzhou.Q * 3.6f)));
    // i-kind: mm/min times 10000/60.
    EXPECT_FLOAT_EQ(q(0, "宁波", 2, 15).q,
                    float((18.105 + 13.9 * std::log10(2.0)) / std::pow(15 + 13.265, 0.778) * 166.66666666666666));
    EXPECT_FLOAT_EQ(q(0, "2", 2, 15).q, q(0, "宁波", 2, 15).q);  // a city by its index
    // 上海: the exponent depends on P.
    const double lg5 = std::log10(5.0);
    EXPECT_FLOAT_EQ(q(2, "", 5, 15).q,
                    float(5544 * (std::pow(5.0, 0.3) - 0.42) / std::pow(15 + 10 + 7 * lg5, 0.82 + 0.07 * lg5)));
    // 东兴: the logarithm squared, P with a negative exponent in the denominator.
    EXPECT_FLOAT_EQ(q(25, "东兴", 5, 15).q,
                    float(1217 * (1 + 0.0685 * lg5 * lg5) / (0.439 * (15 + 5) * std::pow(5.0, -0.159))));
    EXPECT_TRUE(q(1, "北京市", 2, 15).refusal.refused());
}

TEST(Rainstorm, DisplayTexts)
{
    const auto& table = rainstormTable();
    EXPECT_EQ(rainstormDisplay(table[0]),
              "      910×(1+0.61lgP)\nq =  ──────────  [升/秒·公顷]\n             0.49\n           t");
    EXPECT_EQ(rainstormDisplay(table[0], false), "      910×(1+0.61lgP)\nq =  ──────────\n             0.49\n           t");
    EXPECT_EQ(rainstormDisplay(table[2]),
              "        (18.105+13.9lgTe)\ni =  ───────────  [毫米/分钟]\n                  0.778\n        (t+13.265)");
    const auto textOf = [&](const std::string& city) {
        for (const auto& e : table)
            if (city == e.city) return rainstormDisplay(e);
        return std::string();
    };
    EXPECT_NE(textOf("随州").find("0.74"), std::string::npos);  // as printed; 0.7 is evaluated
    EXPECT_NE(textOf("莱阳").find("6.24lgP"), std::string::npos);
    EXPECT_NE(textOf("南宁").find("t+21.1P"), std::string::npos);  // the exponent stands on P
    EXPECT_NE(textOf("南宁").find("0.119"), std::string::npos);
    const std::string shuicheng = textOf("水城");
    EXPECT_EQ(std::count(shuicheng.begin(), shuicheng.end(), '\n'), 2);  // no exponent: three lines
}

}  // namespace
}  // namespace qelvo::water
