// The Green and Stueber formulas and Lp1.
#include "noise/workshop_noise.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"

#include "support/refusal_cases.h"

namespace qelvo::noise {
namespace {

TEST(WorkshopNoise, GreenDefaults)
{
    const GreenTable t = computeGreen({});
    ASSERT_EQ(t.rows.size(), 20u);
    EXPECT_EQ(cformat("%.1f", t.rows[0].Lp), "54.0");   // 80 − 15 − 11 + 10·lg(100/100)
    EXPECT_EQ(cformat("%.1f", t.rows[0].Ltot), "59.7");
    EXPECT_EQ(cformat("%.2f", computeGreenDistance({}).L), "9.03");
    GreenInput far;
    far.Lp1 = 30;  // levels that fall below zero show 0
    EXPECT_EQ(computeGreen(far).rows.back().Lp, 0.0f);
    GreenInput quiet;
    quiet.Ltarget = 58.4f;
    EXPECT_EQ(computeGreenDistance(quiet).refusal.message, kTargetNotAboveBackground);
}

TEST(WorkshopNoise, Lp1)
{
    const Lp1Result r = computeLp1({});
    EXPECT_EQ(cformat("%.2f", r.Lp1), "91.27");
    Lp1Input bad;
    bad.alpha = 1;
    EXPECT_TRUE(computeLp1(bad).refusal.refused());
    bad.alpha = 0;
    EXPECT_TRUE(computeLp1(bad).refusal.refused());
}

// Reference cases recomputed independently from the formulas (double precision, inputs
// rounded to float): the level with the background and the distance for the target, both
// as the fields keep them (single precision, "%g").
TEST(WorkshopNoise, StueberReferenceCases)
{
    const struct {
        const char* what;
        void (*set)(StueberInput&);
        const char* level;
        const char* distance;
    } cases[] = {
        // Abar = 13.0967 dB over the three paths, S′ = 250.2 m².
        {"defaults", [](StueberInput&) {}, "67.4596", "79.5836"},
        {"large hall, no screening, 1000 Hz",
         [](StueberInput& i) { i.LR = 100, i.H = 3, i.a = 40, i.b = 20, i.dLR = 5, i.f = 1000, i.d1 = i.d2 = i.d3 = 0, i.r = 100, i.Lbg = 45, i.Ltarget = 50; },
         "80.1298", "3881.2"},
        {"quiet hall far away", [](StueberInput& i) { i.LR = 70, i.r = 200; }, "58.4031", "7.95836"},
        {"250 Hz over 2 m paths", [](StueberInput& i) { i.f = 250, i.d1 = i.d2 = i.d3 = 2, i.Ltarget = 65; }, "67.4245", "27.9786"},
        // The level before the background falls below 0 and counts as 0: the background alone.
        {"below zero", [](StueberInput& i) { i.LR = 30, i.r = 1000; }, "58.4", "0.0795836"},
    };
    for (const auto& c : cases) {
        StueberInput in;
        c.set(in);
        const StueberLevel level = computeStueber(in);
        const Distance distance = computeStueberDistance(in);
        ASSERT_FALSE(level.refusal.refused() || distance.refusal.refused()) << c.what;
        EXPECT_EQ(formatSingle(level.level), c.level) << c.what;
        EXPECT_EQ(formatSingle(distance.L), c.distance) << c.what;
    }
    StueberInput quiet;
    quiet.Ltarget = 58.4f;
    EXPECT_EQ(computeStueberDistance(quiet).refusal.message, kTargetNotAboveBackground);
}

TEST(WorkshopNoise, GreenAndLp1ReferenceCases)
{
    // Green: rows (r, Lp, Ltot) and the distance for the target, recomputed independently.
    GreenInput hall{95, 20, 250, 100, 25, 50, 55};
    const GreenTable t = computeGreen(hall);
    ASSERT_EQ(t.rows.size(), 4u);
    const auto row = [](const GreenRow& r) { return cformat("%g %.1f %.1f", double(r.r), double(r.Lp), double(r.Ltot)); };
    EXPECT_EQ(row(t.rows[0]), "25 60.0 60.4");
    EXPECT_EQ(row(t.rows[1]), "50 54.0 55.5");
    EXPECT_EQ(row(t.rows[3]), "100 48.0 52.1");
    EXPECT_EQ(formatSingle(computeGreenDistance(hall).L), "53.8908");
    EXPECT_EQ(row(computeGreen({}).rows[1]), "20 48.0 58.8");
    GreenInput faint;
    faint.Lp1 = 30;
    EXPECT_EQ(row(computeGreen(faint).rows[0]), "10 4.0 58.4");
    EXPECT_EQ(formatSingle(computeGreenDistance(faint).L), "0.02855");

    // Lp1 = Lw + 10·lg(Q/(4π·r²) + 4/R), R = S·a/(1 − a).
    const std::pair<Lp1Input, const char*> lp1[] = {
        {{}, "91.2707"}, {{100, 2, 500, 0.3f, 5}, "83.9851"}, {{90, 8, 300, 0.9f, 1}, "88.0489"}, {{90, 0, 1000, 0.5f, 2}, "66.0206"},
    };
    for (const auto& [in, expected] : lp1) EXPECT_EQ(formatSingle(computeLp1(in).Lp1), expected) << in.Q << " " << in.alpha;
}

TEST(WorkshopNoise, RefusesWhatLeavesTheFormulasUndefined)
{
    GreenInput green;
    green.F = -1;
    EXPECT_EQ(computeGreen(green).refusal.message, "外墙面积F必须大于0，请重新输入！");
    EXPECT_EQ(computeGreenDistance(green).refusal.focusKey, "F");
    green.F = 0;
    EXPECT_TRUE(computeGreenDistance(green).refusal.refused());
    green = {};
    green.lmax = -3e38f;  // no row, and no undefined conversion of −3e37 rows
    green.l = 10;
    EXPECT_TRUE(computeGreen(green).rows.empty());
    EXPECT_FALSE(computeGreen(green).refusal.refused());

    const std::vector<testing::RefusalCase<StueberInput>> stueber = {
        {[](StueberInput& i) { i.a = -10; }, "车间长度必须大于0，请重新输入！", "a"},
        {[](StueberInput& i) { i.b = 0; }, "车间宽度必须大于0，请重新输入！", "b"},
        {[](StueberInput& i) { i.H = -1; }, "车间声源平均高度H不能为负数，请重新输入！", "H"},
        {[](StueberInput& i) { i.f = -500; }, "声波频率f不能为负数，请重新输入！", "f"},
        {[](StueberInput& i) { i.d1 = -0.1f; }, "声程差δ不能为负数，请重新输入！", "d1"},
        {[](StueberInput& i) { i.d2 = -0.1f; }, "声程差δ不能为负数，请重新输入！", "d2"},
        {[](StueberInput& i) { i.d3 = -0.1f; }, "声程差δ不能为负数，请重新输入！", "d3"},
    };
    testing::expectRefusals(stueber, &computeStueber);
    testing::expectRefusals(stueber, &computeStueberDistance);
    StueberInput zeroHeight;
    zeroHeight.H = 0;
    zeroHeight.f = 0;
    EXPECT_FALSE(computeStueber(zeroHeight).refusal.refused());

    Lp1Input lp1;
    lp1.S = 0;
    EXPECT_EQ(computeLp1(lp1).refusal.message, "房间内壁面积S必须大于0，请重新输入！");
    lp1 = {};
    lp1.Q = -1;
    EXPECT_EQ(computeLp1(lp1).refusal.focusKey, "Q");
    lp1 = {};
    lp1.r = 0;
    EXPECT_EQ(computeLp1(lp1).refusal.focusKey, "r");
}

TEST(WorkshopNoise, GreenRowCapIsTheCommonOne)
{
    GreenInput in;
    in.l = 1;
    in.lmax = 100'001;
    EXPECT_EQ(computeGreen(in).refusal.message, kTooManyRows);
    EXPECT_EQ(computeGreen(in).refusal.focusKey, "l");
}

}  // namespace
}  // namespace qelvo::noise
