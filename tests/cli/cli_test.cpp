// qelvo-calc: list, inputs, run and what run prints.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

#include <QSettings>

#include "air/screening/builtin_engine.h"
#include "air/screening/screen3_program_engine.h"
#include "cli/calculators.h"
#include "common/scenario.h"
#include "tools/temp_dir.h"

namespace qelvo::cli {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome cli(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(Cli, ListsEveryCalculatorWithItsMenuLabel)
{
    const Outcome r = cli({"list"});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_NE(r.out.find("tools.geo_distance\t两点经纬度算距离\n"), std::string::npos);
    EXPECT_NE(r.out.find("solid.sludge\t沉淀池污泥量计算\n"), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), static_cast<long>(calculators().size()));
}

TEST(Cli, InputsShowKeyLabelKindAndDefault)
{
    const Outcome r = cli({"inputs", "solid.sludge"});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out,
              "Q\t污水流量 Q [m^3/d]\tsingle\t50\n"
              "C\t进水悬浮物浓度 C [mg/L]\tsingle\t300\n"
              "eta\t去除率 η [%]\tsingle\t60\n"
              "P\t污泥含水率 P [%]\tsingle\t20\n"
              "rho\t沉淀污泥密度  ρ [t/m^3]\tsingle\t300\n");
    EXPECT_NE(cli({"inputs", "tools.geo_distance"}).out.find("lon1\t第一点：东经[度]\tdouble\t120.9532\n"),
              std::string::npos);
}

TEST(Cli, RunPrintsResultFieldsInDisplayForm)
{
    EXPECT_EQ(cli({"run", "tools.geo_distance"}).out, "d=176.807609504204\n");
    EXPECT_EQ(cli({"run", "tools.geo_distance", "lon1=0", "lat1=0", "lon2=1", "lat2=0"}).out, "d=111319.490793262\n");
    EXPECT_EQ(cli({"run", "solid.sludge"}).out, "V=0.0375\n");
    EXPECT_EQ(cli({"run", "solid.sludge", "Q= 100 ", "eta=1e2"}).out, "V=0.125\n");
}

TEST(Cli, JsonOutput)
{
    const Outcome r = cli({"run", "solid.sludge", "--json"});
    ASSERT_EQ(r.code, kExitOk);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["id"], "solid.sludge");
    EXPECT_EQ(j["fields"]["V"], "0.0375");
    EXPECT_EQ(j["text"], "");
    EXPECT_TRUE(j["tables"].empty());
    EXPECT_TRUE(j["messages"].empty());
}

TEST(Cli, FailedCheckPrintsThePageMessageAndExits2)
{
    const Outcome r = cli({"run", "solid.sludge", "P=100"});
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.err, "污泥含水率P必须小于100，请重新输入！\n");
    EXPECT_EQ(r.out, "");
    const Outcome j = cli({"run", "solid.sludge", "rho=0", "--json"});
    EXPECT_EQ(j.code, kExitRefused);
    EXPECT_EQ(nlohmann::json::parse(j.out)["messages"][0], "沉淀污泥密度ρ必须大于0，请重新输入！");
}

// A scenario file's inputs, then the key=value arguments after it, which win.
TEST(Cli, RunReadsAScenarioFile)
{
    tools::testing::TempDir dir;
    const std::string path = (dir.path() / "a.json").string();
    ASSERT_EQ(writeScenario(path, "solid.sludge", {{"Q", "100"}, {"eta", "100"}}), "");
    // 100·300·1.0/0.8/300·1e-3 = 0.125; with Q=50 after the file: 0.0625; with Q=50 before: the file's 100.
    EXPECT_EQ(cli({"run", "solid.sludge", "--inputs", path}).out, "V=0.125\n");
    EXPECT_EQ(cli({"run", "solid.sludge", "--inputs", path, "Q=50"}).out, "V=0.0625\n");
    EXPECT_EQ(cli({"run", "solid.sludge", "Q=50", "--inputs", path}).out, "V=0.125\n");
    EXPECT_EQ(cli({"run", "solid.sludge", "--inputs", path, "--json"}).code, kExitOk);

    // Files that do not fit: exit 2 and the reason; a missing file name: usage.
    const std::string other = (dir.path() / "other.json").string();
    ASSERT_EQ(writeScenario(other, "tools.geo_distance", {{"lon1", "1"}}), "");
    const Outcome wrong = cli({"run", "solid.sludge", "--inputs", other});
    EXPECT_EQ(wrong.code, kExitRefused);
    EXPECT_EQ(wrong.err, "qelvo-calc: 文件“" + other + "”是“tools.geo_distance”的方案，不能用于“solid.sludge”，无法打开！\n");
    EXPECT_EQ(wrong.out, "");
    tools::testing::write(other, R"({"calculator":"solid.sludge","inputs":{"V":"1"}})");
    EXPECT_EQ(cli({"run", "solid.sludge", "--inputs", other}).code, kExitRefused);
    EXPECT_EQ(cli({"run", "solid.sludge", "--inputs", (dir.path() / "none.json").string()}).code, kExitRefused);
    EXPECT_EQ(cli({"run", "solid.sludge", "--inputs"}).code, kExitUsage);
}

