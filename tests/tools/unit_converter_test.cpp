// The unit file: reading, lists, factors, conversion and appending; the shipped data.ini.
#include "tools/unit_converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <map>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>

#include "tools/temp_dir.h"

namespace qelvo::tools {
namespace {

namespace fs = std::filesystem;
using testing::slurp;
using testing::TempDir;
using testing::write;

const char* kLength = "[长度][1][米]=[100][厘米]\n";

TEST(UnitFile, ReadsFiveBracketedFieldsAsAtofDoes)
{
    struct Case {
        const char* line;
        UnitRecord expected;
    };
    const Case cases[] = {
        {"[长度][1][米]=[100][厘米]", {"长度", 1, "米", 100, "厘米"}},
        {"[长度][1][米][100][厘米]", {"长度", 1, "米", 100, "厘米"}},         // "=" is optional
        {"x[面积] [ 2.5 m²][平方米] = [1e-6x][平方千米]y", {"面积", 2.5f, "平方米", 1e-6f, "平方千米"}},
        {"[质量][一][千克]=[abc][克]", {"质量", 0, "千克", 0, "克"}},        // not a number: 0
        {"[长度][1]", {"长度", 1, "", 0, ""}},                                // fewer fields
        {"[长度][1][米]=[10", {"长度", 1, "米", 10, ""}},                      // a field without its "]"
        {"[a][1][b]=[2][c][d]", {"a", 1, "b", 2, "c"}},                       // a sixth field is ignored
    };
    for (const auto& c : cases) {
        const UnitRecord r = parseUnitLine(c.line);
        EXPECT_EQ(r.category, c.expected.category) << c.line;
        EXPECT_EQ(r.value1, c.expected.value1) << c.line;
        EXPECT_EQ(r.base, c.expected.base) << c.line;
        EXPECT_EQ(r.value2, c.expected.value2) << c.line;
        EXPECT_EQ(r.unit, c.expected.unit) << c.line;
    }
}

TEST(UnitFile, OneRecordPerLineInFileOrder)
{
    // Carriage returns before the line feed are dropped, a last line without its line feed
    // counts, and lines without a bracketed field (blank lines) state nothing.
    const auto records = parseUnitFile("[长度][1][米]=[100][厘米]\r\n\n   \n[面积][1][平方米]=[0.0001][公顷]\r\n[长度][1][米]=[1000][毫米]");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].unit, "厘米");
    EXPECT_EQ(records[1].unit, "公顷");
    EXPECT_EQ(records[2].unit, "毫米");
    EXPECT_TRUE(parseUnitFile("").empty());
}

TEST(UnitFile, CategoriesInOrderOfFirstAppearanceTheLastNewOneCurrent)
{
    const auto records = parseUnitFile("[长度][1][米]=[100][厘米]\n[面积][1][平方米]=[100][平方分米]\n"
                                       "[长度][1][米]=[1000][毫米]\n[压力][1][帕]=[0.001][千帕]\n[面积][1][平方米]=[1e-6][平方千米]\n");
    CategoryList list;
    mergeCategories(list, records);
    EXPECT_EQ(list.names, (std::vector<std::string>{"长度", "面积", "压力"}));
    EXPECT_EQ(list.current, 2);  // on opening: the last category that occurs in the file

    // A reload that brings nothing new keeps the user's choice; a new category becomes current.
    list.current = 0;
    mergeCategories(list, records);
    EXPECT_EQ(list.names.size(), 3u);
    EXPECT_EQ(list.current, 0);
    auto more = records;
    more.push_back(parseUnitLine("[时间][1][秒]=[1000][毫秒]"));
    mergeCategories(list, more);
    EXPECT_EQ(list.names.back(), "时间");
    EXPECT_EQ(list.current, 3);

    // No selection yet and nothing new: the first entry.
    CategoryList chosenNone{{"长度", "面积"}, -1};
    mergeCategories(chosenNone, {});
    EXPECT_EQ(chosenNone.current, 0);
    CategoryList empty;
    mergeCategories(empty, {});
    EXPECT_EQ(empty.current, -1);
}

