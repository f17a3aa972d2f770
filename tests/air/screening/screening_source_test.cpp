#include <gtest/gtest.h>

#include "air/screening/screening_source.h"
#include "common/number_format.h"

namespace qelvo::air {
namespace {

TEST(ScreeningSource, VolumeInitialDimensions)
{
    // Length 200 with width 100: 200 / 4.3 = 46.5116.
    EXPECT_EQ(formatSingle(sigmaY0AfterLengthChange(200, 100, 23.2558f)), "46.5116");
    // The changed side must be the longer one; equal sides keep σy0.
    EXPECT_EQ(sigmaY0AfterLengthChange(100, 200, 7), 7);
    EXPECT_EQ(sigmaY0AfterLengthChange(100, 100, 7), 7);
    EXPECT_EQ(formatSingle(sigmaY0AfterWidthChange(100, 150, 7)), "34.8837");  // 150 / 4.3
    EXPECT_EQ(sigmaY0AfterWidthChange(150, 100, 7), 7);
    EXPECT_EQ(sigmaY0AfterWidthChange(100, 100, 7), 7);

    // 15 / 2.15 = 6.97674 on flat ground, 15 / 4.3 = 3.48837 on high ground, building 10 / 2.15 = 4.65116.
    EXPECT_EQ(formatSingle(sigmaZ0ForSite(kOnFlatGround, 15, 10)), "6.97674");
    EXPECT_EQ(formatSingle(sigmaZ0ForSite(kOnHighGround, 15, 10)), "3.48837");
    EXPECT_EQ(formatSingle(sigmaZ0ForSite(kOnBuilding, 15, 10)), "4.65116");

    // The page defaults agree with the rules.
    const ScreeningSource s;
    EXPECT_EQ(formatSingle(s.sigmaZ0), formatSingle(sigmaZ0ForSite(s.volumeSite, s.volumeHeight, 0)));
    EXPECT_EQ(formatSingle(s.sigmaY0), "23.2558");
}

TEST(ScreeningSource, TablesAndRows)
{
    EXPECT_EQ(defaultPollutants(), (std::vector<PollutantEntry>{{"SO2", "1", "0.5"}}));
    EXPECT_EQ(newPollutantRow(), (PollutantEntry{"SO2", "", ""}));
    EXPECT_EQ(nextTerrainRow({}), (TerrainRow{"100", "0"}));
    EXPECT_EQ(nextTerrainRow({{"5000", "0"}}), (TerrainRow{"5100", "0"}));
    EXPECT_EQ(nextTerrainRow({{"5000", "0"}, {"999900", "3"}}), (TerrainRow{"1e+006", "0"}));

    const auto names = estimationPollutantNames();
    ASSERT_EQ(names.size(), 10u);
    EXPECT_EQ(names[0], "SO2");
    EXPECT_EQ(names[9], "甲苯");
    struct Case {
        const char* name;
        const char* standard;
    };
    const Case cases[] = {{"SO2", "0.5"}, {"TSP", "0.9"}, {"PM10", "0.45"}, {"NO2", "0.24"}, {"氟化物", "0.02"},
                          {"HCl", "0.05"}, {"H2S", "0.01"}, {"苯", "2.4"}, {"二甲苯", "0.3"}, {"甲苯", ""},
                          {"VOC", ""}};
    for (const auto& c : cases) EXPECT_EQ(estimationStandard(c.name), c.standard) << c.name;
}

}  // namespace
}  // namespace qelvo::air
