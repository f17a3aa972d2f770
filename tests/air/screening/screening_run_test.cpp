#include "air/screening/screening_run.h"

#include <gtest/gtest.h>

#include "air/screening/deck_reader.h"
#include "listing_compare.h"

namespace qelvo::air::screening {
namespace {

ScreeningCase caseOf(const std::string& name)
{
    const DeckReading r =
        readScreeningDeck(testing::readFile(std::string(QELVO_SCREENING_DATA) + "/" + name + "/screen3.inp"));
    EXPECT_TRUE(r.screeningCase) << r.failure;
    return r.screeningCase.value_or(ScreeningCase{});
}

std::vector<const ScreeningSection*> sections(const ScreeningResult& r)
{
    std::vector<const ScreeningSection*> out;
    for (const auto& s : r.automated) out.push_back(&s);
    for (const auto& s : r.discrete) out.push_back(&s);
    return out;
}

// Cases with each source type, terrain, downwash, fumigation and complex terrain.
const char* const kPropertyCases[] = {"03_point_downwash", "07a_area_auto_angle", "09_flare",
                                      "13_point_complex_terrain_valley", "17_volume_on_building",
                                      "18_point_inversion_fumigation"};

TEST(ScreeningRun, ConcentrationScalesLinearlyWithTheEmission)
{
    for (const char* name : kPropertyCases) {
        ScreeningCase c = caseOf(name);
        const auto one = runScreening(c);
        c.emission *= 7;
        const auto seven = runScreening(c);
        ASSERT_TRUE(one && seven);
        const auto a = sections(one->result), b = sections(seven->result);
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t s = 0; s < a.size(); ++s)
            for (std::size_t i = 0; i < a[s]->rows.size(); ++i) {
                const ScreeningRow &x = a[s]->rows[i], &y = b[s]->rows[i];
                EXPECT_NEAR(y.concentration, 7 * x.concentration, 1e-12 * y.concentration) << name;
                EXPECT_EQ(x.stability, y.stability);
                EXPECT_EQ(x.sigmaZ, y.sigmaZ);
                EXPECT_EQ(x.maxDirection, y.maxDirection);
            }
        ASSERT_EQ(one->result.summary.size(), seven->result.summary.size()) << name;
        for (std::size_t i = 0; i < one->result.summary.size(); ++i) {
            EXPECT_NEAR(seven->result.summary[i].concentration, 7 * one->result.summary[i].concentration,
                        1e-9 * seven->result.summary[i].concentration)
                << name;
            EXPECT_EQ(seven->result.summary[i].distance, one->result.summary[i].distance) << name;
        }
        ASSERT_EQ(one->result.valley.size(), seven->result.valley.size());
        for (std::size_t i = 0; i < one->result.valley.size(); ++i)
            EXPECT_NEAR(seven->result.valley[i].max24h, 7 * one->result.valley[i].max24h, 1e-9);
    }
}

TEST(ScreeningRun, ZeroEmissionGivesZeroEverywhere)
{
    for (const char* name : kPropertyCases) {
        ScreeningCase c = caseOf(name);
        c.emission = 0;
        const auto run = runScreening(c);
        ASSERT_TRUE(run);
        for (const auto* s : sections(run->result)) {
            for (const auto& r : s->rows) EXPECT_EQ(r.concentration, 0) << name;
            if (s->maximum) {
                EXPECT_EQ(s->maximum->concentration, 0) << name;
            }
        }
        for (const auto& v : run->result.valley) EXPECT_EQ(v.max24h, 0) << name;
        EXPECT_TRUE(run->result.summary.empty()) << name;
    }
}

TEST(ScreeningRun, ATallerStackNeverRaisesTheFlatTerrainMaximum)
{
    ScreeningCase c = caseOf("01_point_flat_default");
    double previous = 1e300;
    for (double h : {10.0, 20.0, 30.0, 45.0, 60.0, 90.0, 150.0, 250.0}) {
        c.height = h;
        const auto run = runScreening(c);
        ASSERT_TRUE(run);
        const SummaryRow* s = run->result.summaryRow(kSimpleTerrainLabel);
        ASSERT_TRUE(s) << h;
        EXPECT_LE(s->concentration, previous) << h;
        previous = s->concentration;
    }
}

TEST(ScreeningRun, TerrainAboveTheStackIsClippedToItsHeight)
{
    ScreeningCase c = caseOf("14_point_elevated_simple_terrain");
    c.automated[2].terrain = 70;  // above the 40 m stack
    const auto run = runScreening(c);
    EXPECT_EQ(run->result.automated[2].terrainHeight, 40);
    for (const auto& r : run->result.automated[2].rows) EXPECT_LE(r.plumeHeight, 220);
}

TEST(ScreeningRun, SummaryRowsForCavityAndFumigation)
{
    const auto cavity = runScreening(caseOf("03_point_downwash"));
    ASSERT_TRUE(cavity->cavity);
    const SummaryRow* c1 = cavity->result.summaryRow(kCavity1Label);
    ASSERT_TRUE(c1);
    EXPECT_FALSE(c1->terrainHeight);
    EXPECT_EQ(c1->distance, (*cavity->cavity)[0].length);
    EXPECT_TRUE(cavity->result.summaryRow(kCavity2Label));

    // A tiny emission still gives cavity rows: 1e−4 g/s → 1e2/(1.5·100·50·1) = 0.01333 µg/m³.
    ScreeningCase tiny = caseOf("03_point_downwash");
    tiny.emission = 1e-4;
    const auto small = runScreening(tiny);
    ASSERT_TRUE(small->result.summaryRow(kCavity1Label));
    EXPECT_NEAR(small->result.summaryRow(kCavity1Label)->concentration, 0.013333, 1e-6);

    const auto fumigation = runScreening(caseOf("18_point_inversion_fumigation"));
    const SummaryRow* f = fumigation->result.summaryRow(kInversionFumigationLabel);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->distance, fumigation->breakup->distance);
    EXPECT_FALSE(fumigation->shoreline);

