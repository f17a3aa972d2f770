#include "contour/grid_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qelvo::contour {
namespace {

namespace fs = std::filesystem;

class GridFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("qelvo_grid_" + std::to_string(::getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }
    static std::string slurp(const std::string& p)
    {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    void put(const std::string& p, const std::string& text) const { std::ofstream(p, std::ios::binary) << text; }

    fs::path dir_;
};

TEST_F(GridFileTest, WritesTheLayoutOtherGridProgramsRead)
{
    // Three rows, a title column and two value columns: nx 2, ny 3.
    const std::vector<std::vector<std::string>> table = {
        {"y=0", "0.000123", "1234567"},
        {"y=5", "abc", "-2.5"},
        {"y=10", "7", "1e-10"},
    };
    ASSERT_TRUE(writeGridFile(table, path("result.grd"), 0, 500, 0, 10, 1234567));
    EXPECT_EQ(slurp(path("result.grd")),
              "DSAA\n2 3\n0 500\n0 10\n0 1.23457e+06\n"
              "0.000123 1.23457e+06 \n\n"
              "0 -2.5 \n\n"
              "7 1e-10 \n\n");
}

TEST_F(GridFileTest, RoundTrip)
{
    std::vector<std::vector<std::string>> table;
    for (int i = 0; i < 4; ++i) {
        table.push_back({"row"});
        for (int j = 0; j < 5; ++j) table.back().push_back(std::to_string(i * 10 + j) + ".5");
    }
    ASSERT_TRUE(writeGridFile(table, path("g.grd"), 30, 480, -100, 100, 35.5));
    const auto read = readGridFile(path("g.grd"));
    ASSERT_TRUE(read.grid) << read.error;
    const Grid& g = *read.grid;
    EXPECT_EQ(g.nx, 5);
    EXPECT_EQ(g.ny, 4);
    EXPECT_EQ(g.xlo, 30);
    EXPECT_EQ(g.xhi, 480);
    EXPECT_EQ(g.ylo, -100);
    EXPECT_EQ(g.yhi, 100);
    EXPECT_EQ(g.zlo, 0);
    EXPECT_EQ(g.zhi, 35.5);
    EXPECT_EQ(g.at(0, 0), 0.5f);
    EXPECT_EQ(g.at(3, 4), 34.5f);
    EXPECT_EQ(g.at(2, 1), 21.5f);
}

TEST_F(GridFileTest, ReaderAcceptsFreeFormat)
{
    put(path("free.grd"), "DSAA 2 2\r\n 0 1 0 1\n-1 +1e0\n1\t2\n3 4");
    const auto read = readGridFile(path("free.grd"));
    ASSERT_TRUE(read.grid) << read.error;
    EXPECT_EQ(read.grid->zlo, -1);
    EXPECT_EQ(read.grid->zhi, 1);
    EXPECT_EQ(read.grid->at(1, 1), 4.0f);
}

TEST_F(GridFileTest, ReaderRefusals)
{
    const std::string missing = path("none.grd");
    EXPECT_EQ(readGridFile(missing).error, "Open" + missing + "error!!");

    put(path("dsbb.grd"), "DSBB\n2 2\n0 1\n0 1\n0 1\n1 2\n3 4\n");
    EXPECT_EQ(readGridFile(path("dsbb.grd")).error, "不能打开文件。");

    // Fewer values than the header announces: refused, not read as garbage.
    put(path("short.grd"), "DSAA\n3 2\n0 1\n0 1\n0 1\n1 2 3\n4 5\n");
    const auto shortRead = readGridFile(path("short.grd"));
    EXPECT_FALSE(shortRead.grid);
    EXPECT_NE(shortRead.error.find("少于"), std::string::npos);

    // A header asking for more nodes than can sensibly be held: refused before allocating.
    put(path("huge.grd"), "DSAA\n100000 100000\n0 1\n0 1\n0 1\n");
    EXPECT_EQ(readGridFile(path("huge.grd")).error, "内存分配失败，数据读取没有成功!");

    put(path("bad.grd"), "DSAA\n2 x\n");
    EXPECT_FALSE(readGridFile(path("bad.grd")).grid);
    put(path("one.grd"), "DSAA\n1 2\n0 1\n0 1\n0 1\n1 2\n");
    EXPECT_FALSE(readGridFile(path("one.grd")).grid);
}

TEST_F(GridFileTest, WriterSaysWhenTheFileCannotBeCreated)
{
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(writeGridFile({{"r", "1"}}, path("no/such/folder/result.grd"), 0, 1, 0, 1, 1));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "   open file error!!!!!!!!!!!!\n");
}

}  // namespace
}  // namespace qelvo::contour
