#include <gtest/gtest.h>

#include <optional>

#include "air/screening/listing_reader.h"
#include "replay_engine.h"

namespace qelvo::air {
namespace {

using testing::storedCases;
using testing::storedFile;

struct Max {
    double distance, concentration;
};

struct SectionExpect {
    double terrain;
    std::size_t rows;
    Max first, last;
    double distanceSum, concentrationSum;  // over all rows
    std::optional<Max> maximum;
};

struct SummaryExpect {
    const char* label;
    double concentration, distance;
    std::optional<double> terrain;
};

struct ValleyExpect {
    double terrain, distance, max24h, valley24h;
};

struct ListingCase {
    const char* name;
    std::vector<SectionExpect> automated, discrete;
    std::vector<SummaryExpect> summary;
    std::vector<ValleyExpect> valley;
};

// What each stored listing holds, as its README describes it (section lines, row counts,
// maxima, summary rows) and as a separate reading by fixed columns (python, using the README's
// row line ranges and the full 11-character concentration field) gave for the sums.
const ListingCase kCases[] = {
    {"01_point_flat_default",
     {{0.0, 35, {1.0, 0.0}, {5000.0, 10.55}, 63501.0, 826.558, Max{280.0, 41.59}},
      {0.0, 14, {5000.0, 10.55}, {25000.0, 3.126}, 142500.0, 108.804, Max{5000.0, 10.55}}},
     {},
     {{"SIMPLE TERRAIN", 41.59, 280.0, 0.0}},
     {}},
    {"03_point_downwash",
     {{0.0, 35, {1.0, 0.0}, {5000.0, 12.53}, 63501.0, 1031.5, Max{150.0, 115.7}},
      {0.0, 14, {5000.0, 12.53}, {25000.0, 3.26}, 142500.0, 117.221, Max{5000.0, 12.53}}},
     {},
     {{"SIMPLE TERRAIN", 115.7, 150.0, 0.0},
      {"BLDG. CAVITY-1", 133.3, 117.0, std::nullopt},
      {"BLDG. CAVITY-2", 133.3, 117.0, std::nullopt}},
     {}},
    {"05_point_fumigation_shoreline",
     {{0.0, 35, {1.0, 0.0}, {5000.0, 10.55}, 63501.0, 826.558, Max{280.0, 41.59}},
      {0.0, 14, {5000.0, 10.55}, {25000.0, 3.126}, 142500.0, 108.804, Max{5000.0, 10.55}}},
     {},
     {{"SIMPLE TERRAIN", 41.59, 280.0, 0.0}},
     {}},
    {"07a_area_auto_angle",
     {{0.0, 48, {1.0, 4.036e-05}, {25000.0, 7.935}, 201001.0, 14553.38504036, Max{97.0, 1351.0}}},
     {},
     {{"SIMPLE TERRAIN", 1351.0, 97.0, 0.0}},
     {}},
    {"07b_area_fixed_angle_15",
     {{0.0, 48, {1.0, 8.808e-05}, {25000.0, 7.936}, 201001.0, 14527.38608808, Max{97.0, 1343.0}}},
     {},
     {{"SIMPLE TERRAIN", 1343.0, 97.0, 0.0}},
     {}},
    {"09_flare",
     {{0.0, 35, {1.0, 0.0}, {5000.0, 9.741}, 63501.0, 778.973, Max{288.0, 39.02}},
      {0.0, 14, {5000.0, 9.741}, {25000.0, 3.011}, 142500.0, 102.247, Max{5000.0, 9.741}}},
     {},
     {{"SIMPLE TERRAIN", 39.02, 288.0, 0.0}},
     {}},
    {"11a_apd_split_1_of_3",
     {},
     {{0.0, 50, {10.0, 138600.0}, {2100.0, 226.1}, 45550.0, 1522727.2999999998, std::nullopt}},
     {{"SIMPLE TERRAIN", 398200.0, 20.0, 0.0}},
     {}},
    {"11b_apd_split_2_of_3",
     {},
     {{0.0, 50, {2150.0, 218.8}, {4600.0, 80.8}, 168750.0, 6466.39, std::nullopt}},
     {{"SIMPLE TERRAIN", 218.8, 2150.0, 0.0}},
     {}},
    {"11c_apd_split_3_of_3",
     {},
     {{0.0, 8, {4650.0, 79.72}, {5000.0, 72.91}, 38600.0, 609.88, std::nullopt}},
     {{"SIMPLE TERRAIN", 79.72, 4650.0, 0.0}},
     {}},
    {"12_point_urban_huber_snyder",
     {{0.0, 31, {1.0, 0.0}, {3000.0, 12.16}, 46501.0, 483.892, Max{405.0, 20.36}},
      {0.0, 18, {3000.0, 12.16}, {25000.0, 1.651}, 157500.0, 109.588, Max{3000.0, 12.16}}},
     {},
     {{"SIMPLE TERRAIN", 20.36, 405.0, 0.0},
      {"BLDG. CAVITY-1", 2083.0, 55.0, std::nullopt},
      {"BLDG. CAVITY-2", 2302.0, 37.0, std::nullopt}},
     {}},
    {"13_point_complex_terrain_valley",
     {{0.0, 33, {1.0, 0.0}, {4000.0, 71.55}, 54001.0, 2964.595, Max{307.0, 139.9}},
      {0.0, 16, {4000.0, 71.55}, {25000.0, 24.17}, 151000.0, 856.02, Max{4000.0, 71.55}}},
     {{10.0, 1, {1200.0, 143.8}, {1200.0, 143.8}, 1200.0, 143.8, std::nullopt}},
     {{"SIMPLE TERRAIN", 143.8, 1200.0, 10.0}, {"COMPLEX TERRAIN", 105.4, 2500.0, 40.0}},
     {{40.0, 2500.0, 105.4, 19.44}, {60.0, 6000.0, 6.815, 6.815}}},
    {"14_point_elevated_simple_terrain",
     {{5.0, 9, {1.0, 0.0}, {800.0, 11.71}, 3601.0, 42.6995154, Max{872.0, 12.12}},
      {15.0, 18, {800.0, 12.24}, {2500.0, 6.971}, 29700.0, 158.614, Max{861.0, 12.53}},
      {25.0, 12, {2500.0, 7.252}, {6000.0, 8.975}, 45000.0, 98.44, Max{4877.0, 9.149}},
      {25.0, 12, {6000.0, 8.975}, {25000.0, 4.822}, 132000.0, 91.377, Max{6000.0, 8.975}}},
     {},
     {{"SIMPLE TERRAIN", 12.53, 861.0, 15.0}},
     {}},
    {"15_point_flagpole_met2_E",
     {{0.0, 41, {1.0, 0.0}, {8000.0, 6.393}, 104001.0, 496.488304, Max{1826.0, 19.09}},
      {0.0, 8, {8000.0, 6.393}, {25000.0, 1.659}, 105000.0, 35.048, Max{8000.0, 6.393}}},
     {},
     {{"SIMPLE TERRAIN", 19.09, 1826.0, 0.0}},
     {}},
    {"16_point_met3_B_4ms",
     {{0.0, 31, {1.0, 0.0}, {3000.0, 1.927}, 46501.0, 321.588752, Max{427.0, 37.09}},
      {0.0, 18, {3000.0, 1.927}, {25000.0, 0.1107}, 157500.0, 10.0728, Max{3000.0, 1.927}}},
     {{0.0, 1, {600.0, 30.57}, {600.0, 30.57}, 600.0, 30.57, std::nullopt},
      {8.0, 1, {1500.0, 7.38}, {1500.0, 7.38}, 1500.0, 7.38, std::nullopt}},
     {{"SIMPLE TERRAIN", 37.09, 427.0, 0.0}},
     {}},
    {"17_volume_on_building",
     {{0.0, 16, {1.0, 0.0}, {1500.0, 340.5}, 12001.0, 11809.3, Max{20.0, 1877.0}},
      {0.0, 33, {1500.0, 340.5}, {25000.0, 10.68}, 190500.0, 4495.09, Max{1500.0, 340.5}}},
     {},
     {{"SIMPLE TERRAIN", 1877.0, 20.0, 0.0}},
     {}},
    {"18_point_inversion_fumigation",
     {{0.0, 37, {1.0, 0.0}, {6000.0, 19.29}, 75001.0, 1032.21041551, Max{995.0, 51.82}},
      {0.0, 12, {6000.0, 19.29}, {25000.0, 9.496}, 132000.0, 191.126, Max{6249.0, 19.33}}},
     {},
     {{"SIMPLE TERRAIN", 51.82, 995.0, 0.0}, {"INV BREAKUP FUMI", 34.99, 12163.0, std::nullopt}},
     {}},
    {"19_area_urban_low",
     {{0.0, 48, {1.0, 1335.0}, {25000.0, 0.7129}, 201001.0, 5387.631, Max{22.0, 11300.0}}},
     {{0.0, 3, {25.0, 11060.0}, {300.0, 302.9}, 385.0, 16151.9, std::nullopt}},
     {{"SIMPLE TERRAIN", 11300.0, 22.0, 0.0}},
     {}},
};

// Relative agreement to rounding of sums of four-digit values.
void expectClose(double actual, double expected, const std::string& what)
{
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected))) << what;
}