TEST(UnitFile, UnitListsAndFactors)
{
    const auto records = parseUnitFile("[长度][1][米]=[100][厘米]\n[质量][1][千克]=[1000][克]\n[长度][1][米]=[1000][毫米]\n");
    // The base unit of the first line, its unit, then the later units of the category.
    EXPECT_EQ(categoryUnits(records, "长度"), (std::vector<std::string>{"米", "厘米", "毫米"}));
    EXPECT_EQ(categoryUnits(records, "质量"), (std::vector<std::string>{"千克", "克"}));
    EXPECT_TRUE(categoryUnits(records, "时间").empty());
    EXPECT_EQ(firstRecord(records, "质量"), &records[1]);
    EXPECT_EQ(firstRecord(records, "时间"), nullptr);

    EXPECT_EQ(unitFactor(records, "米"), 1.0f);  // a base unit: value 1
    EXPECT_EQ(unitFactor(records, "厘米"), 100.0f);
    EXPECT_EQ(unitFactor(records, "毫米"), 1000.0f);
    EXPECT_EQ(unitFactor(records, "英尺"), std::nullopt);

    // A unit named in two categories takes the value of the last line that names it.
    auto twice = records;
    twice.push_back(parseUnitLine("[其他][1][秒]=[50][厘米]"));
    EXPECT_EQ(unitFactor(twice, "厘米"), 50.0f);
    twice.push_back(parseUnitLine("[其他][2][厘米]=[1][分]"));
    EXPECT_EQ(unitFactor(twice, "厘米"), 2.0f);  // as a base unit: its value 1
}

TEST(UnitFile, ConvertsBothWays)
{
    const UnitFactor metre{"米", 1}, centimetre{"厘米", 100};
    struct Case {
        const char* name;
        float value;
        UnitFactor from, to;
        const char* shown;
    };
    const Case cases[] = {
        {"1 米 = 100 厘米", 1, metre, centimetre, "100"},
        {"2.5 米 → 250 厘米", 2.5f, metre, centimetre, "250"},
        {"50 厘米 → 0.5 米", 50, centimetre, metre, "0.5"},
        {"1 英尺 in 厘米: 1/3.2808399·100", 1, {"英尺", 3.2808399f}, centimetre, "30.48"},
        {"single precision at the end", 1, {"x", 3}, {"y", 1}, "0.333333"},
    };
    for (const auto& c : cases) {
        const Conversion r = convertUnits(c.value, c.from, c.to);
        EXPECT_FALSE(r.refusal.refused()) << c.name;
        EXPECT_EQ(formatSingle(r.value), c.shown) << c.name;
    }
}

TEST(UnitFile, RefusesWhatWouldShowInfOrNothing)
{
    const UnitFactor metre{"米", 1};
    Conversion r = convertUnits(2, {"厘米", 0}, metre);
    EXPECT_EQ(r.refusal.message, "单位“厘米”的换算值为0，无法换算，请在data.ini中改正！");
    EXPECT_EQ(r.refusal.caption, kUnitsCaption);
    EXPECT_EQ(r.value, 2.0f);  // the value stays
    EXPECT_TRUE(convertUnits(2, metre, {"厘米", 0}).refusal.refused());
    EXPECT_EQ(convertUnits(2, {"x", INFINITY}, metre).refusal.message,
              "单位“x”的换算值不是有效的数，无法换算，请在data.ini中改正！");
    EXPECT_TRUE(convertUnits(2, metre, {"y", NAN}).refusal.refused());
    EXPECT_EQ(convertUnits(1e30f, {"a", 1e-30f}, {"b", 1e30f}).refusal.message, "换算结果超出数值范围，请重新输入！");
    EXPECT_FALSE(convertUnits(3e38f, metre, metre).refusal.refused());
}

