#include "risk/leak.h"

#include <gtest/gtest.h>

#include "risk_test_support.h"

namespace qelvo::risk {
namespace {

using testing::RefusalCase;

// Each case through the command line: a result field, the result text, or both. Values from
// an independent python computation with float inputs; the arithmetic in the comments.
TEST(Leak, WorkedExamples)
{
    struct Case {
        const char* id;
        Assignments in;
        const char* field;  // the first result field, or null
        const char* text;
    };
    const Case cases[] = {
        // 0.62·0.05·0.9·sqrt(2·8700/0.9 + 19.6·2) = 0.0279·sqrt(19333.33 + 39.2) = 3.8833
        {"risk.liquid_leak", {}, "3.88326846265888", ""},
        // P0 − P = 10 Pa, but the head still pushes: 0.0279·sqrt(−20/0.9 + 39.2) = 0.11496
        {"risk.liquid_leak", {{"P", "101290"}}, "0.114959433883032", ""},
        // r = 101300/110000 = 0.9209 above rc = (2/2.4)^3.5 = 0.5283: subcritical, Y = 0.55569
        {"risk.gas_leak", {}, nullptr, "气体流速在亚音速范围，是次临界流。\r\n气体泄漏速率为：21.4684492701915 [kg/s]"},
        {"risk.gas_leak", {{"shape", "长方形"}}, nullptr,  // × 0.9
         "气体流速在亚音速范围，是次临界流。\r\n气体泄漏速率为：19.3216043431724 [kg/s]"},
        // r = 101300/150000 = 0.675, still above rc: subcritical, Y = 0.95084
        {"risk.gas_leak", {{"P", "150000"}}, nullptr, "气体流速在亚音速范围，是次临界流。\r\n气体泄漏速率为：50.0924923806103 [kg/s]"},
        // r = 101300/300000 = 0.338: critical, Y = 1
        {"risk.gas_leak", {{"P", "300000"}}, nullptr, "气体流速在音速范围，是临界流。\r\n气体泄漏速率为：105.3652105141555 [kg/s]"},
        {"risk.gas_leak", {{"P", "300000"}, {"shape", "1"}}, nullptr,  // 三角形: × 0.95
         "气体流速在音速范围，是临界流。\r\n气体泄漏速率为：100.0969499884477 [kg/s]"},
        {"risk.gas_leak", {{"P0", "110000"}}, nullptr, "气体流速在亚音速范围，是次临界流。\r\n气体泄漏速率为：0.0000000000000 [kg/s]"},
        // Fv = 80·10/1100 = 0.72727; ρm = 1/(0.72727/1000 + 0.27273/1100) = 1025.42;
        // QLG = 0.8·0.05·sqrt(2·1025.42·0.45·300) = 21.047
        {"risk.twophase_leak", {}, "21.0471628503554", "蒸发的液体占液体总量的比例Fv：0.727273 "},
        {"risk.twophase_leak", {{"Cp", "110"}}, "20.7846100005413", "蒸发的液体占液体总量的比例Fv：1.000000 "},
        {"risk.twophase_leak", {{"Cp", "111"}}, "20.7760266386223",
         "蒸发的液体占液体总量的比例Fv：1.009091\r\n液体将全部蒸发成气体，这时应按气体泄漏计算。 "},
    };
    for (const auto& c : cases) {
        const RunOutcome run = testing::runById(c.id, c.in);
        ASSERT_EQ(run.status, RunOutcome::Status::Ok) << c.id << " " << c.text;
        if (c.field) {
            EXPECT_EQ(run.report.fields.at(0).second, c.field) << c.id << " " << c.field;
        }
        EXPECT_EQ(run.report.text, c.text) << c.id;
    }
    EXPECT_EQ(shapeCoefficient(0), 1.0);
}

TEST(Leak, Refusals)
{
    const RefusalCase<LiquidLeakInput> liquid[] = {
        {{.rho = 0}, {.rho = 0.5f}, "液体密度ρ必须大于0，请重新输入！", "rho"},
        // 2·(−101300)/0.9 + 39.2 < 0; with no head and no pressure difference the root is 0.
        {{.P = 0}, {.P = 101300, .h = 0}, "容器内介质压力P与液柱压力之和小于环境压力P0，液体不会流出，请重新输入！", "P"},
    };
    testing::expectRefusals(liquidLeakCalculator(), liquid);
    const RefusalCase<GasLeakInput> gas[] = {
        {{.P = 0}, {.P = 0.5f, .P0 = 0.25f}, "容器内介质压力P必须大于0，请重新输入！", "P"},
        {{.P0 = -1}, {.P0 = 0}, "环境压力P0不能为负数，请重新输入！", "P0"},
        {{.P0 = 110001}, {.P0 = 110000}, "环境压力P0大于容器内介质压力P，气体不会泄漏，请重新输入！", "P0"},
        {{.M = 0}, {.M = 0.5f}, "气体分子量M必须大于0，请重新输入！", "M"},
        {{.TG = 0}, {.TG = 0.5f}, "气体温度TG必须大于0，请重新输入！", "TG"},
        {{.kappa = 1}, {.kappa = 1.01f}, "气体绝热指数κ必须大于1，请重新输入！", "kappa"},
    };
    testing::expectRefusals(gasLeakCalculator(), gas);
    const char* kNoDensity = "按蒸发比例Fv算得的两相混合物密度不是正数，请重新输入！";
    const RefusalCase<TwoPhaseLeakInput> twoPhase[] = {
        {{.rho1 = 0}, {.rho1 = 0.5f, .rho2 = 0.9f}, "液体蒸发的蒸气密度ρ1必须大于0，请重新输入！", "rho1"},
        {{.rho2 = -1}, {.rho2 = 0.5f}, "液体密度ρ2必须大于0，请重新输入！", "rho2"},
        {{.H = 0}, {.H = 0.5f}, "液体气化热H必须大于0，请重新输入！", "H"},
        {{.P = -1}, {.P = 0}, "操作压力或容器压力P不能为负数，请重新输入！", "P"},
        // Fv = 80·(262.5 − 400)/1100 = −10: 1/ρm = 1/1100 − 10·(1/1000 − 1/1100) = 0; at 263 K
        // it is 3.3e-6 > 0.
        {{.TLG = 262.5f}, {.TLG = 263}, kNoDensity, "TLG"},
    };
    testing::expectRefusals(twoPhaseLeakCalculator(), twoPhase);
}

}  // namespace
}  // namespace qelvo::risk