void expectSections(const std::vector<ScreeningSection>& actual, const std::vector<SectionExpect>& expected,
                    const std::string& what)
{
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& a = actual[i];
        const auto& e = expected[i];
        const std::string where = what + " section " + std::to_string(i);
        EXPECT_EQ(a.terrainHeight, e.terrain) << where;
        ASSERT_EQ(a.rows.size(), e.rows) << where;
        EXPECT_EQ(a.rows.front().distance, e.first.distance) << where;
        EXPECT_EQ(a.rows.front().concentration, e.first.concentration) << where;
        EXPECT_EQ(a.rows.back().distance, e.last.distance) << where;
        EXPECT_EQ(a.rows.back().concentration, e.last.concentration) << where;
        double distances = 0, concentrations = 0;
        for (const auto& row : a.rows) distances += row.distance, concentrations += row.concentration;
        expectClose(distances, e.distanceSum, where + " distances");
        expectClose(concentrations, e.concentrationSum, where + " concentrations");
        ASSERT_EQ(a.maximum.has_value(), e.maximum.has_value()) << where;
        if (e.maximum) {
            EXPECT_EQ(a.maximum->distance, e.maximum->distance) << where;
            EXPECT_EQ(a.maximum->concentration, e.maximum->concentration) << where;
        }
    }
}

