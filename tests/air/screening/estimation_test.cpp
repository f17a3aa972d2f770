#include <gtest/gtest.h>

#include "air/screening/builtin_engine.h"
#include "air/screening/estimation.h"
#include "air/screening/listing_reader.h"
#include "common/number_parse.h"
#include "replay_engine.h"

namespace qelvo::air {
namespace {

using testing::FunctionEngine;
using testing::ReplayEngine;
using testing::storedFile;

using Rows = std::vector<std::pair<double, double>>;  // distance, µg/m³

ScreeningResult crafted(const std::vector<Rows>& sections, std::vector<SummaryRow> summary)
{
    ScreeningResult r;
    for (const auto& rows : sections) {
        ScreeningSection s;
        for (const auto& [d, c] : rows) s.rows.push_back({.distance = d, .concentration = c});
        r.automated.push_back(s);
    }
    r.summary = std::move(summary);
    return r;
}

RunPollutant always(const ScreeningResult& r)
{
    return [r](std::string_view, double) { return PollutantRun{{}, {r, {}}}; };
}

std::vector<std::string> column(const Table& t, std::size_t c)
{
    std::vector<std::string> out;
    for (const auto& row : t.rows) out.push_back(row[c]);
    return out;
}

// The source of stored case 13: a 25 m stack, one discrete distance at 10 m terrain, two
// complex-terrain points.
ScreeningSource case13()
{
    ScreeningSource s;
    s.stackHeight = 25;
    s.stackDiameter = 1;
    s.exitVelocity = 8;
    s.exitTemperature = 150;
    s.ambientTemperature = 15;
    s.simpleTerrain = {{"4000", "0"}};
    s.arbitraryPoints = {{"2500", "40"}, {"1200", "10"}, {"6000", "60"}};
    return s;
}

TEST(Estimation, TableAndReportFromAStoredListing)
{
    ReplayEngine engine;
    const Estimation e = runEstimation(case13(), {{"SO2", "8", "0.5"}}, GradeCriterion::Hj2008, engine);
    ASSERT_FALSE(e.refusal.refused()) << e.refusal.message;
    ASSERT_TRUE(e.failures.empty()) << e.failures[0];
    ASSERT_EQ(engine.decks.size(), 1u);

    const Table& t = e.table;
    EXPECT_EQ(t.name, "估算模式Screen3计算结果");
    EXPECT_EQ(t.columns, (std::vector<std::string>{"序号", "地形", "距离m", "源高m", "SO2下风向浓度mg／m＾3",
                                                   "SO2浓度占标率％"}));
    // 33 + 16 automated rows, the maximum row, 1 discrete row, 2 valley rows.
    ASSERT_EQ(t.rows.size(), 53u);
    using R = std::vector<std::string>;
    EXPECT_EQ(t.rows[0], (R{"1", "简单地形", "1", "0", "0", "0"}));
    // 1200 m: 100.3 µg/m³ → 0.1003 mg/m³, 100.3 / 0.5 × 0.1 = 20.06 %.
    EXPECT_EQ(t.rows[12], (R{"13", "简单地形", "1200", "0", "0.1003", "20.06"}));
    // The maximum is the discrete entry 143.8 µg/m³ at 1200 m, 10 m terrain: 143.8 / 0.5 × 0.1 = 28.76 %.
    EXPECT_EQ(t.rows[13], (R{"14", "最大值简单地形", "1200", "10", "0.1438", "28.76"}));
    EXPECT_EQ(t.rows[14], (R{"15", "简单地形", "1300", "0", "0.09828", "19.656"}));
    // The closing range repeats 4000 m: 71.55 / 0.5 × 0.1 = 14.31 %.
    EXPECT_EQ(t.rows[34], (R{"35", "简单地形", "4000", "0", "0.07155", "14.31"}));
    EXPECT_EQ(t.rows[49], (R{"50", "简单地形", "25000", "0", "0.02417", "4.834"}));
    EXPECT_EQ(t.rows[50], (R{"51", "简单地形", "1200", "10", "0.1438", "28.76"}));
    // Valley rows take the MAX 24-HR column: 105.4 (not the valley value 19.44) and 6.815.
    EXPECT_EQ(t.rows[51], (R{"52", "复杂地形", "2500", "40", "0.1054", "21.08"}));
    EXPECT_EQ(t.rows[52], (R{"53", "复杂地形", "6000", "60", "0.006815", "1.363"}));

    ASSERT_EQ(e.colours.size(), t.rows.size());
    for (std::size_t c = 0; c < 6; ++c) EXPECT_EQ(e.colours[13][c], kMaximumRowColour) << c;
    EXPECT_FALSE(e.colours[0][2]);
    EXPECT_EQ(e.colours[0][4], pollutantColour(0));
    EXPECT_EQ(e.colours[52][5], pollutantColour(0));

    ASSERT_EQ(e.pollutants.size(), 1u);
    const auto& p = e.pollutants[0];
    EXPECT_TRUE(p.computed);
    EXPECT_FLOAT_EQ(p.cmax, 0.1438f);
    EXPECT_FLOAT_EQ(p.p, 28.76f);
    EXPECT_EQ(p.dmax, 1200);
    EXPECT_EQ(p.hmax, 10);
    // From the last row up, the first at 10 % or more is the 2500 m valley row (21.08 %).
    EXPECT_EQ(p.d10, 2500);
    EXPECT_EQ(p.d10Text, "2500");
    EXPECT_EQ(p.listing, storedFile("13_point_complex_terrain_valley", "SCREEN.OUT"));
    EXPECT_EQ(e.dominant, 0);
    EXPECT_EQ(e.details, "SO2:Pmax=28.76[%];D10=2500[m]\n");
    EXPECT_EQ(e.report,
              "所筛选的污染物中SO2的Pmax最大\n"
              "建议评价工作等级：二级\n如果污染源距厂界最近距离>2500m,调整评价工作等级为三级。\n"
              "SO2下风向最大浓度C：0.1438 [mg/m^3],浓度占标率P：28.76 [％]\n"
              "下风向最大距离：1200 [m],相对源高：10 [m]\n"
              "各污染物详细结果如下：\n"
              "SO2:Pmax=28.76[%];D10=2500[m]\n"
              "估算模型：SCREEN3\n");

    // HJ2.2-2018: 28.76 % ≥ 10 % is 一级, in the same report.
    const Estimation e18 = runEstimation(case13(), {{"SO2", "8", "0.5"}}, GradeCriterion::Hj2018, engine);
    EXPECT_EQ(e18.grade, "一级");
    EXPECT_EQ(e18.report.substr(0, e18.report.find("SO2下风向")),
              "所筛选的污染物中SO2的Pmax最大\n建议评价工作等级：一级\n");
    EXPECT_EQ(e18.table.rows, t.rows);
}

// Stored listing 13 scaled to the emission rate of the deck (the concentrations are linear in Q).
ScreeningOutcome scaledCase13(const std::string& deck)
{
    const std::size_t q = deck.find("\nP\n") + 3;
    const double factor = leadingNumber(deck.substr(q, deck.find('\n', q) - q)) / 8;
    ScreeningResult r = readListing(storedFile("13_point_complex_terrain_valley", "SCREEN.OUT"));
    for (auto& s : r.automated)
        for (auto& row : s.rows) row.concentration *= factor;
    for (auto& s : r.discrete)
        for (auto& row : s.rows) row.concentration *= factor;
    for (auto& v : r.valley) v.max24h *= factor;
    for (auto& s : r.summary) s.concentration *= factor;
    return {r, {}};
}

TEST(Estimation, LaterPollutantsFillTheSameRows)
{
    FunctionEngine engine(scaledCase13, 50, "内置估算模型");
    const Estimation e = runEstimation(case13(), {{"SO2", "8", "0.5"}, {"NO2", "4", "0.24"}, {"TSP", "16", "1"}},
                                       GradeCriterion::Hj2008, engine);
    ASSERT_FALSE(e.refusal.refused());
    ASSERT_EQ(engine.decks.size(), 3u);
    EXPECT_NE(engine.decks[1].find("For 污染物NO2:\nP\n 4\n"), std::string::npos);
    const Table& t = e.table;
    ASSERT_EQ(t.columns.size(), 10u);
    EXPECT_EQ(t.columns[6], "NO2下风向浓度mg／m＾3");
    EXPECT_EQ(t.columns[9], "TSP浓度占标率％");
    ASSERT_EQ(t.rows.size(), 53u);
    // NO2 at half the rate: 71.9 µg/m³ → 0.0719 mg/m³, 71.9 / 0.24 × 0.1 = 29.9583 %.
    EXPECT_EQ(t.rows[13][6], "0.0719");
    EXPECT_EQ(t.rows[13][7], "29.9583");
    // TSP at twice the rate against 1 mg/m³: 287.6 µg/m³ → 28.76 %.
    EXPECT_EQ(t.rows[13][8], "0.2876");
    EXPECT_EQ(t.rows[13][9], "28.76");
    // Valley row 2500 m for NO2: 52.7 → 0.0527, 52.7 / 0.24 × 0.1 = 21.9583 %.
    EXPECT_EQ(t.rows[51][6], "0.0527");
    EXPECT_EQ(t.rows[51][7], "21.9583");
    EXPECT_EQ(e.colours[51][6], pollutantColour(1));
    EXPECT_EQ(e.colours[51][9], pollutantColour(2));
    EXPECT_EQ(e.colours[13][7], kMaximumRowColour);
    EXPECT_NE(pollutantColour(0), pollutantColour(1));

    // NO2 has the largest P; TSP ties SO2.
    EXPECT_EQ(e.dominant, 1);
    EXPECT_EQ(e.details,
              "SO2:Pmax=28.76[%];D10=2500[m]\nNO2:Pmax=29.9583[%];D10=2500[m]\nTSP:Pmax=28.76[%];D10=2500[m]\n");
    EXPECT_EQ(e.report.substr(0, e.report.find("各污染物")),
              "所筛选的污染物中NO2的Pmax最大\n"
              "建议评价工作等级：二级\n如果污染源距厂界最近距离>2500m,调整评价工作等级为三级。\n"
              "NO2下风向最大浓度C：0.0719 [mg/m^3],浓度占标率P：29.9583 [％]\n"
              "下风向最大距离：1200 [m],相对源高：10 [m]\n");
    EXPECT_TRUE(e.report.ends_with("估算模型：内置估算模型\n"));
}

TEST(Estimation, PollutantColours)
{
    // Eight light, distinct colours, repeated from the ninth pollutant on.
    for (std::size_t i = 0; i < 8; ++i) {
        const Rgb c = pollutantColour(i);
        for (const int channel : {c.r, c.g, c.b}) {
            EXPECT_GE(channel, 170) << i;
            EXPECT_LE(channel, 255) << i;
        }
        EXPECT_GE(std::max(c.g, c.b), c.r) << i;  // blue or green, never reddish
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(pollutantColour(j), c) << i << " " << j;
        EXPECT_EQ(pollutantColour(i + 8), c);
    }
}

TEST(Estimation, GradeRules)
{
    struct Case {
        float pmax, d10;
        GradeCriterion criterion;
        const char* grade;
    };
    const auto y8 = GradeCriterion::Hj2008, y18 = GradeCriterion::Hj2018;
    const Case cases[] = {
        {85, 6000, y8, "一级"},
        {85, 4000, y8, "二级\n如果污染源距厂界最近距离>4000m,调整评价工作等级为三级。"},
        {80, 5000, y8, "一级"},
        {79.9f, 5000, y8, "二级\n如果污染源距厂界最近距离>5000m,调整评价工作等级为三级。"},
        {80, 4999, y8, "二级\n如果污染源距厂界最近距离>4999m,调整评价工作等级为三级。"},
        {9.9f, 6000, y8, "三级"},
        {12, 0, y8, "三级"},
        {10, 25, y8, "二级\n如果污染源距厂界最近距离>25m,调整评价工作等级为三级。"},
        {0, 0, y8, "三级"},
        {85, 4000, y18, "一级"},
        {12, 0, y18, "一级"},
        {10, 0, y18, "一级"},
        {9.9f, 6000, y18, "二级"},
        {1, 0, y18, "二级"},
        {0.99f, 0, y18, "三级"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(gradeText(c.pmax, c.d10, c.criterion), c.grade) << c.pmax << " " << c.d10;
}

TEST(Estimation, D10)
{
    Table t;
    t.rows = {{"1", "简单地形", "100", "0", "0.1", "20"},
              {"2", "简单地形", "200", "0", "0.05", "10"},
              {"3", "简单地形", "300", "0", "0.049", "9.99999"},
              {"4", "简单地形", "25000", "0", "", ""}};
    EXPECT_EQ(findD10(t, 5).distance, 200);  // 10 % counts
    EXPECT_EQ(findD10(t, 5).text, "200");
    t.rows[3][5] = "10.5";  // the last row reaches 10 %: "大于" and its distance text
    EXPECT_EQ(findD10(t, 5).distance, 25000);
    EXPECT_EQ(findD10(t, 5).text, "大于25000");
    t.rows[3][5] = "1";
    t.rows[1][5] = "9";
    t.rows[0][5] = "9.9";
    EXPECT_EQ(findD10(t, 5).distance, 0);
    EXPECT_EQ(findD10(t, 5).text, "");
    EXPECT_EQ(findD10(Table{}, 5).text, "");
    t.rows[0][5] = "10";  // only the first row
    EXPECT_EQ(findD10(t, 5).distance, 100);
    EXPECT_EQ(findD10(t, 5).text, "100");
}

TEST(Estimation, D10BeyondTheLastRowInTheDetails)
{
    // 100 µg/m³ everywhere against 0.5 mg/m³ is 20 %: the last row reaches 10 %.
    const auto r = crafted({{{1, 100}, {100, 100}, {5000, 100}}}, {{"SIMPLE TERRAIN", 100, 100, 0.0}});
    const Estimation e = estimate({{"SO2", "1", "0.5"}}, GradeCriterion::Hj2008, "", always(r));
    EXPECT_EQ(e.pollutants[0].d10Text, "大于5000");
    EXPECT_EQ(e.details, "SO2:Pmax=20[%];D10=大于5000[m]\n");
    EXPECT_EQ(e.grade, "二级\n如果污染源距厂界最近距离>5000m,调整评价工作等级为三级。");
    EXPECT_FALSE(e.report.ends_with("估算模型：\n"));  // no engine name, no engine line
    EXPECT_TRUE(e.report.ends_with("D10=大于5000[m]\n"));
}

TEST(Estimation, MaximumRowPlacement)
{
    const std::vector<Rows> sections{{{1, 0}, {100, 5}, {200, 9}, {300, 8}}, {{300, 8}, {400, 7}}};
    struct Case {
        double dmax;
        std::vector<std::string> distances;
    };
    const Case cases[] = {
        {250, {"1", "100", "200", "250", "300", "300", "400"}},
        {200, {"1", "100", "200", "200", "300", "300", "400"}},
        {300, {"1", "100", "200", "300", "300", "300", "400"}},  // after the repeated 300 m row
        {450, {"1", "100", "200", "300", "300", "400", "450"}},
        {0.5, {"0.5", "1", "100", "200", "300", "300", "400"}},
    };
    for (const auto& c : cases) {
        const auto r = crafted(sections, {{"SIMPLE TERRAIN", 9.5, c.dmax, 0.0}});
        const Estimation e = estimate({{"SO2", "1", "0.5"}}, GradeCriterion::Hj2008, "", always(r));
        EXPECT_EQ(column(e.table, 2), c.distances) << c.dmax;
        EXPECT_EQ(column(e.table, 0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
    }
    // Without a summary row there is no maximum row, and every value is 0.
    const Estimation none = estimate({{"SO2", "1", "0.5"}}, GradeCriterion::Hj2008, "", always(crafted(sections, {})));
    EXPECT_EQ(none.table.rows.size(), 6u);
    EXPECT_EQ(none.dominant, -1);
    EXPECT_EQ(none.report,
              "所筛选的污染物中的Pmax最大\n建议评价工作等级：三级\n下风向最大浓度C：0 [mg/m^3],浓度占标率P：0 [％]\n"
              "下风向最大距离：0 [m],相对源高：0 [m]\n各污染物详细结果如下：\nSO2:Pmax=0[%];D10=[m]\n");
}

TEST(Estimation, SummaryRowChoiceByLabel)
{
    const std::vector<Rows> sections{{{1, 0}, {1000, 50}, {3000, 20}}};
    // A cavity row above the simple-terrain row is not a complex-terrain maximum.
    auto r = crafted(sections, {{"SIMPLE TERRAIN", 60, 900, 0.0}, {"BLDG. CAVITY-1", 133.3, 117, std::nullopt}});
    EXPECT_EQ(chosenSummaryRow(r)->label, "SIMPLE TERRAIN");
    Estimation e = estimate({{"SO2", "1", "0.5"}}, GradeCriterion::Hj2008, "", always(r));
    EXPECT_EQ(e.table.rows[1], (std::vector<std::string>{"2", "最大值简单地形", "900", "0", "0.06", "12"}));

    // A larger complex-terrain value gives the complex maximum row (24-hour).
    r.summary = {{"SIMPLE TERRAIN", 60, 900, 0.0}, {"COMPLEX TERRAIN", 70, 2500, 40.0}};
    e = estimate({{"SO2", "1", "0.5"}}, GradeCriterion::Hj2008, "", always(r));
    EXPECT_EQ(e.table.rows[2], (std::vector<std::string>{"3", "最大值复杂地形(24小时)", "2500", "40", "0.07", "14"}));
    EXPECT_EQ(e.pollutants[0].hmax, 40);

    // A row without a terrain height gives Hmax 0.
    r.summary = {{"SIMPLE TERRAIN", 60, 900, std::nullopt}};
    e = estimate({{"SO2", "1", "0.5"}}, GradeCriterion::Hj2008, "", always(r));
    EXPECT_EQ(e.table.rows[1][3], "0");
    EXPECT_EQ(e.pollutants[0].hmax, 0);

    // A tie takes the simple-terrain row.
    r.summary = {{"SIMPLE TERRAIN", 60, 900, 0.0}, {"COMPLEX TERRAIN", 60, 2500, 40.0}};
    EXPECT_EQ(chosenSummaryRow(r)->label, "SIMPLE TERRAIN");
    // A complex-terrain row alone is chosen; neither gives none.
    r.summary.erase(r.summary.begin());
    EXPECT_EQ(chosenSummaryRow(r)->label, "COMPLEX TERRAIN");
    r.summary = {{"INV BREAKUP FUMI", 34.99, 12163, std::nullopt}};
    EXPECT_EQ(chosenSummaryRow(r), nullptr);
}

TEST(Estimation, CellsShowSixDigits)
{
    auto r = crafted({{{1234.5678, 123.456789}}}, {{"SIMPLE TERRAIN", 123.456789, 1234.5678, 12.3456789}});
    r.automated[0].terrainHeight = 12.3456789;
    const Estimation e = estimate({{"SO2", "1", "0.3"}}, GradeCriterion::Hj2008, "", always(r));
    // 123.456789 / 0.3 × 0.1 = 41.152263
    EXPECT_EQ(e.table.rows[0], (std::vector<std::string>{"1", "简单地形", "1234.57", "12.3457", "0.123457", "41.1523"}));
    EXPECT_EQ(e.table.rows[1], (std::vector<std::string>{"2", "最大值简单地形", "1234.57", "12.3457", "0.123457", "41.1523"}));
}

TEST(Estimation, DominantPollutant)
{
    std::vector<PollutantEstimate> p(3);
    p[0].p = 5;
    p[1].p = 7;
    p[2].p = 7;  // a tie keeps the earlier one
    EXPECT_EQ(dominantPollutant(p), 1);
    p[2].p = 7.001f;
    EXPECT_EQ(dominantPollutant(p), 2);
    for (auto& x : p) x.p = 0;
    EXPECT_EQ(dominantPollutant(p), -1);
    EXPECT_EQ(dominantPollutant({}), -1);

    // Two pollutants with equal P through the whole computation: the first is reported.
    const auto r = crafted({{{1, 0}, {100, 40}}}, {{"SIMPLE TERRAIN", 40, 100, 0.0}});
    const Estimation e = estimate({{"SO2", "1", "0.5"}, {"HCl", "2", "0.5"}, {"苯", "3", "0.5"}},
                                  GradeCriterion::Hj2008, "", always(r));
    EXPECT_EQ(e.dominant, 0);
    EXPECT_TRUE(e.report.starts_with("所筛选的污染物中SO2的Pmax最大\n"));
}

TEST(Estimation, ChecksStopTheComputation)
{
    const auto r = crafted({{{1, 0}, {100, 40}}}, {{"SIMPLE TERRAIN", 40, 100, 0.0}});
    struct Case {
        std::vector<PollutantEntry> rows;
        const char* message;
        std::size_t processed;  // pollutants before the failing one
    };
    const Case cases[] = {
        {{{"SO2", "1", "0.5"}, {"SO2", "", "0.5"}}, "污染物SO2源强不能为空", 1},
        {{{"NO2", "1", ""}}, "污染物NO2标准值不能为空", 0},
        {{{"NO2", "abc", "0.24"}}, "污染物NO2源强不能为空", 0},
        {{{"", "1", "0.5"}}, "污染物名称不能为空", 0},
        {{{"", "", ""}}, "污染物源强不能为空", 0},
        {{{"", "1", ""}}, "污染物标准值不能为空", 0},
        {{{"SO2", "1", "0.5"}, {"SO2\n", "1", "0.5"}}, "污染物名称中不能有换行符或其他控制字符，请重新输入！", 1},
        {{{"SO2", "1", "-0.5"}}, "污染物SO2标准值必须大于0，请重新输入！", 0},
        // "inf" and "nan" are no numbers in a cell (they read as 0); 1e999 is beyond range.
        {{{"SO2", "1", "inf"}}, "污染物SO2标准值不能为空", 0},
        {{{"SO2", "1", "nan"}}, "污染物SO2标准值不能为空", 0},
        {{{"SO2", "1", "1e999"}}, "污染物SO2标准值必须大于0，请重新输入！", 0},
        {{}, "至少需要一个污染物，请重新输入！", 0},
    };
    for (const auto& c : cases) {
        int runs = 0;
        const Estimation e = estimate(c.rows, GradeCriterion::Hj2008, "", [&](std::string_view, double) {
            ++runs;
            return PollutantRun{{}, {r, {}}};
        });
        EXPECT_EQ(e.refusal.message, c.message);
        EXPECT_EQ(e.refusal.focusKey, "pollutants");
        EXPECT_EQ(static_cast<std::size_t>(runs), c.processed) << c.message;
        EXPECT_EQ(e.table.rows.size(), c.processed ? 3u : 0u) << c.message;  // earlier results stay
        EXPECT_EQ(e.table.columns.size(), 4 + 2 * c.rows.size());
        EXPECT_TRUE(e.report.empty());
        EXPECT_TRUE(e.grade.empty());
    }
}

TEST(Estimation, FailedRunLeavesItsColumnsEmpty)
{
    const auto r = crafted({{{1, 0}, {100, 40}, {200, 30}}}, {{"SIMPLE TERRAIN", 40, 100, 0.0}});
    std::vector<std::string> progress;
    EstimationCallbacks callbacks;
    callbacks.progress = [&](int i, int n, const std::string& name) { progress.push_back(cformat("%d/%d ", i, n) + name); };
    const Estimation e = estimate({{"SO2", "1", "0.5"}, {"NO2", "1", "0.24"}}, GradeCriterion::Hj2008, "SCREEN3",
                                  [&](std::string_view name, double) {
                                      if (name == "SO2") return PollutantRun{{}, {std::nullopt, "超时"}};
                                      return PollutantRun{{}, {r, {}}};
                                  },
                                  callbacks);
    EXPECT_EQ(progress, (std::vector<std::string>{"0/2 SO2", "1/2 NO2"}));
    EXPECT_EQ(e.failures, (std::vector<std::string>{"SO2：超时"}));
    ASSERT_EQ(e.pollutants.size(), 2u);
    EXPECT_FALSE(e.pollutants[0].computed);
    EXPECT_EQ(e.pollutants[0].failure, "超时");
    EXPECT_EQ(e.pollutants[0].p, 0);
    EXPECT_EQ(e.table.columns[4], "SO2下风向浓度mg／m＾3");
    // NO2 made the rows: 40 / 0.24 × 0.1 = 16.6667 %.
    ASSERT_EQ(e.table.rows.size(), 4u);
    EXPECT_EQ(e.table.rows[1], (std::vector<std::string>{"2", "简单地形", "100", "0", "", "", "0.04", "16.6667"}));
    EXPECT_EQ(e.table.rows[2][1], "最大值简单地形");
    EXPECT_FALSE(e.colours[1][4]);
    EXPECT_EQ(e.colours[1][6], pollutantColour(1));
    EXPECT_EQ(e.dominant, 1);
    // The last row, 200 m, is at 30 / 0.24 × 0.1 = 12.5 %.
    EXPECT_EQ(e.details, "NO2:Pmax=16.6667[%];D10=大于200[m]\n");
}

TEST(Estimation, ALaterResultWithOtherRows)
{
    // The first result's rows stay; a later result fills them kind by kind in order, drops the
    // rows the table lacks and leaves the rest empty.
    const auto first = crafted({{{1, 0}, {100, 40}, {200, 30}}}, {{"SIMPLE TERRAIN", 40, 100, 0.0}});
    auto second = crafted({{{1, 0}, {100, 20}}}, {{"SIMPLE TERRAIN", 20, 100, 0.0}});
    second.valley.push_back({.terrainHeight = 50, .distance = 900, .max24h = 3});
    int call = 0;
    const Estimation e = estimate({{"SO2", "1", "0.5"}, {"NO2", "1", "0.5"}}, GradeCriterion::Hj2008, "",
                                  [&](std::string_view, double) {
                                      return PollutantRun{{}, {call++ == 0 ? first : second, {}}};
                                  });
    ASSERT_EQ(e.table.rows.size(), 4u);
    EXPECT_EQ(column(e.table, 6), (std::vector<std::string>{"0", "0.02", "0.02", ""}));
    EXPECT_EQ(column(e.table, 7), (std::vector<std::string>{"0", "4", "4", ""}));
}

TEST(Estimation, RefusedDeckAndCancel)
{
    // More distances than the engine holds: refused before any run.
    FunctionEngine engine(scaledCase13, 50);
    ScreeningSource s = case13();
    s.arbitraryPoints.assign(50, {"100", "0"});
    Estimation e = runEstimation(s, {{"SO2", "8", "0.5"}}, GradeCriterion::Hj2008, engine);
    EXPECT_TRUE(e.refusal.message.starts_with("距离点共52个"));
    EXPECT_TRUE(engine.decks.empty());

    // Cancelled before the second run: the first pollutant's rows stay, no report.
    int asked = 0;
    EstimationCallbacks callbacks;
    callbacks.cancelled = [&] { return ++asked > 2; };
    e = runEstimation(case13(), {{"SO2", "8", "0.5"}, {"NO2", "4", "0.24"}}, GradeCriterion::Hj2008, engine, callbacks);
    EXPECT_TRUE(e.cancelled);
    EXPECT_EQ(engine.decks.size(), 1u);
    EXPECT_EQ(e.table.rows.size(), 53u);
    EXPECT_TRUE(e.report.empty());

    // Cancelled during the run.
    asked = 0;
    callbacks.cancelled = [&] { return ++asked > 1; };
    e = runEstimation(case13(), {{"SO2", "8", "0.5"}}, GradeCriterion::Hj2008, engine, callbacks);
    EXPECT_TRUE(e.cancelled);
    EXPECT_TRUE(e.table.rows.empty());
}

TEST(Estimation, BothEnginesGiveTheSamePageResultsForEveryStoredCase)
{
    // Each stored deck through the built-in engine and through SCREEN3's own listing, at
    // standards that put P below, around and far above 10 %: the same grade, D10, maximum
    // row and table, and Cmax within one unit of SCREEN3's 4th digit.
    BuiltinScreeningEngine builtin;
    for (const auto& name : testing::storedCases()) {
        const std::string deck = storedFile(name, "screen3.inp");
        ScreeningResult theirs = readListing(storedFile(name, "SCREEN.OUT"));
        const ScreeningOutcome ours = builtin.run(deck);
        ASSERT_TRUE(ours.ok()) << name << ": " << ours.failure;
        for (const char* standard : {"0.5", "0.05", "0.0005"}) {
            const std::vector<PollutantEntry> rows{{"X", "1", standard}};
            const Estimation a = estimate(rows, GradeCriterion::Hj2008, "", always(*ours.result));
            const Estimation b = estimate(rows, GradeCriterion::Hj2008, "", always(theirs));
            const std::string where = name + " S=" + standard;
            ASSERT_EQ(a.pollutants.size(), 1u) << where;
            ASSERT_EQ(b.pollutants.size(), 1u) << where;
            const auto& pa = a.pollutants[0];
            const auto& pb = b.pollutants[0];
            EXPECT_EQ(a.grade, b.grade) << where;
            EXPECT_EQ(pa.d10Text, pb.d10Text) << where;
            EXPECT_EQ(pa.dmax, pb.dmax) << where;
            EXPECT_EQ(pa.hmax, pb.hmax) << where;
            EXPECT_NEAR(pa.cmax, pb.cmax, pb.cmax * 1e-3) << where;
            EXPECT_EQ(column(a.table, 1), column(b.table, 1)) << where;  // row kinds, maximum row placed alike
            EXPECT_EQ(column(a.table, 2), column(b.table, 2)) << where;  // distances
        }
    }
}

}  // namespace
}  // namespace qelvo::air
