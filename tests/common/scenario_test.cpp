// Scenario files: written whole, read back as written, and every kind of unfit file refused
// with a message before any of its values is used.
#include "common/scenario.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/version.h"
#include "tools/temp_dir.h"

namespace qelvo {
namespace {

using tools::testing::slurp;
using tools::testing::TempDir;
using tools::testing::write;

const std::vector<FieldSpec>& specs()
{
    static const std::vector<FieldSpec> list = {
        {"Q", "污水量", FieldKind::Single},
        {"n", "次数", FieldKind::Integer},
        {"mode", "模式", FieldKind::Choice, {}, {"酸性", "碱性"}},
        {"on", "开关", FieldKind::Check},
        {"name", "名称", FieldKind::Text},
    };
    return list;
}

TEST(Scenario, WrittenAndReadBack)
{
    TempDir dir;
    const std::string path = (dir.path() / "a.json").string();
    const Assignments inputs = {{"Q", "80"}, {"n", "3"}, {"mode", "1"}, {"on", "0"}, {"name", "上海 \"东\""}};
    ASSERT_EQ(writeScenario(path, "solid.sludge", inputs), "");
    const std::string text = slurp(path);
    EXPECT_NE(text.find("\"calculator\": \"solid.sludge\""), std::string::npos) << text;
    EXPECT_NE(text.find(std::string("\"version\": \"") + programVersion() + "\""), std::string::npos) << text;
    const ScenarioRead read = readScenario(path, "solid.sludge", specs());
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.scenario.inputs, inputs);  // the file's order, texts unchanged
    EXPECT_EQ(read.scenario.version, programVersion());
    // Replaced whole: a second save leaves one file and no temporary beside it.
    ASSERT_EQ(writeScenario(path, "solid.sludge", {{"Q", "1"}}), "");
    EXPECT_EQ(readScenario(path, "solid.sludge", specs()).scenario.inputs, (Assignments{{"Q", "1"}}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// The file as a user opens it in an editor: one input a line, indented by two.
TEST(Scenario, TheFileReadsAsText)
{
    EXPECT_EQ(scenarioText("solid.sludge", {{"Q", "80"}, {"P", "25"}}),
              std::string("{\n  \"calculator\": \"solid.sludge\",\n  \"version\": \"") + programVersion()
                  + "\",\n  \"inputs\": {\n    \"Q\": \"80\",\n    \"P\": \"25\"\n  }\n}\n");
}

TEST(Scenario, AFailedWriteIsSaidAndTheOldFileStays)
{
    TempDir dir;
    const std::string missing = (dir.path() / "no" / "a.json").string();
    EXPECT_NE(writeScenario(missing, "solid.sludge", {}).find("无法写入文件"), std::string::npos);
}

TEST(Scenario, NumbersWrittenByHandReadAsTheirText)
{
    const ScenarioRead read =
        parseScenario(R"({"calculator":"x","inputs":{"Q":80,"n":-3,"mode":"碱性"}})", "a.json");
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.scenario.inputs, (Assignments{{"Q", "80"}, {"n", "-3"}, {"mode", "碱性"}}));
    EXPECT_EQ(read.scenario.version, "");  // the version is not required
    EXPECT_EQ(checkScenario(read.scenario, "a.json", "x", specs()), "");
}

// Each unfit file, with the words its message must contain.
TEST(Scenario, UnfitFilesAreRefused)
{
    struct Case {
        const char* what;
        std::string bytes;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"not UTF-8", "{\"calculator\":\"x\",\"inputs\":{\"name\":\"\xff\"}}", "不是UTF-8编码的文本"},
        {"malformed", "{\"calculator\":\"x\",", "不是有效的JSON文件"},
        {"empty", "", "不是有效的JSON文件"},
        {"an array", "[1,2]", "不是方案文件"},
        {"no inputs", R"({"calculator":"x"})", "不是方案文件"},
        {"id not a text", R"({"calculator":3,"inputs":{}})", "不是方案文件"},
        {"inputs not an object", R"({"calculator":"x","inputs":[]})", "不是方案文件"},
        {"a value that is an object", R"({"calculator":"x","inputs":{"Q":{}}})", "输入项Q的值应是文字"},
        {"a value that is true", R"({"calculator":"x","inputs":{"on":true}})", "输入项on的值应是文字"},
        {"another calculator", R"({"calculator":"noise.green","inputs":{}})", "是“noise.green”的方案，不能用于“x”"},
        {"an unknown key", R"({"calculator":"x","inputs":{"Q":"1","V":"2"}})", "中的输入项“V”不属于“x”"},
        {"not a number", R"({"calculator":"x","inputs":{"Q":"8o"}})", "中 Q=8o 不是一个数"},
        {"beyond single precision", R"({"calculator":"x","inputs":{"Q":"1e39"}})", "中 Q=1e39 不是一个数"},
        {"not a whole number", R"({"calculator":"x","inputs":{"n":"2.5"}})", "中 n=2.5 不是一个整数"},
        {"a choice out of range", R"({"calculator":"x","inputs":{"mode":"2"}})", "不是可选的一项"},
        {"a check not 0 or 1", R"({"calculator":"x","inputs":{"on":"2"}})", "不是0或1"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        const std::string path = (dir.path() / "case.json").string();
        write(path, c.bytes);
        const ScenarioRead read = readScenario(path, "x", specs());
        EXPECT_NE(read.problem.find(c.says), std::string::npos) << c.what << ": " << read.problem;
        EXPECT_NE(read.problem.find(path), std::string::npos) << c.what << ": the file is named";
        EXPECT_NE(read.problem.find("！"), std::string::npos) << c.what;
    }
}

TEST(Scenario, MissingLargeAndFolderFilesAreRefusedBeforeReading)
{
    TempDir dir;
    EXPECT_NE(readScenario((dir.path() / "none.json").string(), "x", specs()).problem.find("无法读取文件"),
              std::string::npos);
    EXPECT_NE(readScenario(dir.path().string(), "x", specs()).problem.find("无法读取文件"), std::string::npos);
    const std::string big = (dir.path() / "big.json").string();
    write(big, std::string(kMaxScenarioBytes + 1, ' '));
    EXPECT_NE(readScenario(big, "x", specs()).problem.find("大于1 MB"), std::string::npos);
    // Exactly at the limit it is read (and then judged as JSON).
    write(big, std::string(kMaxScenarioBytes, ' '));
    EXPECT_NE(readScenario(big, "x", specs()).problem.find("不是有效的JSON文件"), std::string::npos);
}

TEST(Scenario, AFileNameThatIsNotUtf8IsEchoedReadably)
{
    const std::string problem = parseScenario("\xff", "a\xff.json").problem;
    EXPECT_TRUE(isUtf8(problem));
}

}  // namespace
}  // namespace qelvo