void expectListing(const ScreeningResult& r, const ListingCase& c, const std::string& what)
{
    expectSections(r.automated, c.automated, what + " automated");
    expectSections(r.discrete, c.discrete, what + " discrete");
    ASSERT_EQ(r.summary.size(), c.summary.size()) << what;
    for (std::size_t i = 0; i < c.summary.size(); ++i) {
        EXPECT_EQ(r.summary[i].label, c.summary[i].label) << what;
        EXPECT_EQ(r.summary[i].concentration, c.summary[i].concentration) << what;
        EXPECT_EQ(r.summary[i].distance, c.summary[i].distance) << what;
        EXPECT_EQ(r.summary[i].terrainHeight, c.summary[i].terrain) << what;
    }
    ASSERT_EQ(r.valley.size(), c.valley.size()) << what;
    for (std::size_t i = 0; i < c.valley.size(); ++i) {
        EXPECT_EQ(r.valley[i].terrainHeight, c.valley[i].terrain) << what;
        EXPECT_EQ(r.valley[i].distance, c.valley[i].distance) << what;
        EXPECT_EQ(r.valley[i].max24h, c.valley[i].max24h) << what;
        EXPECT_EQ(r.valley[i].valley24h, c.valley[i].valley24h) << what;
    }
}

TEST(ListingReader, EveryStoredListing)
{
    ASSERT_EQ(storedCases().size(), std::size(kCases));
    for (const auto& c : kCases) {
        const std::string text = storedFile(c.name, "SCREEN.OUT");
        ASSERT_FALSE(text.empty()) << c.name;
        const ScreeningResult r = readListing(text);
        expectListing(r, c, c.name);
        EXPECT_EQ(r.listing, text) << c.name;  // stored with "\n" line ends already
        EXPECT_TRUE(r.engine.empty());
    }
}

TEST(ListingReader, WindowsLineEndsAndBlankOnlyLines)
{
    // The same listings written by a Windows build: CR LF line ends, blanks at the ends of
    // lines, and the empty lines that end sections holding blanks.
    for (const auto& c : kCases) {
        const std::string text = storedFile(c.name, "SCREEN.OUT");
        std::string windows;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            std::string line = text.substr(start, end - start);
            windows += (line.empty() ? std::string("   ") : line + " ") + "\r\n";
            start = end + 1;
        }
        const ScreeningResult r = readListing(windows);
        expectListing(r, c, std::string(c.name) + " (Windows)");
        EXPECT_EQ(r.listing.find('\r'), std::string::npos);
    }
}

