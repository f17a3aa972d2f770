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

}  // namespace
}  // namespace qelvo::cli
