#include "risk/leak.h"

#include <gtest/gtest.h>

#include "common/number_format.h"
#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

using testing::RefusalCase;
using testing::runById;

TEST(LiquidLeak, DefaultsByHandAndThroughTheCommandLine)
{
    // 0.62·0.05·0.9·sqrt(2·(110000 − 101300)/0.9 + 19.6·2) = 0.0279·sqrt(19333.33 + 39.2)
    // = 0.0279·139.185 ≈ 3.8833; with the inputs rounded to float (python): 3.88326846265888.
    EXPECT_EQ(formatDouble(computeLiquidLeak({}).QL), "3.88326846265888");
    const RunOutcome run = runById("risk.liquid_leak");
    ASSERT_EQ(run.status, RunOutcome::Status::Ok);
    EXPECT_EQ(run.report.fields.at(0), (std::pair<std::string, std::string>{"QL", "3.88326846265888"}));
}

TEST(LiquidLeak, AHeadOfLiquidStillPushesAgainstASlightUnderpressure)
{
    // P0 − P = 10 Pa: 2·(−10)/0.9 + 39.2 = 16.98 > 0, so liquid still flows out.
    LiquidLeakInput in;
    in.P = 101290;
    const LiquidLeakResult r = computeLiquidLeak(in);
    EXPECT_FALSE(r.refusal.refused());
    EXPECT_NEAR(r.QL, 0.0279 * std::sqrt(-20 / 0.9 + 39.2), 1e-6);
}

TEST(LiquidLeak, Refusals)
{
    const RefusalCase<LiquidLeakInput> cases[] = {
        {{.rho = 0}, {.rho = 0.5f}, "液体密度ρ必须大于0，请重新输入！", "rho"},
        // 2·(−101300)/0.9 + 39.2 < 0; with no head and no pressure difference the root is 0.
        {{.P = 0}, {.P = 101300, .h = 0}, "容器内介质压力P与液柱压力之和小于环境压力P0，液体不会流出，请重新输入！", "P"},
    };
    testing::expectRefusals(cases, computeLiquidLeak);
    EXPECT_EQ(computeLiquidLeak({.P = 101300, .h = 0}).QL, 0.0);
    testing::expectSurvivesHostileInputs(liquidLeakCalculator());
}

TEST(GasLeak, RegimesAndShapes)
{
    // Defaults: r = 101300/110000 = 0.920909 above rc = (2/2.4)^3.5 = 0.528282, subcritical.
    // Rates from an independent python computation of the formulas with float inputs.
    struct Case {
        const char* name;
        float P;
        int shape;
        bool critical;
        const char* text;
    };
    const Case cases[] = {
        {"defaults", 110000, 0, false, "气体流速在亚音速范围，是次临界流。\r\n气体泄漏速率为：21.4684492701915 [kg/s]"},
        {"长方形 × 0.9", 110000, 2, false, "气体流速在亚音速范围，是次临界流。\r\n气体泄漏速率为：19.3216043431724 [kg/s]"},
        {"300 kPa, critical", 300000, 0, true, "气体流速在音速范围，是临界流。\r\n气体泄漏速率为：105.3652105141555 [kg/s]"},
        {"三角形 × 0.95", 300000, 1, true, "气体流速在音速范围，是临界流。\r\n气体泄漏速率为：100.0969499884477 [kg/s]"},
    };
    for (const auto& c : cases) {
        GasLeakInput in;
        in.P = c.P;
        in.shape = c.shape;
        const GasLeakResult r = computeGasLeak(in);
        EXPECT_EQ(testing::shownText(gasLeakCalculator(), in), c.text) << c.name;
        EXPECT_EQ(r.critical, c.critical) << c.name;
        EXPECT_NEAR(r.rc, 0.528281791732827, 1e-12) << c.name;
        if (c.critical) EXPECT_EQ(r.Y, 1.0) << c.name;
        else EXPECT_NEAR(r.Y, 0.555689263142177, 1e-12) << c.name;
    }
    GasLeakInput rectangular;
    rectangular.shape = 2;
    EXPECT_NEAR(computeGasLeak(rectangular).QG / computeGasLeak({}).QG, 0.9, 1e-15);
    EXPECT_EQ(shapeCoefficient(0), 1.0);
    EXPECT_EQ(shapeCoefficient(1), 0.95);
    EXPECT_EQ(shapeCoefficient(2), 0.9);
    EXPECT_EQ(runById("risk.gas_leak", {{"P", "300000"}, {"shape", "长方形"}}).report.text,
              "气体流速在音速范围，是临界流。\r\n气体泄漏速率为：94.8286894627399 [kg/s]");
}