TEST(ListingReader, EveryColumnOfARow)
{
    // 15, maximum line 81: "   1826.    19.09        5     1.0    1.3 10000.0   52.71   88.56   32.96    NO"
    const auto flagpole = readListing(storedFile("15_point_flagpole_met2_E", "SCREEN.OUT"));
    const ScreeningRow& m = *flagpole.automated[0].maximum;
    EXPECT_EQ(m.stability, 5);
    EXPECT_EQ(m.u10, 1.0);
    EXPECT_EQ(m.ustk, 1.3);
    EXPECT_EQ(m.mixingHeight, 10000.0);
    EXPECT_EQ(m.plumeHeight, 52.71);
    EXPECT_EQ(m.sigmaY, 88.56);
    EXPECT_EQ(m.sigmaZ, 32.96);
    EXPECT_EQ(m.dwash, "NO");
    // Line 39: the exponent form in full, "0.2034E-02".
    EXPECT_EQ(flagpole.automated[0].rows[1].concentration, 0.2034e-2);

    // 19, an area row: "     22.   0.1130E+05    6     1.0    1.0 10000.0    1.50     30."
    const auto area = readListing(storedFile("19_area_urban_low", "SCREEN.OUT"));
    const ScreeningRow& a = *area.automated[0].maximum;
    EXPECT_EQ(a.distance, 22);
    EXPECT_EQ(a.concentration, 11300);
    EXPECT_EQ(a.stability, 6);
    EXPECT_EQ(a.plumeHeight, 1.5);
    EXPECT_EQ(a.maxDirection, 30);
    EXPECT_EQ(a.sigmaY, 0);
    EXPECT_EQ(a.dwash, "");
    EXPECT_EQ(area.discrete[0].rows[1].distance, 60);
    EXPECT_EQ(area.discrete[0].rows[1].concentration, 4789);

    // 17, the 1 m row inside the volume: class 0, zeros and a blank DWASH.
    const ScreeningRow& v = readListing(storedFile("17_volume_on_building", "SCREEN.OUT")).automated[0].rows[0];
    EXPECT_EQ(v.stability, 0);
    EXPECT_EQ(v.sigmaZ, 0);
    EXPECT_EQ(v.dwash, "");

    // 03, downwash "not applicable" rows and a Schulman-Scire row.
    const auto downwash = readListing(storedFile("03_point_downwash", "SCREEN.OUT"));
    EXPECT_EQ(downwash.automated[0].rows[1].dwash, "NA");
    EXPECT_EQ(downwash.automated[0].rows[2].dwash, "SS");
    EXPECT_EQ(downwash.automated[0].rows[2].sigmaY, 52.85);

    // 18: "0.1461E-12" keeps both exponent digits.
    EXPECT_EQ(readListing(storedFile("18_point_inversion_fumigation", "SCREEN.OUT")).automated[0].rows[1].concentration,
              0.1461e-12);

    // 13, valley line 33: "  40.   2500.   105.4        19.44        58.3     105.4        38.2   6  1.0  1.7"
    const ValleyRow& w = readListing(storedFile("13_point_complex_terrain_valley", "SCREEN.OUT")).valley[0];
    EXPECT_EQ(w.valleyPlumeHeight, 58.3);
    EXPECT_EQ(w.simple24h, 105.4);
    EXPECT_EQ(w.simplePlumeHeight, 38.2);
    EXPECT_EQ(w.stability, 6);
    EXPECT_EQ(w.u10, 1.0);
    EXPECT_EQ(w.ustk, 1.7);
}

TEST(ListingReader, MissingPartsGiveNoRows)
{
    const std::string text = storedFile("13_point_complex_terrain_valley", "SCREEN.OUT");
    // Cut before the summary: every section, no summary rows.
    const auto noSummary = readListing(text.substr(0, text.find("      ***************************************")));
    EXPECT_EQ(noSummary.automated.size(), 2u);
    EXPECT_EQ(noSummary.discrete.size(), 1u);
    EXPECT_EQ(noSummary.valley.size(), 2u);
    EXPECT_TRUE(noSummary.summary.empty());
    // Cut in the middle of the first automated section: its rows so far, no maximum.
    const auto cut = readListing(text.substr(0, text.find("    500.")));
    ASSERT_EQ(cut.automated.size(), 1u);
    EXPECT_EQ(cut.automated[0].rows.size(), 5u);
    EXPECT_FALSE(cut.automated[0].maximum);
    EXPECT_TRUE(cut.discrete.empty());
    // Cut after a marker: a section without rows.
    const auto marker = readListing(text.substr(0, text.find(" **********************************\n\n *** TERRAIN")));
    EXPECT_EQ(marker.automated.size(), 1u);
    EXPECT_TRUE(marker.automated[0].rows.empty());

    const auto empty = readListing("");
    EXPECT_TRUE(empty.automated.empty() && empty.summary.empty() && empty.listing.empty());
    // Without a final line end the last line still ends with "\n".
    EXPECT_EQ(readListing("a\r\nb").listing, "a\nb\n");
}