TEST(UnitFile, NewUnitLineAndItsChecks)
{
    NewUnit mm{"长度", "1", "米", "1000", "毫米"};
    EXPECT_EQ(unitLine(mm), "[长度][1][米]=[1000][毫米]\n");
    EXPECT_FALSE(checkNewUnit(mm).refused());
    mm.value2 = " 1e3 ";  // written as typed
    EXPECT_FALSE(checkNewUnit(mm).refused());
    EXPECT_EQ(unitLine(mm), "[长度][1][米]=[ 1e3 ][毫米]\n");

    struct Case {
        NewUnit unit;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {{"长度", "1", "米", "", "毫米"}, kMissingNewUnit, "value2"},
        {{"长度", "1", "米", "1000", ""}, kMissingNewUnit, "value2"},
        {{"长度", "1", "米", "  ", "毫米"}, kMissingNewUnit, "value2"},
        {{"长度", "1", "米", "abc", "毫米"}, "单位的值必须是大于0的数，请重新输入！", "value2"},
        {{"长度", "1", "米", "0", "毫米"}, "单位的值必须是大于0的数，请重新输入！", "value2"},
        {{"长度", "1", "米", "-5", "毫米"}, "单位的值必须是大于0的数，请重新输入！", "value2"},
        {{"长度", "1", "米", "1e39", "毫米"}, "单位的值必须是大于0的数，请重新输入！", "value2"},
        {{"", "1", "米", "1000", "毫米"}, "请输入单位种类！", "category"},
        {{"长度", "1", "", "1000", "毫米"}, "请输入基准单位！", "base"},
        {{"长度", "1", "米", "1000", "毫[米]"}, "单位种类、单位和值中不能有方括号“[”“]”，请重新输入！", "unit"},
        {{"长[度", "1", "米", "1000", "毫米"}, "单位种类、单位和值中不能有方括号“[”“]”，请重新输入！", "category"},
        {{"长度", "1", "米]", "1000", "毫米"}, "单位种类、单位和值中不能有方括号“[”“]”，请重新输入！", "base"},
    };
    for (const auto& c : cases) {
        const Refusal r = checkNewUnit(c.unit);
        EXPECT_EQ(r.message, c.message) << unitLine(c.unit);
        EXPECT_EQ(r.focusKey, c.focus) << unitLine(c.unit);
        EXPECT_EQ(r.caption, kUnitsCaption);
    }
}

