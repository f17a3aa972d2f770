// qelvo-calc contour: a grid file drawn without a display.
#include "cli/contour_command.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "contour/grid_file.h"

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

TEST(CliContour, RendersPngAndSvgOfAGridFile)
{
    const std::string dir = ::testing::TempDir();
    const std::string grd = dir + "/qelvo_cli_contour.grd";
    std::vector<std::vector<std::string>> table;
    for (int i = 0; i < 4; ++i) table.push_back({"y", "0", std::to_string(i), "0"});
    ASSERT_TRUE(contour::writeGridFile(table, grd, 0, 2, 0, 3, 3));

    const Outcome png = cli({"contour", grd, "--out", dir + "/qelvo_map.png"});
    EXPECT_EQ(png.code, kExitOk) << png.err;
    EXPECT_NE(png.out.find("levels=11\n"), std::string::npos);
    const Outcome svg = cli({"contour", grd, "--levels", "1,2", "--out", dir + "/qelvo_map.svg"});
    EXPECT_EQ(svg.code, kExitOk) << svg.err;
    EXPECT_NE(svg.out.find("levels=2\n"), std::string::npos);
    std::ifstream file(dir + "/qelvo_map.svg");
    std::string first;
    std::getline(file, first);
    EXPECT_NE(first.find("<?xml"), std::string::npos);

    EXPECT_EQ(cli({"contour", dir + "/none.grd", "--out", dir + "/x.png"}).err, "Open" + dir + "/none.grderror!!\n");
    EXPECT_EQ(cli({"contour", grd}).code, kExitUsage);
    EXPECT_EQ(cli({"contour", grd, "--levels", "1,x", "--out", dir + "/x.png"}).code, kExitUsage);
}

class CliContourRefusals : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::vector<std::vector<std::string>> table;
        for (int i = 0; i < 4; ++i) table.push_back({"y", "0", std::to_string(i), "0"});
        ASSERT_TRUE(contour::writeGridFile(table, grd, 0, 2, 0, 3, 3));
    }
    void put(const std::string& path, const std::string& text) { std::ofstream(path) << text; }
    const std::string dir = ::testing::TempDir();
    const std::string grd = dir + "/qelvo_cli_refusals.grd";
    const std::string png = dir + "/qelvo_refused.png";
};

TEST_F(CliContourRefusals, EachProblemHasItsOwnMessage)
{
    const struct {
        std::vector<std::string> args;
        int code;
        std::string err;
    } cases[] = {
        {{"--levels", ""}, kExitUsage, "qelvo-calc: --levels 后没有等值线值，请重新输入！\n"},
        {{"--levels", "1,,2"}, kExitUsage, "qelvo-calc: --levels 中有空的等值线值，请重新输入！\n"},
        {{"--levels", "1,2,"}, kExitUsage, "qelvo-calc: --levels 中有空的等值线值，请重新输入！\n"},
        {{"--levels", "1,abc"}, kExitUsage, "qelvo-calc: 等值线值“abc”不是一个数，请重新输入！\n"},
        {{"--levels", "1e39"}, kExitUsage, "qelvo-calc: 等值线值“1e39”不是一个数，请重新输入！\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"contour", grd};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), {"--out", png});
        const Outcome r = cli(args);
        EXPECT_EQ(r.code, c.code) << c.args.back();
        EXPECT_EQ(r.err, c.err) << c.args.back();
    }
    // At most 100 levels: 100 are drawn, 101 refused before any tracing.
    std::string hundred, more;
    for (int k = 1; k <= 100; ++k) hundred += (k > 1 ? "," : "") + std::to_string(k * 0.02);
    more = hundred + ",2.5";
    EXPECT_EQ(cli({"contour", grd, "--levels", hundred, "--out", png}).code, kExitOk);
    const Outcome tooMany = cli({"contour", grd, "--levels", more, "--out", png});
    EXPECT_EQ(tooMany.code, kExitUsage);
    EXPECT_EQ(tooMany.err, "qelvo-calc: 等值线最多100条，请减少等值线值后重新输入！\n");
    // A format that is not a picture is said as such, before the grid is read.
    const Outcome txt = cli({"contour", dir + "/none.grd", "--out", dir + "/map.txt"});
    EXPECT_EQ(txt.code, kExitUsage);
    EXPECT_EQ(txt.err, "qelvo-calc: 不支持的图片格式“.txt”，请使用 .png 或 .svg 文件！\n");
}

TEST_F(CliContourRefusals, GridFilesThatAreNotFiniteAreRefused)
{
    // nan extents used to draw an empty frame labelled "nan" and exit 0.
    put(dir + "/nan.grd", "DSAA\n2 2\nnan 2\n0 2\n0 4\n1 2\n3 4\n");
    const Outcome r = cli({"contour", dir + "/nan.grd", "--out", png});
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.err, "网格文件" + dir + "/nan.grd第3行的数值“nan”超出范围，数据读取没有成功!\n");
}

TEST_F(CliContourRefusals, AFailedWriteIsNoSuccess)
{
    const std::string missing = dir + "no/such/folder/map.svg";  // TempDir ends with '/'

    const Outcome r = cli({"contour", grd, "--out", missing});
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.err, "无法写入文件“" + missing + "”，请检查文件夹、磁盘空间和写入权限！\n");
    EXPECT_TRUE(r.out.empty());
}

}  // namespace
}  // namespace qelvo::cli