TEST(ListingReader, FieldsFilledWithAsterisks)
{
    // A value too wide for its field prints as asterisks: it reads as 0, and the row stays.
    const std::string text =
        " *** SCREEN DISCRETE DISTANCES ***\n"
        " *********************************\n"
        "\n"
        " *** TERRAIN HEIGHT OF ***** M ABOVE STACK BASE USED FOR FOLLOWING DISTANCES ***\n"
        "\n"
        "   DIST     CONC             U10M   USTK  MIX HT   PLUME   SIGMA   SIGMA\n"
        "    (M)   (UG/M**3)   STAB  (M/S)  (M/S)    (M)   HT (M)   Y (M)   Z (M)  DWASH\n"
        " -------  ----------  ----  -----  -----  ------  ------  ------  ------  -----\n"
        "  90000.    1.234        6     1.0    1.8 10000.0   53.47 *******   65.20    NO\n"
        "\n";
    const auto r = readListing(text);
    ASSERT_EQ(r.discrete.size(), 1u);
    EXPECT_EQ(r.discrete[0].terrainHeight, 0);
    ASSERT_EQ(r.discrete[0].rows.size(), 1u);
    EXPECT_EQ(r.discrete[0].rows[0].concentration, 1.234);
    EXPECT_EQ(r.discrete[0].rows[0].sigmaY, 0);
    EXPECT_EQ(r.discrete[0].rows[0].sigmaZ, 65.2);
    EXPECT_EQ(r.discrete[0].rows[0].dwash, "NO");
}

TEST(ListingReader, MaximumAfterAStoppedSearch)
{
    // SCREEN3 notes a search for the maximum that stopped after 50 steps between the rows and
    // the maximum line.
    std::string text = storedFile("01_point_flat_default", "SCREEN.OUT");
    const std::string heading = "\n\n MAXIMUM 1-HR CONCENTRATION AT OR BEYOND     1. M:";
    text.replace(text.find(heading), 2, "\n  \n ITERATION STOPPED AT 50 - MAX NOT FOUND!!!\n\n");
    const auto r = readListing(text);
    ASSERT_EQ(r.automated.size(), 2u);
    EXPECT_EQ(r.automated[0].rows.size(), 35u);
    ASSERT_TRUE(r.automated[0].maximum);
    EXPECT_EQ(r.automated[0].maximum->distance, 280);
    EXPECT_EQ(r.automated[0].maximum->concentration, 41.59);
}

TEST(ListingReader, SummaryRowsByLabel)
{
    // A summary row whose value takes the exponent form, and one with a shoreline row.
    const std::string text =
        "      *** SUMMARY OF SCREEN MODEL RESULTS ***\n"
        "      ***************************************\n"
        "\n"
        "  CALCULATION        MAX CONC    DIST TO   TERRAIN\n"
        "   PROCEDURE        (UG/M**3)    MAX (M)    HT (M)\n"
        " --------------    -----------   ---------   -------\n"
        " SIMPLE TERRAIN      0.3773E+05       20.        0.\n"
        "\n"
        " COMPLEX TERRAIN     0.4159E-02      900.       50. (24-HR CONC)\n"
        "\n"
        " SHORELINE FUMI       12.34          450.       --\n"
        "\n"
        " INV BREAKUP FUMI     34.99        12163.\n"
        "\n"
        " 1234.   5.0       7.\n"
        "\n"
        " ***************************************************\n"
        " ** REMEMBER TO INCLUDE BACKGROUND CONCENTRATIONS **\n";
    const auto r = readListing(text);
    ASSERT_EQ(r.summary.size(), 4u);  // a row without a label is none
    EXPECT_EQ(r.summaryRow(kSimpleTerrainLabel)->concentration, 37730);
    EXPECT_EQ(r.summaryRow(kComplexTerrainLabel)->concentration, 0.4159e-2);
    EXPECT_EQ(r.summaryRow(kComplexTerrainLabel)->distance, 900);
    EXPECT_EQ(r.summaryRow(kComplexTerrainLabel)->terrainHeight, 50);
    EXPECT_EQ(r.summaryRow(kShorelineFumigationLabel)->distance, 450);
    EXPECT_FALSE(r.summaryRow(kShorelineFumigationLabel)->terrainHeight);
    EXPECT_EQ(r.summaryRow(kCavity1Label), nullptr);
    // Without a terrain column.
    EXPECT_EQ(r.summaryRow(kInversionFumigationLabel)->concentration, 34.99);
    EXPECT_EQ(r.summaryRow(kInversionFumigationLabel)->distance, 12163);
    EXPECT_FALSE(r.summaryRow(kInversionFumigationLabel)->terrainHeight);
}

}  // namespace
}  // namespace qelvo::air
