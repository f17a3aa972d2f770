// Rainstorm intensity: the formula table, its parser and layout, and the runoff.
#include "water/rainstorm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "common/number_format.h"

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

// q ("%g" of the single-precision value) recomputed independently with Python's math module
// from the handbook's formulas.
TEST(Rainstorm, ReferenceCases)
{
    const struct {
        int province;
        const char* city;
        float P, t;
        const char* q;
    } cases[] = {
        {0, "", 2, 15, "285.741"},        // 温州: 910(1 + 0.61·lg 2)/15^0.49
        {0, "宁波", 2, 15, "275.978"},    // i-kind, times 10000/60
        {0, "2", 2, 15, "275.978"},       // the same city by its index
        {2, "", 5, 15, "347.601"},        // 上海: the exponent 0.82 + 0.07·lg P depends on P
        {25, "东兴", 5, 15, "185.024"},   // (lg P)² and P^(−0.159) in the denominator
        {6, "郑州", 3, 20, "218.538"},    // lg(P + 0.143)
        {6, "安阳", 3, 20, "259.545"},    // P^0.4 in the numerator
        {25, "南宁", 3, 20, "318.794"},   // t + 21.1·P^0.119, no outer exponent
        {25, "柳州", 3, 20, "285.668"},   // P in numerator and denominator
        {4, "", 3, 20, "256.334"},        // 重庆: t + 12.8·P^0.076
    };
    for (const auto& c : cases) {
        RainstormInput in;
        in.province = c.province;
        in.city = c.city;
        in.P = c.P;
        in.t = c.t;
        const RainstormResult r = computeRainstorm(in);
        ASSERT_FALSE(r.refusal.refused()) << c.city;
        EXPECT_EQ(cformat("%g", double(r.q)), c.q) << c.province << " " << c.city;
    }
    RainstormInput wenzhou;
    // Q = 0.9·10000 m² = 0.9 ha times q: 0.9·285.741 = 257.167 L/s = 925.8 m³/h.
    EXPECT_EQ(rainstormText(computeRainstorm(wenzhou)), "暴雨强度q=285.741升/秒·公顷\n雨水流量Q=257.167升/秒，即925.8立方米/小时");
    RainstormInput beijing;
    beijing.province = 1;
    beijing.city = "北京市";
    EXPECT_TRUE(computeRainstorm(beijing).refusal.refused());
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

// The laid-out display of formulas the handbook's texts do not override. Columns: CJK and "─"
// count two, so a bar of b characters spans 2b columns; b = (wider of numerator and
// denominator + exponent)/2 + 2, each line centred on the bar after the 5 columns of "q =  ".
//   北京: numerator "2001×(1+0.811lgP)" 17 columns, "(t+8)" + "0.711" 10: b = 8 + 2 = 10;
//     numerator at 5 + (20 − 17)/2 = 6, denominator at 5 + (20 − 10)/2 = 10, exponent at 10 + 5.
//   水城: "(42.25+62.6lgP)" 15, "(t+35)" 6 and no exponent: b = 7 + 2 = 9; 5 + 1 = 6 and 5 + 6 = 11.
//   南宁: "10500×(1+0.707lgP)" 18, "t+21.1P" 7 + "0.119" 5: b = 9 + 2 = 11; 5 + 2 = 7, 5 + 5 = 10, 10 + 7.
//   上海: "5544×(P^0.3-0.42)" 17, "(t+10+7lgP)" 11 + "0.82+0.07lgP" 12 (the exponent's brackets
//     dropped): b = 11 + 2 = 13; 5 + (26 − 17)/2 = 9, 5 + (26 − 23)/2 = 6, 6 + 11.
TEST(Rainstorm, LaidOutDisplays)
{
    const std::pair<const char*, std::string> cases[] = {
        {"q = 2001(1 + 0.811·lgP)/(t + 8)^0.711",
         std::string(6, ' ') + "2001×(1+0.811lgP)\nq =  ──────────  [升/秒·公顷]\n" + std::string(15, ' ') + "0.711\n" +
             std::string(10, ' ') + "(t+8)"},
        {"i = (42.25 + 62.6·lgP)/(t + 35)",
         std::string(6, ' ') + "(42.25+62.6lgP)\ni =  ─────────  [毫米/分钟]\n" + std::string(11, ' ') + "(t+35)"},
        {"q = 10500(1 + 0.707·lgP)/(t + 21.1·P^0.119)",
         std::string(7, ' ') + "10500×(1+0.707lgP)\nq =  ───────────  [升/秒·公顷]\n" + std::string(17, ' ') + "0.119\n" +
             std::string(10, ' ') + "t+21.1P"},
        {"q = 5544(P^0.3 − 0.42)/(t + 10 + 7·lgP)^(0.82 + 0.07·lgP)",
         std::string(9, ' ') + "5544×(P^0.3-0.42)\nq =  ─────────────  [升/秒·公顷]\n" + std::string(17, ' ') +
             "0.82+0.07lgP\n" + std::string(6, ' ') + "(t+10+7lgP)"},
    };
    for (const auto& [formula, text] : cases) EXPECT_EQ(RainFormula(formula).display(), text) << formula;
}

}  // namespace
}  // namespace qelvo::water