TEST(GasLeak, EqualPressuresLeakNothing)
{
    GasLeakInput in;
    in.P0 = in.P;
    const GasLeakResult r = computeGasLeak(in);
    EXPECT_FALSE(r.refusal.refused());
    EXPECT_EQ(r.QG, 0.0);
    in.P0 = 0;  // into a vacuum: critical
    EXPECT_TRUE(computeGasLeak(in).critical);
}

TEST(GasLeak, Refusals)
{
    const RefusalCase<GasLeakInput> cases[] = {
        {{.P = 0}, {.P = 0.5f, .P0 = 0.25f}, "容器内介质压力P必须大于0，请重新输入！", "P"},
        {{.P0 = -1}, {.P0 = 0}, "环境压力P0不能为负数，请重新输入！", "P0"},
        {{.P0 = 110001}, {.P0 = 110000}, "环境压力P0大于容器内介质压力P，气体不会泄漏，请重新输入！", "P0"},
        {{.M = 0}, {.M = 0.5f}, "气体分子量M必须大于0，请重新输入！", "M"},
        {{.TG = 0}, {.TG = 0.5f}, "气体温度TG必须大于0，请重新输入！", "TG"},
        {{.kappa = 1}, {.kappa = 1.01f}, "气体绝热指数κ必须大于1，请重新输入！", "kappa"},
        {{.kappa = 0.5f}, {.kappa = 3}, "气体绝热指数κ必须大于1，请重新输入！", "kappa"},
    };
    testing::expectRefusals(cases, computeGasLeak);
    testing::expectSurvivesHostileInputs(gasLeakCalculator());
}

TEST(TwoPhaseLeak, FlashFractionMessages)
{
    // Defaults: Fv = 80·10/1100 = 0.72727; ρm = 1/(0.72727/1000 + 0.27273/1100) = 1025.42;
    // QLG = 0.8·0.05·sqrt(2·1025.42·0.45·300) = 0.04·526.18 = 21.047.
    struct Case {
        const char* name;
        float Cp;
        const char* message;
        const char* QLG;
    };
    const Case cases[] = {
        {"defaults", 80, "蒸发的液体占液体总量的比例Fv：0.727273 ", "21.0471628503554"},
        {"Fv exactly 1", 110, "蒸发的液体占液体总量的比例Fv：1.000000 ", "20.7846100005413"},
        {"Fv above 1", 111,
         "蒸发的液体占液体总量的比例Fv：1.009091\r\n液体将全部蒸发成气体，这时应按气体泄漏计算。 ", "20.7760266386223"},
    };
    for (const auto& c : cases) {
        TwoPhaseLeakInput in;
        in.Cp = c.Cp;
        const TwoPhaseLeakResult r = computeTwoPhaseLeak(in);
        EXPECT_EQ(testing::shownText(twoPhaseLeakCalculator(), in), c.message) << c.name;
        EXPECT_EQ(formatDouble(r.QLG), c.QLG) << c.name;
        const RunOutcome run = runById("risk.twophase_leak", {{"Cp", formatSingle(c.Cp)}});
        EXPECT_EQ(run.report.text, c.message) << c.name;
        EXPECT_EQ(run.report.fields.at(0).second, c.QLG) << c.name;
    }
}

TEST(TwoPhaseLeak, Refusals)
{
    const char* kNoDensity = "按蒸发比例Fv算得的两相混合物密度不是正数，请重新输入！";
    const RefusalCase<TwoPhaseLeakInput> cases[] = {
        // Light phases: ρm = 1/(0.727/0.5 + 0.273/0.9) = 0.569, below 1 but a density.
        {{.rho1 = 0}, {.rho1 = 0.5f, .rho2 = 0.9f}, "液体蒸发的蒸气密度ρ1必须大于0，请重新输入！", "rho1"},
        {{.rho2 = -1}, {.rho2 = 0.5f}, "液体密度ρ2必须大于0，请重新输入！", "rho2"},
        {{.H = 0}, {.H = 0.5f}, "液体气化热H必须大于0，请重新输入！", "H"},
        {{.P = -1}, {.P = 0}, "操作压力或容器压力P不能为负数，请重新输入！", "P"},
        // Fv = 80·(262.5 − 400)/1100 = −10: 1/ρm = 1/1100 − 10·(1/1000 − 1/1100) = 0; at
        // 263 K it is 3.3e-6 > 0.
        {{.TLG = 262.5f}, {.TLG = 263}, kNoDensity, "TLG"},
        {{.TLG = 200}, {.TLG = 263}, kNoDensity, "TLG"},
    };
    testing::expectRefusals(cases, computeTwoPhaseLeak);
    EXPECT_EQ(computeTwoPhaseLeak({.P = 0}).QLG, 0.0);  // no pressure, no leak
    testing::expectSurvivesHostileInputs(twoPhaseLeakCalculator());
}

}  // namespace
}  // namespace qelvo::risk