TEST(Cli, UsageErrorsExit64)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate"},
             {"run", "no.such"},
             {"inputs", "no.such"},
             {"run", "solid.sludge", "X=1"},          // unknown key
             {"run", "solid.sludge", "Q=abc"},        // not a number
             {"run", "solid.sludge", "Q="},           // empty is not a number
             {"run", "solid.sludge", "Q=-0"},         // nor is minus zero
             {"run", "solid.sludge", "Q"},            // no '='
             {"run", "tools.geo_distance", "lat1=1e400"}}) {
        const Outcome r = cli(args);
        EXPECT_EQ(r.code, kExitUsage) << (args.empty() ? "" : args.back());
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(r.out, "");
    }
    EXPECT_NE(cli({"run", "solid.sludge", "Q=abc"}).err.find("Q=abc"), std::string::npos);
}

TEST(CliReport, CurvesAsTitledTwoColumnTablesAndJsonArrays)
{
    Report report;
    report.fields = {{"L", "12.5"}};
    report.curves = {{"死亡概率", "距离m", "概率", {10, 20.5}, {0.5, 1e-7}},
                     {"空", "x", "y", {1}, {std::numeric_limits<double>::quiet_NaN()}}};
    std::ostringstream text;
    printReport("risk.test", report, false, text);
    EXPECT_EQ(text.str(), "L=12.5\n死亡概率\n距离m\t概率\n10\t0.5\n20.5\t1e-007\n空\nx\ty\n1\tnan\n");

    std::ostringstream json;
    printReport("risk.test", report, true, json);
    const auto j = nlohmann::json::parse(json.str());
    ASSERT_EQ(j["curves"].size(), 2u);
    EXPECT_EQ(j["curves"][0]["title"], "死亡概率");
    EXPECT_EQ(j["curves"][0]["xLabel"], "距离m");
    EXPECT_EQ(j["curves"][0]["yLabel"], "概率");
    EXPECT_EQ(j["curves"][0]["xs"], nlohmann::json::parse("[10, 20.5]"));
    EXPECT_DOUBLE_EQ(j["curves"][0]["ys"][1].get<double>(), 1e-7);
    EXPECT_TRUE(j["curves"][1]["ys"][0].is_null());  // JSON has no NaN
    // The keys in their order, messages last.
    const auto ordered = nlohmann::ordered_json::parse(json.str());
    std::vector<std::string> keys;
    for (const auto& item : ordered.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"id", "fields", "text", "tables", "curves", "messages"}));
}

TEST(Cli, BytesThatAreNotUtf8AreABadValueAndEchoedReplaced)
{
    // Used to abort in the JSON writer (exit 134): the refusal echoed the bytes.
    const Outcome r = cli({"run", "water.rainstorm", "city=\xff", "--json"});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_EQ(r.err, "qelvo-calc: city=\xef\xbf\xbd 不是有效的文字，请重新输入！\n");
    EXPECT_EQ(r.out, "");
    // A key or a command of such bytes: the same replacement.
    EXPECT_EQ(cli({"run", "water.rainstorm", "\xfe=1"}).err, "qelvo-calc: 未知的输入项 \xef\xbf\xbd\n");
    EXPECT_EQ(cli({"run", "x\xff"}).code, kExitUsage);
    // Valid texts still echo as typed, in the JSON too.
    const Outcome city = cli({"run", "water.rainstorm", "city=东京", "--json"});
    EXPECT_EQ(city.code, kExitRefused);
    EXPECT_EQ(nlohmann::json::parse(city.out)["messages"][0], "所选省份中没有城市“东京”，请重新选择！");
}

