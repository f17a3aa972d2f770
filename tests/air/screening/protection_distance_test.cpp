#include <gtest/gtest.h>

#include "air/screening/deck_writer.h"
#include "air/screening/protection_distance.h"
#include "common/number_parse.h"
#include "replay_engine.h"

namespace qelvo::air {
namespace {

using testing::FunctionEngine;
using testing::ReplayEngine;
using Kind = ProtectionDecision::Kind;

// Rows at the 108 listed distances: `high` µg/m³ up to `reach` m, 1 µg/m³ beyond.
std::map<double, double> exceedingUpTo(double reach, double high = 5000)
{
    std::map<double, double> rows;
    for (const double d : protectionDistances()) rows[d] = d <= reach ? high : 1;
    return rows;
}

TEST(ProtectionDistance, Decision)
{
    // S = 2.4 mg/m³ is 2400 µg/m³.
    struct Case {
        const char* what;
        std::map<double, double> rows;
        Kind kind;
        double distance;
        const char* text;
    };
    auto only5000 = exceedingUpTo(0);
    only5000[5000] = 2401;
    auto equal5000 = exceedingUpTo(0);
    equal5000[5000] = 2400;  // not above the standard: the search from 4950 m finds nothing
    auto gap = exceedingUpTo(0);
    gap[10] = gap[1000] = 2400;  // reaching the standard counts
    const Case cases[] = {
        {"10 m only", exceedingUpTo(10), Kind::Recommended, 20, "大气环境防护距离建议值 = 20[m]"},
        {"up to 100 m", exceedingUpTo(100), Kind::Recommended, 150, "大气环境防护距离建议值 = 150[m]"},
        {"up to 1950 m", exceedingUpTo(1950), Kind::Recommended, 2000, "大气环境防护距离建议值 = 2000[m]"},
        {"up to 2000 m", exceedingUpTo(2000), Kind::Beyond2000, 2050,
         "最大超标距离 = 2050[m]\n最大超标距离大于2000米，污染源强可能超标，建议削减源强后，再计算。"},
        {"up to 4950 m", exceedingUpTo(4950), Kind::Beyond2000, 5000,
         "最大超标距离 = 5000[m]\n最大超标距离大于2000米，污染源强可能超标，建议削减源强后，再计算。"},
        {"5000 m", exceedingUpTo(5000), Kind::Beyond5000, 5000,
         "最大超标距离大于5000米，污染源强可能超标，建议削减源强后，再计算。"},
        {"5000 m alone", only5000, Kind::Beyond5000, 5000,
         "最大超标距离大于5000米，污染源强可能超标，建议削减源强后，再计算。"},
        {"5000 m at the standard", equal5000, Kind::NoExceedance, 0, "无超标点"},
        {"farthest of two", gap, Kind::Recommended, 1050, "大气环境防护距离建议值 = 1050[m]"},
        {"nowhere", exceedingUpTo(0), Kind::NoExceedance, 0, "无超标点"},
    };
    for (const auto& c : cases) {
        const auto d = decideProtection(c.rows, 2.4f);
        EXPECT_EQ(d.kind, c.kind) << c.what;
        EXPECT_EQ(d.distance, c.distance) << c.what;
        EXPECT_EQ(d.text, c.text) << c.what;
    }
    // A listed distance without a row gives no result.
    auto missing = exceedingUpTo(10);
    missing.erase(150);
    const auto d = decideProtection(missing, 2.4f);
    EXPECT_EQ(d.kind, Kind::Incomplete);
    EXPECT_EQ(d.text, "估算结果中没有150 m处的浓度，无法确定大气环境防护距离。");
}

TEST(ProtectionDistance, Checks)
{
    struct Case {
        float W, L, He, Q, S;
        const char* message;
        const char* focus;
    };
    const char* ratio = "要求面源的两条边比值不超过10，超出的宜分成多个面源！";
    const Case cases[] = {
        {2, 30, 2, 10, 2.4f, ratio, "W"},
        {30, 2, 2, 10, 2.4f, ratio, "W"},
        {2, 20, 2, 10, 2.4f, "", ""},  // exactly 10
        {0.5f, 2, 2, 10, 2.4f, "", ""},
        {20, 2, 2, 10, 2.4f, "", ""},
        {0, 2, 2, 10, 2.4f, "面源宽度和长度必须大于0，请重新输入！", "W"},
        {2, 0, 2, 10, 2.4f, "面源宽度和长度必须大于0，请重新输入！", "W"},
        {0, 0, 2, 10, 2.4f, "面源宽度和长度必须大于0，请重新输入！", "W"},
        {-2, -2, 2, 10, 2.4f, "面源宽度和长度必须大于0，请重新输入！", "W"},
        {2, 2, -1, 10, 2.4f, "不能是负数，请重新输入", "He"},
        {2, 2, 0, 10, 2.4f, "", ""},
        {2, 2, 2, 0, 2.4f, "污染源强必须大于0，请重新输入！", "Q"},
        {2, 2, 2, 0.5f, 0.5f, "", ""},
        {2, 2, 2, 10, 0, "环境标准浓度限值必须大于0，请重新输入！", "S"},
    };
    for (const auto& c : cases) {
        ProtectionInput in;
        in.W = c.W, in.L = c.L, in.He = c.He, in.Q = c.Q, in.S = c.S;
        const Refusal r = checkProtection(in);
        EXPECT_EQ(r.message, c.message) << c.W << " " << c.L;
        EXPECT_EQ(r.focusKey, c.focus) << c.W << " " << c.L;
    }
}

TEST(ProtectionDistance, StoredSplitListings)
{
    // The page default source (He = W = L = 2 m, Q = 10 g/s) in three decks of 50, 50 and 8
    // distances, replayed from SCREEN3's listings and joined by distance:
    // 2.4 mg/m³: 450 m has 2499 µg/m³, 500 m 2087 → 500 m.
    // 0.6: 1050 m 625.5, 1100 m 582.3 → 1100 m. 0.3: 1700 m 304.9, 1750 m 292.4 → 1750 m.
    // 0.1: 3850 m 101.0, 3900 m 99.37 → 3900 m (both in the second listing).
    // 0.08: 4600 m 80.8 (second listing), 4650 m 79.72 (third) → 4650 m.
    // 0.073: 4950 m 73.82, 5000 m 72.91 → 5000 m. 0.07: the 5000 m row is above 70.
    struct Case {
        float S;
        const char* text;
    };
    const Case cases[] = {
        {2.4f, "大气环境防护距离建议值 = 500[m]"},
        {0.6f, "大气环境防护距离建议值 = 1100[m]"},
        {0.3f, "大气环境防护距离建议值 = 1750[m]"},
        {0.1f, "最大超标距离 = 3900[m]\n最大超标距离大于2000米，污染源强可能超标，建议削减源强后，再计算。"},
        {0.08f, "最大超标距离 = 4650[m]\n最大超标距离大于2000米，污染源强可能超标，建议削减源强后，再计算。"},
        {0.073f, "最大超标距离 = 5000[m]\n最大超标距离大于2000米，污染源强可能超标，建议削减源强后，再计算。"},
        {0.07f, "最大超标距离大于5000米，污染源强可能超标，建议削减源强后，再计算。"},
        {500, "无超标点"},
    };
    for (const auto& c : cases) {
        ReplayEngine engine;
        ProtectionInput in;
        in.S = c.S;
        const ProtectionOutcome out = runProtectionDistance(in, engine);
        EXPECT_TRUE(out.failure.empty()) << c.S << ": " << out.failure;
        EXPECT_EQ(out.text, c.text) << c.S;
        EXPECT_EQ(engine.decks.size(), 3u);
    }
}

TEST(ProtectionDistance, RunsAndFailures)
{
    // An engine without a limit gets one deck; its rows are the 108 distances with a
    // concentration of 100000 / distance µg/m³: against 0.2 mg/m³ the farthest exceedance is
    // 500 m (200 µg/m³), so 550 m is recommended.
    const auto rowsOf = [](const std::string& deck) {
        ScreeningResult r;
        ScreeningSection s;
        std::size_t at = deck.find("\nY\n", deck.find("\n 1\nN")) + 3;
        while (true) {
            const std::size_t end = deck.find('\n', at);
            const double d = leadingNumber(deck.substr(at, end - at));
            if (d == 0) break;
            s.rows.push_back({.distance = d, .concentration = 100000 / d});
            at = end + 1;
        }
        r.discrete.push_back(s);
        return ScreeningOutcome{r, {}};
    };
    FunctionEngine whole(rowsOf, 0);
    ProtectionInput in;
    in.S = 0.2f;
    ProtectionOutcome out = runProtectionDistance(in, whole);
    EXPECT_EQ(whole.decks.size(), 1u);
    EXPECT_EQ(out.text, "大气环境防护距离建议值 = 550[m]");
    EXPECT_EQ(out.decision.kind, Kind::Recommended);

    FunctionEngine small(rowsOf, 30);
    out = runProtectionDistance(in, small);
    EXPECT_EQ(small.decks.size(), 4u);  // 30 + 30 + 30 + 18
    EXPECT_EQ(out.text, "大气环境防护距离建议值 = 550[m]");

    // Refused input reaches no engine.
    in.W = 30;
    out = runProtectionDistance(in, small);
    EXPECT_EQ(out.refusal.focusKey, "W");
    EXPECT_EQ(small.decks.size(), 4u);
    EXPECT_TRUE(out.text.empty());

    // A failed run gives no result text.
    FunctionEngine failing([](const std::string&) { return ScreeningOutcome{std::nullopt, "超过120秒未结束"}; }, 50);
    out = runProtectionDistance({}, failing);
    EXPECT_EQ(out.failure, "超过120秒未结束");
    EXPECT_TRUE(out.text.empty());
    EXPECT_FALSE(out.cancelled);
    EXPECT_EQ(failing.decks.size(), 1u);

    // A listing without the rows gives no result either.
    FunctionEngine empty([](const std::string&) { return ScreeningOutcome{ScreeningResult{}, {}}; }, 50);
    out = runProtectionDistance({}, empty);
    EXPECT_EQ(out.failure, "估算结果中没有10 m处的浓度，无法确定大气环境防护距离。");
    EXPECT_TRUE(out.text.empty());

    // Cancelled between runs.
    int asked = 0;
    out = runProtectionDistance({}, small, [&] { return ++asked > 1; });
    EXPECT_TRUE(out.cancelled);
    EXPECT_TRUE(out.text.empty());
}

TEST(ProtectionDistance, JoinByDistance)
{
    ScreeningResult a, b;
    a.discrete.push_back({0, {{.distance = 10, .concentration = 5}, {.distance = 20, .concentration = 4}}, {}});
    b.discrete.push_back({0, {{.distance = 20, .concentration = 9}, {.distance = 30, .concentration = 3}}, {}});
    b.automated.push_back({0, {{.distance = 40, .concentration = 2}}, {}});
    const auto rows = joinByDistance({a, b});
    EXPECT_EQ(rows, (std::map<double, double>{{10, 5}, {20, 4}, {30, 3}, {40, 2}}));
}

TEST(ProtectionDistance, ButtonTexts)
{
    EXPECT_EQ(std::string(kProtectionButtonText), "计  算");
    EXPECT_EQ(std::string(kProtectionBusyText), "正在计算...");
}

}  // namespace
}  // namespace qelvo::air