    ScreeningCase shore = caseOf("18_point_inversion_fumigation");
    shore.shoreline = true;
    shore.shoreDistance = 500;
    const auto s = runScreening(shore);
    ASSERT_TRUE(s->result.summaryRow(kShorelineFumigationLabel));
    EXPECT_EQ(s->result.summaryRow(kShorelineFumigationLabel)->concentration, s->shoreline->concentration);
    // Small values keep their rows: 20·1e−4 g/s → 302.4653·1e−4 µg/m³.
    shore.emission *= 1e-4;
    const auto weak = runScreening(shore);
    ASSERT_TRUE(weak->result.summaryRow(kShorelineFumigationLabel));
    EXPECT_NEAR(weak->result.summaryRow(kShorelineFumigationLabel)->concentration, 0.03024653, 1e-7);
}

TEST(ScreeningRun, NoCavityWithoutBuildingHeight)
{
    ScreeningCase c = caseOf("03_point_downwash");
    c.buildingHeight = 0;
    const auto run = runScreening(c);
    EXPECT_FALSE(run->cavity);
    EXPECT_FALSE(run->result.summaryRow(kCavity1Label));
    EXPECT_EQ(run->result.automated[0].rows[1].dwash, "NO");  // no wake either
}

TEST(ScreeningRun, ComplexTerrainOnly)
{
    // "Continue with simple terrain?" N: the VALLEY rows and the summary only.
    ScreeningCase c = caseOf("13_point_complex_terrain_valley");
    c.simpleTerrain = false;
    const auto run = runScreening(c);
    EXPECT_TRUE(run->result.automated.empty());
    EXPECT_TRUE(run->result.discrete.empty());
    ASSERT_EQ(run->result.summary.size(), 1u);
    EXPECT_EQ(run->result.summary[0].label, kComplexTerrainLabel);
    EXPECT_EQ(run->result.summary[0].distance, 2500);
    EXPECT_EQ(*run->result.summary[0].terrainHeight, 40);
}

TEST(ScreeningRun, CancelledBetweenDistances)
{
    int asked = 0;
    EXPECT_FALSE(runScreening(caseOf("11a_apd_split_1_of_3"), [&] { return ++asked > 10; }));
    EXPECT_EQ(asked, 11);
    EXPECT_FALSE(runScreening(caseOf("13_point_complex_terrain_valley"), [] { return true; }));
}

}  // namespace
}  // namespace qelvo::air::screening
