#include "air/sanitary_distance.h"

#include <gtest/gtest.h>

#include "hostile_inputs.h"

namespace qelvo::air {
namespace {

SanitaryInput distanceInput(double S, double u, const char* Cm, double Qc, int stack = 1, int toxicity = 1, int share = 0)
{
    SanitaryInput in;
    in.S = S;
    in.u = u;
    in.Cm = Cm;
    in.Qc = Qc;
    in.stack = stack;
    in.toxicity = toxicity;
    in.share = share;
    return in;
}

// Distances from an independent /usr/bin/python3 bisection of the guideline's formula with
// its coefficient table (the same stopping rules, coefficients rounded to float).
TEST(SanitaryDistance, DistanceFromEmission)
{
    struct Case {
        const char* name;
        SanitaryInput in;
        double L, Lsel;
        int graded;
    } cases[] = {
        {"III, u = 2.2", distanceInput(1000, 2.2, "2.4", 0.5), 12.009867127957818, 0, 50},
        {"III, 100 < L", distanceInput(1000, 2.2, "2.40", 5), 108.57485120517651, 0, 200},
        {"III", distanceInput(1000, 2.2, "2.4", 150), 855.9460071510472, 0, 900},
        {"re-solved in 1000–2000", distanceInput(1000, 2.2, "2.4", 400), 1515.8717707789292, 1495.9118071626422, 1600},
        {"re-solved beyond 2000", distanceInput(1000, 2.2, "2.4", 1500), 3338.3235870561375, 3166.6690207276106, 3400},
        {"beyond 2000, far", distanceInput(1000, 2.2, "2.4", 3000), 5088.787115786814, 4690.7069569662235, 5200},
        {"u < 2", distanceInput(500, 1.5, "0.3", 0.2), 81.54802724611443, 0, 100},
        {"u < 2, beyond 2000", distanceInput(1000, 1.5, "2.4", 400), 2739.055998248361, 2601.9336944182924, 2800},
        {"u > 4, category I", distanceInput(2000, 5, "0.6", 1, 0, 1, 0), 110.84686911907227, 0, 200},
        {"2 ≤ u ≤ 4, category II with a stack", distanceInput(0, 3, "0.05", 0.1, 0, 0, 1), 144.47200679434502, 0, 200},
    };
    for (const auto& c : cases) {
        const SanitaryResult r = computeSanitary(c.in);
        ASSERT_FALSE(r.refusal.refused()) << c.name;
        EXPECT_NEAR(r.L, c.L, 1e-9) << c.name;
        EXPECT_NEAR(r.Lsel, c.Lsel, 1e-9) << c.name;
        EXPECT_EQ(r.graded, c.graded) << c.name;
    }
    // The page keeps Lsel: a later, smaller emission is solved first with that range.
    SanitaryInput again = distanceInput(1000, 2.2, "2.4", 0.5);
    again.Lsel = 1500;
    const SanitaryResult r = computeSanitary(again);
    EXPECT_NEAR(r.L, 11.93911004769177, 1e-9);
    EXPECT_EQ(r.Lsel, 1500);
}

TEST(SanitaryDistance, EmissionFromDistance)
{
    // Every row of the coefficient table: wind 1.5, 3, 5 m/s × distance range × category,
    // S = 1000 m^2, Cm = 2.4 mg/m^3.
    struct Case {
        double u, L;
        int category;
        double Qc;
    } cases[] = {{1.5, 500, 3, 24.933219858408},   {1.5, 1500, 3, 154.352925218106}, {1.5, 2500, 3, 350.025692202168},
                 {3, 500, 1, 29.3838305302361},    {3, 500, 2, 43.7631518535431},    {3, 500, 3, 58.7676610604722},
                 {3, 1500, 1, 196.410963297591},   {3, 1500, 2, 292.526966613433},   {3, 1500, 3, 392.821926595182},
                 {3, 2500, 1, 466.287781911276},   {3, 2500, 2, 708.757428505139},   {3, 2500, 3, 932.575563822551},
                 {5, 500, 1, 38.8088327757835},    {5, 500, 2, 58.7676610604722},    {5, 500, 3, 79.1103129660202},
                 {5, 1500, 1, 259.410706242101},   {5, 1500, 2, 392.821926595182},   {5, 1500, 3, 528.798747339668},
                 {5, 2500, 1, 610.997783194086},   {5, 2500, 2, 932.575563822551},   {5, 2500, 3, 1265.63826518775}};
    for (const auto& c : cases) {
        SanitaryInput in = distanceInput(1000, c.u, "2.4", 0, c.category == 3 ? 1 : 0, 1, c.category - 1);
        in.action = 1;
        in.L = c.L;
        in.graded = 7;  // left as the page shows it
        const SanitaryResult r = computeSanitary(in);
        EXPECT_NEAR(r.Qc, c.Qc, 1e-9 * c.Qc) << c.u << " " << c.L << " " << c.category;
        EXPECT_EQ(r.Lsel, c.L);
        EXPECT_EQ(r.graded, 7);
    }
}

TEST(SanitaryDistance, CoefficientsAndGrading)
{
    const SanitaryCoefficients k = sanitaryCoefficients(0, 2.2, sanitaryCategory(1, 1, 0));
    EXPECT_EQ(k.A, 350);
    EXPECT_FLOAT_EQ(k.B, 0.021f);
    EXPECT_FLOAT_EQ(k.C, 1.85f);
    EXPECT_FLOAT_EQ(k.D, 0.84f);
    // The interval's ends come back exactly where the formula meets them.
    EXPECT_EQ(solveSanitaryDistance(k, 0, 1000), 0);
    EXPECT_EQ(solveSanitaryDistance(k, sanitaryRatio(k, 1000, kSanitaryLongest), 1000), kSanitaryLongest);
    EXPECT_EQ(sanitaryCategory(0, 1, 0), 1);
    EXPECT_EQ(sanitaryCategory(0, 0, 1), 2);
    EXPECT_EQ(sanitaryCategory(1, 0, 0), 2);
    EXPECT_EQ(sanitaryCoefficients(1000, 4, 1).A, 700);  // both ends belong to the nearer range
    EXPECT_EQ(sanitaryCoefficients(2000, 4.01, 3).A, 260);
    EXPECT_EQ(sanitaryCoefficients(2000.01, 4.01, 3).A, 140);
    EXPECT_EQ(sanitaryCoefficients(2000.01, 1.99, 3).A, 80);

    const std::pair<double, int> grades[] = {{0, 50},       {30, 50},       {50, 50},       {50.1, 100},
                                             {100, 100},    {150, 200},     {200, 300},     {1000, 1100},
                                             {1000.5, 1000}, {1200, 1200},  {1250.4, 1400}, {1999.9, 2000},
                                             {3000.7, 3000}, {3600.2, 3600}, {3800.5, 3800}, {3801, 4000}, {19999, 20000}};
    for (const auto& [L, graded] : grades) EXPECT_EQ(gradedDistance(L), graded) << L;

    SanitaryInput in;
    in.toxicity = 1;
    in.share = 1;
    EXPECT_TRUE(sanitaryFieldShown(in, "toxicity"));  // no stack
    EXPECT_FALSE(sanitaryFieldShown(in, "share"));
    applyStackChoice(in, 0);
    EXPECT_EQ(in.stack, 0);
    EXPECT_EQ(in.toxicity, 0);
    EXPECT_EQ(in.share, 0);
    EXPECT_FALSE(sanitaryFieldShown(in, "toxicity"));
    EXPECT_TRUE(sanitaryFieldShown(in, "share"));
    EXPECT_TRUE(sanitaryFieldShown(in, "Qc"));
}

TEST(SanitaryDistance, Refusals)
{
    struct Case {
        SanitaryInput in;
        const char* message;
        const char* key;
    } cases[] = {
        {distanceInput(0, 2.2, "abc", 1), "环境标准浓度限值必须是大于0的数，请重新输入！", "Cm"},
        {distanceInput(0, 2.2, "0", 1), "环境标准浓度限值必须是大于0的数，请重新输入！", "Cm"},
        {distanceInput(-1, 2.2, "2.4", 1), "无组织排放源面积不能小于0，请重新输入！", "S"},
        {distanceInput(0, -1, "2.4", 1), "近五年平均风速不能小于0，请重新输入！", "u"},
        {distanceInput(0, 2.2, "2.4", -1), "无组织排放量不能小于0，请重新输入！", "Qc"},
        {distanceInput(1000, 2.2, "2.4", 30000), "无组织排放量过大，卫生防护距离超过20000m，请重新输入！", "Qc"},
    };
    for (const auto& c : cases) {
        const Refusal r = computeSanitary(c.in).refusal;
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.focusKey, c.key);
    }
    SanitaryInput back;
    back.action = 1;
    back.L = -1;
    EXPECT_EQ(computeSanitary(back).refusal.focusKey, "L");
    testing::expectResultOrRefusal(sanitaryCalculator());
    SanitaryInput emission;
    emission.action = 1;
    testing::expectResultOrRefusal(sanitaryCalculator(), emission);
}

TEST(SanitaryDistance, CommandLineBothActions)
{
    const Calculator calc = eraseTypes(sanitaryCalculator());
    RunOutcome out = calc.run({{"S", "1000"}, {"Qc", "400"}});
    ASSERT_EQ(out.status, RunOutcome::Status::Ok);
    EXPECT_EQ(out.report.fields[1].second, "1515.87177077893");
    EXPECT_EQ(out.report.fields[2].second, "1600");
    out = calc.run({{"S", "1000"}, {"L", "500"}, {"u", "3"}, {"action", "计算无组织排放量结果"}});
    EXPECT_EQ(out.report.fields[0].second, "58.7676610604722");
}

}  // namespace
}  // namespace qelvo::air
