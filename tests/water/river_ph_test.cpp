// River pH after mixing.
#include "water/river_ph.h"

#include <gtest/gtest.h>

#include "common/number_format.h"

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

// Ka1 and pH recomputed independently ("%g" as the result text shows them).
TEST(RiverPh, ReferenceCases)
{
    const struct {
        PhInput in;
        const char* expected;
    } cases[] = {
        {{}, "0.415 3.6565"},
        {{10, 7, 1, 20, 0.5f, 0.5f, 1}, "0.415 8.2001"},
        {{10, 7, 1, 2.5f, 0.5f, 10, 0}, "0.2845 4.00359"},
        {{100, 7, 2, 12.5f, 0.5f, 5, 0}, "0.3615 6.71385"},
        {{50, 7, 3, 35, 0.5f, 0.2f, 1}, "0.4885 7.02349"},
        {{10, 7.5f, 1, 27, 2, 3, 0}, "0.4554 3.91218"},
        {{200, 7, 0.5f, 7, 0.5f, 1, 1}, "0.3196 7.12329"},
        {{10, 7, 1, 17, 0.5f, 1, 0}, "0.394 6.11252"},
        {{10, 7, 1, 40, 0.5f, 1, 0}, "0.506 5.96291"},
        // The table's ends are computed: 0 °C (Ka1 = 2.65·0.1), 1 °C (((5 − 1)·2.65 + 3.04)·0.02 = 0.2728).
        {{10, 7, 1, 0, 0.5f, 1, 0}, "0.265 6.31817"},
        {{10, 7, 1, 1, 0.5f, 1, 0}, "0.2728 6.30446"},
    };
    for (const auto& c : cases) {
        const PhResult r = computePh(c.in);
        ASSERT_FALSE(r.refusal.refused());
        EXPECT_EQ(cformat("%g %g", double(r.Ka1), double(r.pH)), c.expected) << c.in.T << " " << c.in.kind;
    }
}

TEST(RiverPh, ChoosingTheKindSetsTheWastewaterValue)
{
    // The page's rule, now the model's: qelvo-calc applies it too (kind=1 used to keep 10).
    const Calculator calc = eraseTypes(phCalculator());
    const auto pH = [&](const Assignments& values) { return calc.run(values).report.fields.at(1).second; };
    EXPECT_EQ(pH({{"kind", "1"}}), "8.2001");
    EXPECT_EQ(pH({{"kind", "1"}}), pH({{"kind", "1"}, {"Cw", "0.5"}}));
    EXPECT_EQ(pH({{"Cw", "1"}, {"kind", "0"}}), "6.08271");  // a typed value wins (20 °C)
    EXPECT_EQ(pH({{"kind", "0"}}), "3.6565");
    PhInput in;
    in.kind = 1;
    phChoiceRule(in, "kind");
    EXPECT_EQ(in.Cw, kAlkaliDefault);
    in.kind = 0;
    phChoiceRule(in, "T");  // another key: no change
    EXPECT_EQ(in.Cw, kAlkaliDefault);
    phChoiceRule(in, "kind");
    EXPECT_EQ(in.Cw, kAcidDefault);
}

TEST(RiverPh, TheLogarithmOfANonPositiveRatioIsShownAsItComes)
{
    PhInput in;
    in.Cw = 1000;  // more acid than the river can buffer
    const auto e = evaluate(phCalculator(), in);
    ASSERT_FALSE(e.refusal.refused());
    EXPECT_EQ(e.report.fields.at(1).second, "nan");
    EXPECT_NE(e.report.text.find("pH =nan"), std::string::npos);
    in.Cw = 21;  // M − Qp·Cap = 10.5 − 10.5 = 0: ln 0
    EXPECT_EQ(evaluate(phCalculator(), in).report.fields.at(1).second, "-inf");
}

TEST(RiverPh, AcidAlkaliAndRefusals)
{
    PhInput in;
    PhResult r = computePh(in);
    // M = (10 + 0.5)·1 = 10.5, Qp·Cap = 5: 7 + ln(5.5/(10·0.415·7·5 + 10.5)) = 7 + ln(5.5/155.75) = 3.656496
    EXPECT_NEAR(r.pH, 3.656496, 1e-5);
    EXPECT_NE(makeReport(phCalculator(), r).text.find("污染物为酸性物质\n碳酸一级平衡常数 Ka1 =0.415\n"), std::string::npos);
    in.kind = 1;
    in.Cw = 0.5f;
    r = computePh(in);
    // Qp·Cbp = 0.25: 7 + ln(10.75/(10.5 − 10·0.415·7·0.25)) = 7 + ln(10.75/3.2375) = 8.200104
    EXPECT_NEAR(r.pH, 8.200104, 1e-5);
    EXPECT_NE(makeReport(phCalculator(), r).text.find("污染物为碱性物质"), std::string::npos);
    for (float T : {-0.1f, 40.5f}) {
        in.T = T;
        EXPECT_EQ(computePh(in).refusal.focusKey, "T");
    }
}

}  // namespace
}  // namespace qelvo::water
