#include "air/screening/distance_search.h"

#include <gtest/gtest.h>

#include "air/screening/deck_reader.h"

namespace qelvo::air::screening {
namespace {

ScreeningCase readCase(const std::string& deck)
{
    const DeckReading r = readScreeningDeck(deck);
    EXPECT_TRUE(r.screeningCase) << r.failure;
    return r.screeningCase.value_or(ScreeningCase{});
}

TEST(DistanceSearch, AutomatedDistances)
{
    const auto a = automatedDistances(1, 5000);
    ASSERT_EQ(a.size(), 35u);  // 1, 100 … 3000 (30), 3500 … 5000 (4)
    EXPECT_EQ(a[0], 1);
    EXPECT_EQ(a[1], 100);
    EXPECT_EQ(a[30], 3000);
    EXPECT_EQ(a[31], 3500);
    EXPECT_EQ(a.back(), 5000);
    const auto b = automatedDistances(5000, 25000);
    EXPECT_EQ(b, (std::vector<double>{5000, 5500, 6000, 6500, 7000, 7500, 8000, 8500, 9000, 9500, 10000, 15000, 20000, 25000}));
    EXPECT_EQ(automatedDistances(250, 500), (std::vector<double>{250, 300, 400, 500}));
    EXPECT_EQ(automatedDistances(30000, 100000), (std::vector<double>{30000, 40000, 50000}));
    EXPECT_EQ(automatedDistances(1, 1), (std::vector<double>{1}));
}

TEST(DistanceSearch, SweepFactors)
{
    // Point types: −0.95 … −0.05 by 0.05, then 0.05, 0.1 … 0.5 by 0.1; area sources: −0.75,
    // −0.5, −0.25, −0.1, 0.1, 0.25, 0.5, 0.75, 1, 2, 5, 10; each the single-precision value.
    std::vector<float> point;
    for (int i = 0; i < 19; ++i) point.push_back(static_cast<float>(-0.95 + 0.05 * i));
    point.push_back(0.05f);
    for (int i = 1; i <= 5; ++i) point.push_back(static_cast<float>(0.1 * i));
    const auto p = sweepFactors(false);
    EXPECT_EQ(std::vector<float>(p.begin(), p.end()), point);
    const std::vector<float> area{-0.75f, -0.5f, -0.25f, -0.1f, 0.1f, 0.25f, 0.5f, 0.75f, 1, 2, 5, 10};
    const auto a = sweepFactors(true);
    EXPECT_EQ(std::vector<float>(a.begin(), a.end()), area);
}

// 3 g/s, 40 m, 2 m, 15 m/s, 453.15 K into 298.15 K, rural, flat, full meteorology.
const char* kTallStack = "t\nP\n 3\n 40\n 2\n 15\n 453.15\n 298.15\n 0\nR\nN\nN\nN\n 1\nN\nN\nN\nN\n";

TEST(DistanceSearch, StopsAfterFiftyDistances)
{
    // Range 1 … 200 m: the array maximum is the 200 m row and the sweep's best 300 m
    // (200·1.5); the concentration still rises there (its maximum lies near 870 m), so the
    // search steps 290 (falls: reverse), then 291, 292, … by 1 m; the 50th distance after the
    // start (339 m) stops it with the result recorded at 338 m.
    const ScreeningCase c = readCase(kTallStack);
    MeteorologyLoop loop(c);
    const auto out = automatedRange(loop, {0, 1, 200}, 0, {});
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->iterationStopped);
    EXPECT_EQ(out->section.rows.size(), 3u);
    EXPECT_EQ(out->section.maximum->distance, 338);
    EXPECT_GT(out->section.maximum->concentration, out->section.rows.back().concentration);
}

TEST(DistanceSearch, ArrayMaximumWinsWhenTheSearchFindsNothingHigher)
{
    // Range 5000 … 25000 of the handbook stack: the values fall from the start, every sweep
    // point below x_min is ignored; the maximum line repeats the 5000 m row exactly.
    const ScreeningCase c = readCase("t\nP\n 1\n 30\n 0.5\n 12\n 373.15\n 293.15\n 0\nR\nN\nN\nN\n 1\nN\nN\nN\nN\n");
    MeteorologyLoop loop(c);
    const auto out = automatedRange(loop, {0, 5000, 25000}, 0, {});
    ASSERT_TRUE(out);
    EXPECT_FALSE(out->iterationStopped);
    const ScreeningRow& first = out->section.rows.front();
    const ScreeningRow& max = *out->section.maximum;
    EXPECT_EQ(max.distance, 5000);
    EXPECT_EQ(max.concentration, first.concentration);
    EXPECT_EQ(max.sigmaY, first.sigmaY);
    // All rows 0 (plume far above a 1 m receptor range): the maximum is 1 m with blank fields.
    const auto zero = automatedRange(loop, {0, 1, 1}, 0, {});
    EXPECT_EQ(zero->section.maximum->distance, 1);
    EXPECT_EQ(zero->section.maximum->stability, 0);
    EXPECT_EQ(zero->section.maximum->dwash, "");
}

TEST(DistanceSearch, CancelStopsTheRange)
{
    const ScreeningCase c = readCase(kTallStack);
    MeteorologyLoop loop(c);
    int asked = 0;
    EXPECT_FALSE(automatedRange(loop, {0, 1, 5000}, 0, [&] { return ++asked > 3; }));
    EXPECT_EQ(asked, 4);
}

TEST(DistanceSearch, AreaSourcesSkipLowerClassesWhileTheSearchGoesOut)
{
    // 20 m × 10 m, 10 m high, rural, full meteorology: class A is worst at 1 m, class C at
    // 100 m. After a 100 m evaluation (class C) classes A and B are left out at 1 m, unless
    // the class is forgotten or the search steps inward.
    const ScreeningCase c = readCase("t\nA\n 0.005\n 10\n 10\n 20\n 0\nR\nY\n 1\nN\nN\nN\n");
    MeteorologyLoop loop(c);
    EXPECT_EQ(loop.at(1, 0, true).stability, 1);
    EXPECT_EQ(loop.at(100, 0, true).stability, 3);
    EXPECT_EQ(loop.at(1, 0, true).stability, 3);
    EXPECT_EQ(loop.at(1, 0, false).stability, 1);  // discrete distances never skip
    loop.at(100, 0, true);
    loop.forgetClass();
    EXPECT_EQ(loop.at(1, 0, true).stability, 1);
    loop.at(100, 0, true);
    loop.setDirection(-10);
    EXPECT_EQ(loop.at(1, 0, true).stability, 1);
    // Point sources never skip: class F at 20 km, then class A at 300 m.
    MeteorologyLoop point(readCase("t\nP\n 1\n 30\n 0.5\n 12\n 373.15\n 293.15\n 0\nR\nN\nN\nN\n 1\nN\nN\nN\nN\n"));
    EXPECT_EQ(point.at(20000, 0, true).stability, 6);
    EXPECT_EQ(point.at(300, 0, true).stability, 1);
}

}  // namespace
}  // namespace qelvo::air::screening
