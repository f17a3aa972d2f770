// Rainstorm intensity: the formula table, its parser and layout, and the runoff.
#include "water/rainstorm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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
    // q = 910·(1 + 0.61·lg 2)/15^0.49 = 285.741; Q = 0.9·10000 m^2·q/10^4 = 257.167 L/s = 925.8 m^3/h.
    EXPECT_EQ(rainstormText(wenzhou), "暴雨强度q=285.741升/秒·公顷\n雨水流量Q=257.167升/秒，即925.8立方米/小时");
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

TEST(Rainstorm, DurationMustBePositiveAReturnPeriodIsShownAsItComes)
{
    RainstormInput in;
    in.t = 0;  // used to print inf
    EXPECT_EQ(computeRainstorm(in).refusal.message, "降雨历时t必须大于0，请重新输入！");
    EXPECT_EQ(computeRainstorm(in).refusal.focusKey, "t");
    // lg P of P = 0: the handbook's formula has no value and the page shows it as it comes.
    in = {};
    in.P = 0;
    const auto e = evaluate(rainstormCalculator(), in);
    ASSERT_FALSE(e.refusal.refused());
    EXPECT_EQ(e.report.text, "暴雨强度q=-inf升/秒·公顷\n雨水流量Q=-inf升/秒，即-inf立方米/小时");
    // Overflow of an otherwise finite q is no such case: refused.
    in = {};
    in.S = 3e38f;
    in.psi = 3e38f;
    EXPECT_EQ(evaluate(rainstormCalculator(), in).refusal.message, kNotFinite);
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