TEST(UnitFile, AppendsOneLineAndNothingElse)
{
    TempDir dir;
    const fs::path file = dir.path() / "data.ini";
    write(file, kLength);
    EXPECT_EQ(appendUnitLine(file.string(), "[长度][1][米]=[1000][毫米]\n"), "");
    EXPECT_EQ(slurp(file), std::string(kLength) + "[长度][1][米]=[1000][毫米]\n");
    const auto lengths = categoryUnits(parseUnitFile(slurp(file)), "长度");
    EXPECT_EQ(lengths.back(), "毫米");

    // A last line left without its line feed keeps a line of its own.
    write(file, "[长度][1][米]=[100][厘米]");
    EXPECT_EQ(appendUnitLine(file.string(), "[长度][1][米]=[10][分米]\n"), "");
    EXPECT_EQ(slurp(file), "[长度][1][米]=[100][厘米]\n[长度][1][米]=[10][分米]\n");

    // A file that is gone is made again with the line, readable by all, writable by its owner.
    fs::remove(file);
    const mode_t mask = ::umask(022);
    EXPECT_EQ(appendUnitLine(file.string(), "[a][1][b]=[2][c]\n"), "");
    ::umask(mask);
    EXPECT_EQ(slurp(file), "[a][1][b]=[2][c]\n");
    using fs::perms;
    EXPECT_EQ(fs::status(file).permissions(), perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
}

TEST(UnitFile, FailingAppendIsReportedAndLeavesTheFileAsItWas)
{
    TempDir dir;
    // A folder where the file should be, and a device that is always full: both fail for
    // every user.
    const fs::path folder = dir.path() / "data.ini";
    fs::create_directory(folder);
    const std::string error = appendUnitLine(folder.string(), "[a][1][b]=[2][c]\n");
    EXPECT_NE(error.find("写入单位文件失败"), std::string::npos) << error;
    EXPECT_NE(error.find(folder.string()), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_NE(appendUnitLine("/dev/full", "[a][1][b]=[2][c]\n"), "");
    EXPECT_NE(appendUnitLine((dir.path() / "no" / "data.ini").string(), "[a][1][b]=[2][c]\n"), "");

    // A write that stops part way (the file size limit lets 5 bytes through): the part that
    // went in is taken away again.
    const fs::path file = dir.path() / "units.ini";
    write(file, kLength);
    const std::string before = slurp(file);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = before.size() + 5;
    ::setrlimit(RLIMIT_FSIZE, &tight);
    const std::string partial = appendUnitLine(file.string(), "[长度][1][米]=[1000][毫米]\n");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_NE(partial.find("写入单位文件失败"), std::string::npos) << partial;
    EXPECT_EQ(slurp(file), before);
}

TEST(UnitFile, ReadingCreatesAMissingFileEmptyAndReportsFailures)
{
    TempDir dir;
    const fs::path file = dir.path() / "data.ini";
    const UnitFileText missing = readUnitFile(file.string());
    EXPECT_EQ(missing.error, "");
    EXPECT_EQ(missing.text, "");
    EXPECT_TRUE(fs::is_regular_file(file));

    write(file, kLength);
    EXPECT_EQ(readUnitFile(file.string()).text, kLength);

    // Up to 16 MiB is read; a larger file is not a unit file.
    write(file, std::string(16 * 1024 * 1024, '\n'));
    EXPECT_EQ(readUnitFile(file.string()).error, "");
    write(file, std::string(16 * 1024 * 1024 + 1, '\n'));
    EXPECT_NE(readUnitFile(file.string()).error.find("File too large"), std::string::npos);
    // The same for a new file made by reading.
    fs::remove(file);
    const mode_t mask = ::umask(022);
    readUnitFile(file.string());
    ::umask(mask);
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);

    const UnitFileText folder = readUnitFile(dir.path().string());
    EXPECT_NE(folder.error.find("打开单位文件失败"), std::string::npos) << folder.error;
    EXPECT_NE(readUnitFile((dir.path() / "no" / "data.ini").string()).error, "");
}

// --- the shipped file ---

std::vector<UnitRecord> shippedRecords() { return parseUnitFile(slurp(QELVO_SHIPPED_UNIT_FILE)); }

TEST(ShippedUnitFile, EveryFactorAgreesWithTheUnitsDefinition)
{
    // What one unit is in the category's base unit, from the unit's definition (SI, the
    // international yard and pound of 1959, the US and imperial gallons, the market units
    // 市制: 1 里 = 500 米, 1 尺 = 1/3 米, 1 亩 = 10000/15 平方米, 1 斤 = 0.5 千克; the
    // conventional millimetre of mercury, 13.5951 g/cm³ under standard gravity; the
    // international table calorie 4.1868 J and Btu 1055.05585262 J; 1 kg 标准煤 = 29307.6 kJ;
    // the year of 365 days). The file states how many of the unit make one base unit.
    const double inch = 0.0254, foot = 0.3048, yard = 0.9144, mile = 1609.344, pound = 0.45359237, g = 9.80665;
    const double usGallon = 231 * inch * inch * inch, day = 86400, year = 365 * day;
    const std::map<std::string, std::pair<std::string, double>> unitIs = {
        {"千米", {"米", 1000}}, {"分米", {"米", 0.1}}, {"厘米", {"米", 0.01}}, {"毫米", {"米", 1e-3}},
        {"微米", {"米", 1e-6}}, {"纳米", {"米", 1e-9}}, {"英里", {"米", mile}}, {"码", {"米", yard}},
        {"英尺", {"米", foot}}, {"英寸", {"米", inch}}, {"海里", {"米", 1852}}, {"里", {"米", 500}},
        {"丈", {"米", 10.0 / 3}}, {"尺", {"米", 1.0 / 3}}, {"寸", {"米", 1.0 / 30}},
        {"平方千米", {"平方米", 1e6}}, {"公顷", {"平方米", 1e4}}, {"亩", {"平方米", 10000.0 / 15}},
        {"平方分米", {"平方米", 1e-2}}, {"平方厘米", {"平方米", 1e-4}}, {"平方毫米", {"平方米", 1e-6}},
        {"平方英里", {"平方米", mile * mile}}, {"英亩", {"平方米", 4840 * yard * yard}},
        {"平方码", {"平方米", yard * yard}}, {"平方英尺", {"平方米", foot * foot}}, {"平方英寸", {"平方米", inch * inch}},
        {"升", {"立方米", 1e-3}}, {"毫升", {"立方米", 1e-6}}, {"立方分米", {"立方米", 1e-3}},
        {"立方厘米", {"立方米", 1e-6}}, {"立方毫米", {"立方米", 1e-9}}, {"万立方米", {"立方米", 1e4}},
        {"美制加仑", {"立方米", usGallon}}, {"英制加仑", {"立方米", 4.54609e-3}}, {"石油桶", {"立方米", 42 * usGallon}},
        {"立方英尺", {"立方米", foot * foot * foot}}, {"立方英寸", {"立方米", inch * inch * inch}},
        {"公斤", {"千克", 1}}, {"克", {"千克", 1e-3}}, {"毫克", {"千克", 1e-6}}, {"微克", {"千克", 1e-9}},
        {"吨", {"千克", 1e3}}, {"万吨", {"千克", 1e7}}, {"斤", {"千克", 0.5}}, {"两", {"千克", 0.05}},
        {"磅", {"千克", pound}}, {"盎司", {"千克", pound / 16}},
        {"千帕", {"帕", 1e3}}, {"兆帕", {"帕", 1e6}}, {"百帕", {"帕", 100}}, {"巴", {"帕", 1e5}}, {"毫巴", {"帕", 100}},
        {"标准大气压", {"帕", 101325}}, {"毫米汞柱", {"帕", 13595.1 * g * 1e-3}}, {"毫米水柱", {"帕", g}},
        {"米水柱", {"帕", 1000 * g}}, {"工程大气压", {"帕", g * 1e4}}, {"磅力/平方英寸", {"帕", pound * g / (inch * inch)}},
        {"立方米/时", {"立方米/秒", 1 / 3600.0}}, {"立方米/天", {"立方米/秒", 1 / day}},
        {"万立方米/天", {"立方米/秒", 1e4 / day}}, {"立方米/年", {"立方米/秒", 1 / year}},
        {"万立方米/年", {"立方米/秒", 1e4 / year}}, {"升/秒", {"立方米/秒", 1e-3}}, {"升/分", {"立方米/秒", 1e-3 / 60}},
        {"升/时", {"立方米/秒", 1e-3 / 3600}},
        {"克/升", {"毫克/升", 1000}}, {"微克/升", {"毫克/升", 1e-3}}, {"纳克/升", {"毫克/升", 1e-6}},
        {"克/立方米", {"毫克/升", 1}}, {"千克/立方米", {"毫克/升", 1000}}, {"毫克/立方米", {"毫克/升", 1e-3}},
        {"微克/立方米", {"毫克/升", 1e-6}}, {"纳克/立方米", {"毫克/升", 1e-9}},
        {"千焦", {"焦耳", 1e3}}, {"兆焦", {"焦耳", 1e6}}, {"吉焦", {"焦耳", 1e9}}, {"千瓦时", {"焦耳", 3.6e6}},
        {"卡", {"焦耳", 4.1868}}, {"千卡", {"焦耳", 4186.8}}, {"英热单位", {"焦耳", 1055.05585262}},
        {"千克标准煤", {"焦耳", 29307.6e3}}, {"吨标准煤", {"焦耳", 29307.6e6}},
        {"千瓦", {"瓦", 1e3}}, {"兆瓦", {"瓦", 1e6}}, {"马力", {"瓦", 75 * g}}, {"英制马力", {"瓦", 550 * foot * pound * g}},
        {"千卡/时", {"瓦", 4186.8 / 3600}}, {"英热单位/时", {"瓦", 1055.05585262 / 3600}},
        {"千米/时", {"米/秒", 1 / 3.6}}, {"米/分", {"米/秒", 1 / 60.0}}, {"米/时", {"米/秒", 1 / 3600.0}},
        {"米/天", {"米/秒", 1 / day}}, {"厘米/秒", {"米/秒", 0.01}}, {"节", {"米/秒", 1852 / 3600.0}},
        {"英里/时", {"米/秒", mile / 3600}}, {"英尺/秒", {"米/秒", foot}},
        {"毫秒", {"秒", 1e-3}}, {"分钟", {"秒", 60}}, {"小时", {"秒", 3600}}, {"天", {"秒", day}},
        {"周", {"秒", 7 * day}}, {"年", {"秒", year}},
    };
    const auto records = shippedRecords();
    ASSERT_EQ(records.size(), unitIs.size());
    std::set<std::string> seen;
    for (const auto& r : records) {
        SCOPED_TRACE(r.category + ": " + r.unit);
        ASSERT_TRUE(unitIs.count(r.unit));
        EXPECT_TRUE(seen.insert(r.unit).second) << "named twice";
        const auto& [base, size] = unitIs.at(r.unit);
        EXPECT_EQ(r.base, base);
        EXPECT_EQ(r.value1, 1.0f);
        // Single precision holds 7 digits; the file gives 9.
        EXPECT_NEAR(r.value2 * size, 1.0, 1e-6);
    }
}

TEST(ShippedUnitFile, CategoriesOfAnAssessorEachUnitOnce)
{
    const auto records = shippedRecords();
    CategoryList list;
    mergeCategories(list, records);
    EXPECT_EQ(list.names, (std::vector<std::string>{"长度", "面积", "体积", "质量", "压力", "流量", "浓度", "能量", "功率",
                                                    "速度", "时间"}));
    EXPECT_EQ(list.names[list.current], "时间");
    // Factors are found by name in every category: no unit or base unit may be named in two
    // categories, or one would take the other's factor.
    std::map<std::string, std::string> categoryOf;
    for (const auto& r : records)
        for (const std::string& name : {r.base, r.unit}) {
            const auto [it, added] = categoryOf.emplace(name, r.category);
            EXPECT_EQ(it->second, r.category) << name;
        }
    for (const auto& r : records) EXPECT_EQ(unitFactor(records, r.base), 1.0f) << r.base;
}

// --- qelvo-calc run tools.units ---

TEST(UnitsCalculator, ConvertsWithTheNamedFile)
{
    TempDir dir;
    const std::string file = (dir.path() / "data.ini").string();
    write(file, std::string(kLength) + "[质量][1][千克]=[1000][克]\n");
    UnitsInput in;
    in.file = file;
    in.category = "长度";
    in.from = "米";
    in.to = "厘米";
    in.value = 2.5f;
    const UnitsResult r = computeUnits(in);
    ASSERT_FALSE(r.refusal.refused()) << r.refusal.message;
    EXPECT_EQ(r.converted, 250.0f);
    EXPECT_EQ(r.categories, (std::vector<std::string>{"长度", "质量"}));
    ASSERT_EQ(r.units.size(), 2u);
    EXPECT_EQ(r.units[1].factor, 100.0f);

    // Without a category: the one the page opens with, from its base unit to its base unit.
    in = {};
    in.file = file;
    const UnitsResult opening = computeUnits(in);
    EXPECT_EQ(opening.category, "质量");
    EXPECT_EQ(opening.from, "千克");
    EXPECT_EQ(opening.to, "千克");
    EXPECT_EQ(opening.converted, 1.0f);

    const Report report = makeReport(unitsCalculator(), r);
    EXPECT_EQ(report.text, "单位种类：长度、质量\n2.5 米 <=> 250 厘米\n");
    ASSERT_EQ(report.tables.size(), 1u);
    EXPECT_EQ(report.tables[0].rows, (std::vector<std::vector<std::string>>{{"米", "1"}, {"厘米", "100"}}));
}

TEST(UnitsCalculator, AddsALineThenConverts)
{
    TempDir dir;
    const std::string file = (dir.path() / "data.ini").string();
    write(file, kLength);
    UnitsInput in;
    in.file = file;
    in.category = "长度";
    in.add = "毫米";
    in.amount = "1000";
    in.to = "毫米";
    in.value = 0.5f;
    const UnitsResult r = computeUnits(in);
    ASSERT_FALSE(r.refusal.refused()) << r.refusal.message;
    EXPECT_EQ(r.added, "[长度][1][米]=[1000][毫米]");
    EXPECT_EQ(r.converted, 500.0f);
    EXPECT_EQ(slurp(file), std::string(kLength) + "[长度][1][米]=[1000][毫米]\n");

    // A new category takes its base unit from `base`; an existing one keeps its own.
    in = {};
    in.file = file;
    in.category = "时间";
    in.add = "毫秒";
    in.amount = "1000";
    in.base = "秒";
    EXPECT_EQ(computeUnits(in).units.size(), 2u);
    in.category = "长度";
    in.add = "微米";
    in.amount = "1000000";
    EXPECT_EQ(computeUnits(in).refusal.message, "单位种类“长度”的基准单位是“米”，请重新输入！");
    EXPECT_EQ(slurp(file), std::string(kLength) + "[长度][1][米]=[1000][毫米]\n[时间][1][秒]=[1000][毫秒]\n");
}

TEST(UnitsCalculator, Refusals)
{
    TempDir dir;
    const std::string file = (dir.path() / "data.ini").string();
    UnitsInput in;
    in.file = file;
    EXPECT_EQ(computeUnits(in).refusal.message, kNoUnits);  // the empty file made on reading
    write(file, kLength);
    in.category = "重量";
    EXPECT_EQ(computeUnits(in).refusal.message, "没有单位种类“重量”，请重新输入！");
    in.category = "长度";
    in.from = "英尺";
    EXPECT_EQ(computeUnits(in).refusal.message, "单位种类“长度”中没有单位“英尺”，请重新输入！");
    in.from = "";
    in.to = "秒";
    EXPECT_EQ(computeUnits(in).refusal.message, "单位种类“长度”中没有单位“秒”，请重新输入！");
    in.to = "";
    in.add = "毫米";
    EXPECT_EQ(computeUnits(in).refusal.message, kMissingNewUnit);
    EXPECT_EQ(slurp(file), kLength);
    write(file, "[长度][1][米]=[0][厘米]\n");
    in = {};
    in.file = file;
    in.to = "厘米";
    EXPECT_EQ(computeUnits(in).refusal.message, "单位“厘米”的换算值为0，无法换算，请在data.ini中改正！");
    in.file = dir.path().string();
    EXPECT_NE(computeUnits(in).refusal.message.find("打开单位文件失败"), std::string::npos);
}

}  // namespace
}  // namespace qelvo::tools