TEST(Cli, ReportsThatWouldShowNumbersThatAreNotFiniteAreRefused)
{
    // The framework's net, under checks a model may lack: exit 2 with the message.
    const Outcome r = cli({"run", "water.mixing2d", "Qp=1e38"});
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.out, "");
    // Declared ones are shown in the one spelling: the pH logarithm of a non-positive ratio.
    const Outcome ph = cli({"run", "water.ph", "Cw=1000"});
    EXPECT_EQ(ph.code, kExitOk);
    EXPECT_NE(ph.out.find("pH=nan\n"), std::string::npos);
}

TEST(Cli, ScreeningRunsOnTheEngineAskedFor)
{
    const Outcome builtin = cli({"run", "air.screen3", "pollutants=SO2:1:0.5,NO2:0.5:0.24"});
    ASSERT_EQ(builtin.code, kExitOk) << builtin.err;
    EXPECT_TRUE(builtin.out.starts_with("所筛选的污染物中NO2的Pmax最大\n")) << builtin.out;
    EXPECT_NE(builtin.out.find("估算模型：内置估算模型\n"), std::string::npos);
    EXPECT_NE(builtin.out.find("序号\t地形\t距离m\t源高m\tSO2下风向浓度mg／m＾3"), std::string::npos);
    EXPECT_EQ(builtin.out.find("SUMMARY OF SCREEN MODEL RESULTS"), std::string::npos);
    EXPECT_EQ(cli({"run", "air.screen3", "--engine", "builtin", "pollutants=SO2:1:0.5,NO2:0.5:0.24"}).out, builtin.out);
    EXPECT_NE(cli({"run", "air.screen3", "--listing"}).out.find("SUMMARY OF SCREEN MODEL RESULTS"), std::string::npos);

    const Outcome distance = cli({"run", "air.protection_distance", "S=0.6", "--engine=builtin"});
    EXPECT_EQ(distance.code, kExitOk);
    EXPECT_EQ(distance.out, "大气环境防护距离建议值 = 1100[m]\n");

    for (const auto& args : std::vector<std::vector<std::string>>{{"run", "air.screen3", "--engine"},
                                                                  {"run", "air.screen3", "--engine", "screen"},
                                                                  {"run", "air.screen3", "--engine="},
                                                                  {"run", "solid.sludge", "--listing"}}) {
        const Outcome r = cli(args);
        EXPECT_EQ(r.code, kExitUsage) << args.back();
        EXPECT_EQ(r.out, "");
    }
}

TEST(Cli, ScreeningWithoutTheExternalProgramSaysWhereToPutIt)
{
    const QByteArray path = qgetenv("PATH"), variable = qgetenv(air::kScreen3Variable);
    qputenv("PATH", "/nonexistent");
    qunsetenv(air::kScreen3Variable);
    if (!air::findScreen3(QSettings(QStringLiteral("Qelvo"), QStringLiteral("Qelvo"))).isEmpty()) {
        qputenv("PATH", path);
        GTEST_SKIP() << "a SCREEN3 is configured in this user's settings";
    }
    for (const char* id : {"air.screen3", "air.protection_distance"}) {
        const Outcome r = cli({"run", id, "--engine", "screen3"});
        EXPECT_EQ(r.code, kExitRefused) << id;
        EXPECT_EQ(r.err, air::screen3MissingMessage() + "\n") << id;
        EXPECT_EQ(r.out, "");
    }
    qputenv("PATH", path);
    if (!variable.isNull()) qputenv(air::kScreen3Variable, variable);
    // The built-in engine is back after the run.
    EXPECT_EQ(air::screeningEngine().name(), air::kBuiltinEngineName);
}

TEST(CliReport, NoCurvesNoCurvesKey)
{
    std::ostringstream json;
    printReport("x", Report{}, true, json);
    EXPECT_FALSE(nlohmann::json::parse(json.str()).contains("curves"));
}

}  // namespace
}  // namespace qelvo::cli
