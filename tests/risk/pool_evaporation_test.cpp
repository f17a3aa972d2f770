#include "risk/pool_evaporation.h"

#include <gtest/gtest.h>

#include "common/number_format.h"
#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

using testing::RefusalCase;
using testing::expectRefusals;
using testing::runById;

TEST(PoolEvaporation, WindowDefaultsByHand)
{
    // Flash: (298 − 85)·1000/4500·20/50 = 47.333·0.4 = 18.9333.
    EXPECT_EQ(formatSingle(computeFlash({}).Q1), "18.9333");
    // Heat: 1.1·5·18/(1000·sqrt(3.14159·1.29e-7·50)) = 99/(1000·0.0045014) = 21.993.
    EXPECT_EQ(formatSingle(computeHeat({}).Q2), "21.9928");
    // Mass, 不稳定(A,B): 3.846e-3·2000·320/(8.31451·298) = 0.99343; ·2^(1.8/2.2) = 1.7627;
    // ·5^(4.2/2.2) = 21.604: 37.83.
    EXPECT_EQ(formatSingle(computeMass({}).Q3), "37.8295");
    EXPECT_EQ(runById("risk.flash_evaporation").report.fields.at(0).second, "18.9333");
    EXPECT_EQ(runById("risk.heat_evaporation").report.fields.at(0).second, "21.9928");
    EXPECT_EQ(runById("risk.mass_evaporation").report.fields.at(0).second, "37.8295");
}

TEST(PoolEvaporation, StabilityClasses)
{
    struct Case {
        int stability;
        float n, alpha;
        const char* Q3;  // python, from the formula with float inputs
    };
    const Case cases[] = {
        {0, 0.2f, 3.846e-3f, "37.8295"},
        {1, 0.25f, 4.685e-3f, "43.3758"},
        {2, 0.3f, 5.285e-3f, "46.1788"},
    };
    for (const auto& c : cases) {
        const StabilityCoefficients k = stabilityCoefficients(c.stability);
        EXPECT_EQ(k.n, c.n);
        EXPECT_EQ(k.alpha, c.alpha);
        MassInput in;
        in.stability = c.stability;
        EXPECT_EQ(formatSingle(computeMass(in).Q3), c.Q3);
    }
    EXPECT_EQ(runById("risk.mass_evaporation", {{"stability", "稳定(E,F)"}}).report.fields.at(0).second, "46.1788");
    const MassResult calm = computeMass({.u = 0});  // no wind, no mass transfer
    EXPECT_FALSE(calm.refusal.refused());
    EXPECT_EQ(calm.Q3, 0.0f);
}

TEST(PoolEvaporation, Total)
{
    PoolEvaporationInput in;
    EXPECT_EQ(computePoolEvaporation(in).Wp, 0.0f);
    in.Q3 = computeMass({}).Q3;
    in.t3 = 100;
    EXPECT_EQ(formatSingle(computePoolEvaporation(in).Wp), "3782.95");  // Q3·t3 alone
    in.Q1 = computeFlash({}).Q1;
    in.t1 = 50;
    in.Q2 = computeHeat({}).Q2;
    in.t2 = 50;
    // 18.9333·50 + 21.9928·50 + 37.8295·100 = 946.67 + 1099.64 + 3782.95
    EXPECT_EQ(formatSingle(computePoolEvaporation(in).Wp), "5829.26");
    EXPECT_EQ(runById("risk.pool_evaporation", {{"Q1", "2"}, {"t1", "3"}, {"Q2", "5"}, {"t2", "7"}, {"Q3", "11"}, {"t3", "13"}})
                  .report.fields.at(0)
                  .second,
              "184");  // 6 + 35 + 143
}

TEST(PoolEvaporation, Refusals)
{
    // The flash window checks H first, then t1, with its own texts and no caption.
    FlashInput both;
    both.H = 0;
    both.t1 = 0;
    Refusal r = computeFlash(both).refusal;
    EXPECT_EQ(r.message, "液体气化热要大于0");
    EXPECT_EQ(r.focusKey, "H");
    EXPECT_EQ(r.caption, "");
    r = computeFlash({.t1 = 0}).refusal;
    EXPECT_EQ(r.message, "闪蒸蒸发时间要大于0");
    EXPECT_EQ(r.focusKey, "t1");
    EXPECT_FALSE(computeFlash({.t1 = 0.5f, .H = 0.5f}).refusal.refused());

    // Each with an input refused and a nearby one accepted.
    const RefusalCase<HeatInput> heat[] = {
        {{.t = 0}, {.t = 0.5f}, "蒸发时间t必须大于0，请重新输入！", "t"},
        {{.alpha = 0}, {.alpha = 0.5f}, "表面热扩散系数α必须大于0，请重新输入！", "alpha"},
        {{.H = 0}, {.H = 0.5f}, "液体汽化热H必须大于0，请重新输入！", "H"},
    };
    expectRefusals(heat, computeHeat);
    const RefusalCase<MassInput> mass[] = {
        {{.r = -1}, {.r = 0}, "液池半径r不能为负数，请重新输入！", "r"},
        {{.T0 = 0}, {.T0 = 0.5f}, "环境温度T0必须大于0，请重新输入！", "T0"},
        {{.u = -1}, {.u = 0}, "风速u不能为负数，请重新输入！", "u"},
    };
    expectRefusals(mass, computeMass);
    testing::expectSurvivesHostileInputs(flashEvaporationCalculator());
    testing::expectSurvivesHostileInputs(heatEvaporationCalculator());
    testing::expectSurvivesHostileInputs(massEvaporationCalculator());
    testing::expectSurvivesHostileInputs(poolEvaporationCalculator());
}

}  // namespace
}  // namespace qelvo::risk
