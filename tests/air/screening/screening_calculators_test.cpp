// air.screen3 and air.protection_distance as calculators: their text tables, the engine they
// run on, and results against SCREEN3's own listings.
#include "air/screening/screening_calculators.h"

#include <gtest/gtest.h>

#include "air/screening/listing_reader.h"
#include "common/number_parse.h"
#include "replay_engine.h"

namespace qelvo::air {
namespace {

using testing::FunctionEngine;
using testing::ReplayEngine;

std::string field(const Report& report, const std::string& key)
{
    for (const auto& [k, v] : report.fields)
        if (k == key) return v;
    return "?";
}

// Installs an engine for one test.
class Installed {
public:
    explicit Installed(ScreeningEngine& engine) : previous_(setScreeningEngine(&engine)) {}
    ~Installed() { setScreeningEngine(previous_); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

private:
    ScreeningEngine* previous_;
};

TEST(ScreeningCalculators, TextTablesReadIntoRows)
{
    ScreeningInput in;
    in.pollutantsText = "SO2:1:0.5, NO2 : 0.5 :0.24";
    in.simpleTerrainText = "500:0,1000: 20,2000:30";
    in.arbitraryPointsText = "300,800:40";
    const ScreeningRequest r = readScreeningInput(in);
    ASSERT_FALSE(r.refusal.refused()) << r.refusal.message;
    EXPECT_EQ(r.pollutants, (std::vector<PollutantEntry>{{"SO2", "1", "0.5"}, {"NO2", "0.5", "0.24"}}));
    EXPECT_EQ(r.source.simpleTerrain, (std::vector<TerrainRow>{{"500", "0"}, {"1000", "20"}, {"2000", "30"}}));
    // A distance alone has height 0.
    EXPECT_EQ(r.source.arbitraryPoints, (std::vector<TerrainRow>{{"300", "0"}, {"800", "40"}}));

    in.arbitraryPointsText = "  ";
    EXPECT_TRUE(readScreeningInput(in).source.arbitraryPoints.empty());
}

TEST(ScreeningCalculators, MalformedTablesAreRefusedByName)
{
    struct Case {
        const char* pollutants;
        const char* simple;
        const char* points;
        const char* message;
        const char* key;
    };
    const std::string many(kMaxTerrainRows, ',');
    const std::string manyPollutants(kMaxPollutantRows, ',');
    const Case cases[] = {
        {"SO2:1", "5000:0", "", "污染物应写成 名称:源强:标准，多行之间用逗号分隔，请重新输入！", "pollutants"},
        {"SO2:1:0.5:9", "5000:0", "", "污染物应写成 名称:源强:标准，多行之间用逗号分隔，请重新输入！", "pollutants"},
        {"SO2:1:0.5,", "5000:0", "", "污染物应写成 名称:源强:标准，多行之间用逗号分隔，请重新输入！", "pollutants"},
        {"SO2::0.5", "5000:0", "", "污染物应写成 名称:源强:标准，多行之间用逗号分隔，请重新输入！", "pollutants"},
        {"", "5000:0", "", "至少需要一个污染物，请重新输入！", "pollutants"},
        {manyPollutants.c_str(), "5000:0", "", "污染物最多100行，请重新输入！", "pollutants"},
        {"SO2:1:0.5", "5000:0:1", "",
         "简单地形连续自动点输入应写成 距离:相对源高，多行之间用逗号分隔，请重新输入！", "simpleTerrain"},
        {"SO2:1:0.5", many.c_str(), "", "简单地形连续自动点输入最多1000行，请重新输入！", "simpleTerrain"},
        {"SO2:1:0.5", "5000:0", ",,,", "任意地形任意点输入应写成 距离:相对源高，多行之间用逗号分隔，请重新输入！",
         "arbitraryPoints"},
    };
    for (const auto& c : cases) {
        ScreeningInput in;
        in.pollutantsText = c.pollutants;
        in.simpleTerrainText = c.simple;
        in.arbitraryPointsText = c.points;
        const ScreeningEstimate out = computeScreening(in);
        EXPECT_EQ(out.refusal.message, c.message) << c.pollutants << " | " << c.simple << " | " << c.points;
        EXPECT_EQ(out.refusal.focusKey, c.key);
    }
    // 999 commas are 1000 rows: not refused for their number.
    ScreeningInput in;
    in.arbitraryPointsText = std::string(kMaxTerrainRows - 1, ',');
    EXPECT_NE(readScreeningInput(in).refusal.message.find("应写成"), std::string::npos);
}

TEST(ScreeningCalculators, VolumeDimensionsFollowSidesAndSiteUnlessGiven)
{
    ScreeningInput in;
    in.type = kVolumeSource;
    in.volumeLength = 200;  // 200 / 4.3 = 46.5116
    in.volumeHeight = 30;   // on flat ground 30 / 2.15 = 13.9535
    ScreeningRequest r = readScreeningInput(in);
    EXPECT_EQ(formatSingle(r.source.sigmaY0), "46.5116");
    EXPECT_EQ(formatSingle(r.source.sigmaZ0), "13.9535");
    in.volumeSite = kOnBuilding;  // building 10 m: 10 / 2.15 = 4.65116
    EXPECT_EQ(formatSingle(readScreeningInput(in).source.sigmaZ0), "4.65116");
    in.sigmaY0Given = in.sigmaZ0Given = 1;
    in.sigmaY0 = 7;
    in.sigmaZ0 = 3;
    r = readScreeningInput(in);
    EXPECT_EQ(r.source.sigmaY0, 7);
    EXPECT_EQ(r.source.sigmaZ0, 3);
}

TEST(ScreeningCalculators, DefaultPointSourceAgreesWithScreen3)
{
    // The defaults are the stored case 01: SCREEN3 prints 41.59 µg/m³ at 280 m, terrain 0.
    // Cmax = 0.04159 mg/m³, P = 41.59 / 0.5 × 0.1 = 8.318 % → 三级 by HJ2.2-2008, 一级 needs
    // ≥ 10 % by HJ2.2-2018 so 二级 there (≥ 1 %); no row reaches 10 %, so no D10.
    const auto run = [](int criterion) {
        ScreeningInput in;
        in.criterion = criterion;
        return evaluate(screen3Calculator(), in);
    };
    const auto e = run(0);
    ASSERT_FALSE(e.refusal.refused()) << e.refusal.message;
    EXPECT_EQ(field(e.report, "dominant"), "SO2");
    EXPECT_NEAR(leadingNumber(field(e.report, "Cmax")), 0.04159, 0.000011);
    EXPECT_NEAR(leadingNumber(field(e.report, "Pmax")), 8.318, 0.0021);
    EXPECT_EQ(field(e.report, "Dmax"), "280");
    EXPECT_EQ(field(e.report, "Hmax"), "0");
    EXPECT_EQ(field(e.report, "D10"), "");
    EXPECT_TRUE(e.report.text.starts_with("所筛选的污染物中SO2的Pmax最大\n建议评价工作等级：三级\n")) << e.report.text;
    EXPECT_NE(e.report.text.find("估算模型：内置估算模型\n"), std::string::npos);
    ASSERT_EQ(e.report.tables.size(), 1u);
    EXPECT_EQ(e.report.tables[0].name, "估算模式Screen3计算结果");
    // 35 + 14 automated rows and the maximum row.
    EXPECT_EQ(e.report.tables[0].rows.size(), 50u);
    EXPECT_TRUE(run(1).report.text.starts_with("所筛选的污染物中SO2的Pmax最大\n建议评价工作等级：二级\n"));
}

TEST(ScreeningCalculators, ListingOnRequest)
{
    ScreeningInput in;
    in.pollutantsText = "SO2:1:0.5,NO2:1:0.24";
    const auto plain = evaluate(screen3Calculator(), in);
    EXPECT_EQ(plain.report.text.find("SUMMARY OF SCREEN MODEL RESULTS"), std::string::npos);
    in.listing = 1;
    const auto with = evaluate(screen3Calculator(), in);
    const std::string& text = with.report.text;
    // One listing per pollutant after the report, each titled with its pollutant.
    const auto so2 = text.find("For 污染物SO2:"), no2 = text.find("For 污染物NO2:");
    ASSERT_NE(so2, std::string::npos);
    ASSERT_NE(no2, std::string::npos);
    EXPECT_LT(so2, no2);
    EXPECT_GT(so2, text.find("各污染物详细结果如下："));
}

TEST(ScreeningCalculators, RunOnTheInstalledEngine)
{
    // SCREEN3's listing of the default source: the values it printed, exactly.
    const std::string listing = testing::storedFile("01_point_flat_default", "SCREEN.OUT");
    FunctionEngine stored([&](const std::string&) { return ScreeningOutcome{readListing(listing), {}}; }, 50, "SCREEN3");
    {
        const Installed installed(stored);
        const auto e = evaluate(screen3Calculator(), ScreeningInput{});
        ASSERT_FALSE(e.refusal.refused()) << e.refusal.message;
        EXPECT_EQ(field(e.report, "Cmax"), "0.04159");
        EXPECT_EQ(field(e.report, "Pmax"), "8.318");
        EXPECT_NE(e.report.text.find("估算模型：SCREEN3\n"), std::string::npos);
    }
    ASSERT_EQ(stored.decks.size(), 1u);
    EXPECT_TRUE(stored.decks[0].starts_with("SCRENN3 Input Generated by Qelvo环评计算软件 For 污染物SO2:\nP\n 1\n 30\n"));

    // An engine that cannot run says why, in place of a result.
    FunctionEngine missing([](const std::string&) { return ScreeningOutcome{{}, "找不到SCREEN3程序！"}; }, 50);
    const Installed installed(missing);
    ScreeningInput in;
    in.pollutantsText = "SO2:1:0.5,NO2:1:0.24";
    const auto e = evaluate(screen3Calculator(), in);
    EXPECT_EQ(e.refusal.message, "找不到SCREEN3程序！");
    const auto p = evaluate(protectionDistanceCalculator(), ProtectionInput{});
    EXPECT_EQ(p.refusal.message, "找不到SCREEN3程序！");
}

TEST(ScreeningCalculators, SomeRunsFailingAreMessages)
{
    const std::string listing = testing::storedFile("01_point_flat_default", "SCREEN.OUT");
    FunctionEngine halfway(
        [&](const std::string& deck) {
            if (deck.find("NO2") != std::string::npos) return ScreeningOutcome{{}, "程序“screen3”异常终止！"};
            return ScreeningOutcome{readListing(listing), {}};
        },
        50);
    const Installed installed(halfway);
    ScreeningInput in;
    in.pollutantsText = "SO2:1:0.5,NO2:1:0.24";
    const auto e = evaluate(screen3Calculator(), in);
    ASSERT_FALSE(e.refusal.refused());
    EXPECT_EQ(e.report.messages, std::vector<std::string>{"NO2：程序“screen3”异常终止！"});
    EXPECT_EQ(field(e.report, "dominant"), "SO2");
}

TEST(ScreeningCalculators, ProtectionDistanceAgreesWithScreen3)
{
    // He = W = L = 2 m, Q = 10 g/s: SCREEN3's rows (three runs of at most 50 distances) put
    // the last exceedance of 0.6, 0.3 and 0.1 mg/m³ at 1050, 1700 and 3850 m.
    struct Case {
        float S;
        const char* text;
    };
    const Case cases[] = {
        {0.6f, "大气环境防护距离建议值 = 1100[m]"},
        {0.3f, "大气环境防护距离建议值 = 1750[m]"},
        {0.1f, "最大超标距离 = 3900[m]\n最大超标距离大于2000米，污染源强可能超标，建议削减源强后，再计算。"},
        {1000, "无超标点"},
    };
    for (const auto& c : cases) {
        ProtectionInput in;
        in.S = c.S;
        const auto builtin = evaluate(protectionDistanceCalculator(), in);
        EXPECT_EQ(builtin.report.text, c.text) << c.S;
        ReplayEngine replay;
        const Installed installed(replay);
        EXPECT_EQ(evaluate(protectionDistanceCalculator(), in).report.text, c.text) << c.S;
        EXPECT_EQ(replay.decks.size(), 3u);  // 50 + 50 + 8 distances
    }
    ProtectionInput narrow;
    narrow.L = 30;
    EXPECT_EQ(evaluate(protectionDistanceCalculator(), narrow).refusal.message,
              "要求面源的两条边比值不超过10，超出的宜分成多个面源！");
}

}  // namespace
}  // namespace qelvo::air
