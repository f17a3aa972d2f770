#include "risk/pool_evaporation.h"

#include <gtest/gtest.h>

#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

using testing::RefusalCase;

TEST(PoolEvaporation, WindowsAndTotal)
{
    struct Case {
        const char* id;
        Assignments in;
        const char* result;
    };
    const Case cases[] = {
        // (298 − 85)·1000/4500·20/50 = 47.333·0.4
        {"risk.flash_evaporation", {}, "18.9333"},
        // 1.1·5·18/(1000·sqrt(3.14159·1.29e-7·50)) = 99/(1000·0.0045014)
        {"risk.heat_evaporation", {}, "21.9928"},
        // 不稳定(A,B), n = 0.2: 3.846e-3·2000·320/(8.31451·298) = 0.99343; ·2^(1.8/2.2) = 1.7627;
        // ·5^(4.2/2.2) = 21.604. The other classes from python with float inputs.
        {"risk.mass_evaporation", {}, "37.8295"},
        {"risk.mass_evaporation", {{"stability", "中性(D)"}}, "43.3758"},
        {"risk.mass_evaporation", {{"stability", "稳定(E,F)"}}, "46.1788"},
        {"risk.mass_evaporation", {{"u", "0"}}, "0"},  // no wind, no mass transfer
        // 2·3 + 5·7 + 11·13 = 6 + 35 + 143
        {"risk.pool_evaporation", {{"Q1", "2"}, {"t1", "3"}, {"Q2", "5"}, {"t2", "7"}, {"Q3", "11"}, {"t3", "13"}}, "184"},
        {"risk.pool_evaporation", {{"Q3", "37.8295"}, {"t3", "100"}}, "3782.95"},  // only t3: Q3·t3
    };
    for (const auto& c : cases) {
        const RunOutcome run = testing::runById(c.id, c.in);
        ASSERT_EQ(run.status, RunOutcome::Status::Ok) << c.id << " " << c.result;
        EXPECT_EQ(run.report.fields.at(0).second, c.result) << c.id;
    }
    EXPECT_EQ(stabilityCoefficients(1).n, 0.25f);
    EXPECT_EQ(stabilityCoefficients(2).alpha, 5.285e-3f);
}

TEST(PoolEvaporation, Refusals)
{
    // The flash window's own texts, H first, then t1.
    const RefusalCase<FlashInput> flash[] = {
        {{.t1 = 0, .H = 0}, {.t1 = 0.5f, .H = 0.5f}, "液体气化热要大于0", "H"},
        {{.t1 = 0}, {.t1 = 0.5f}, "闪蒸蒸发时间要大于0", "t1"},
    };
    testing::expectRefusals(flashEvaporationCalculator(), flash);
    const RefusalCase<HeatInput> heat[] = {
        {{.t = 0}, {.t = 0.5f}, "蒸发时间t必须大于0，请重新输入！", "t"},
        {{.alpha = 0}, {.alpha = 0.5f}, "表面热扩散系数α必须大于0，请重新输入！", "alpha"},
        {{.H = 0}, {.H = 0.5f}, "液体汽化热H必须大于0，请重新输入！", "H"},
    };
    testing::expectRefusals(heatEvaporationCalculator(), heat);
    const RefusalCase<MassInput> mass[] = {
        {{.r = -1}, {.r = 0}, "液池半径r不能为负数，请重新输入！", "r"},
        {{.T0 = 0}, {.T0 = 0.5f}, "环境温度T0必须大于0，请重新输入！", "T0"},
        {{.u = -1}, {.u = 0}, "风速u不能为负数，请重新输入！", "u"},
    };
    testing::expectRefusals(massEvaporationCalculator(), mass);
}

}  // namespace
}  // namespace qelvo::risk
