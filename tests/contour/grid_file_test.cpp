#include "contour/grid_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cmath>
#include <sstream>

#include "support/file_limit.h"

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
    // One row: nx 2, ny 1.
    ASSERT_TRUE(writeGridFile({{"y=0", "1", "2"}}, path("one.grd"), 0, 10, 0, 0, 2));
    EXPECT_EQ(slurp(path("one.grd")), "DSAA\n2 1\n0 10\n0 0\n0 2\n1 2 \n\n");
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
    std::string error;
    const std::string target = path("no/such/folder/result.grd");
    EXPECT_FALSE(writeGridFile({{"r", "1"}}, target, 0, 1, 0, 1, 1, &error));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "   open file error!!!!!!!!!!!!\n");
    EXPECT_EQ(error, "无法写入文件“" + target + "”，请检查文件夹、磁盘空间和写入权限！");
}

TEST_F(GridFileTest, AFailedWriteIsReportedAndTheOldFileStays)
{
    // A small grid on a full disk used to pass: the error came only with the flush at closing.
    // A file size limit fails the write the same way.
    put(path("result.grd"), "DSAA old");
    std::string error;
    {
        const qelvo::testing::FileSizeLimit limit(20);
        ::testing::internal::CaptureStdout();
        EXPECT_FALSE(writeGridFile({{"r", "1", "2"}, {"r", "3", "4"}}, path("result.grd"), 0, 1, 0, 1, 4, &error));
        ::testing::internal::GetCapturedStdout();
    }
    EXPECT_NE(error.find("无法写入文件"), std::string::npos);
    EXPECT_EQ(slurp(path("result.grd")), "DSAA old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(GridFileTest, CellsAreDecimalNumbersAndNeverNotFinite)
{
    // Text that is not a decimal number counts as 0; "nan", "inf", a hexadecimal text and "1e5x"
    // are not numbers that C's atof reads on the platform the format comes from.
    ASSERT_TRUE(writeGridFile({{"r", "0x10", "abc", " 2.5 ", ""}, {"r", "1e5x", "-", "+3", "1e-3"}}, path("a.grd"), 0, 1, 0,
                              1, 3));
    EXPECT_EQ(slurp(path("a.grd")), "DSAA\n4 2\n0 1\n0 1\n0 3\n0 0 2.5 0 \n\n0 0 3 0.001 \n\n");

    // A table with a value that is not finite never reaches the file, nor does a zhi that is not.
    put(path("b.grd"), "old");
    for (const char* cell : {"nan", "inf", "-inf", "1e999", "-1e400"}) {
        std::string error;
        EXPECT_FALSE(writeGridFile({{"r", "1", "2"}, {"r", "3", cell}}, path("b.grd"), 0, 1, 0, 1, 3, &error)) << cell;
        EXPECT_EQ(error, "结果表第2行第3列不是有限的数，不能绘制等值线！") << cell;
    }
    std::string error;
    EXPECT_FALSE(writeGridFile({{"r", "1", "2"}}, path("b.grd"), 0, 1, 0, 1, std::nan(""), &error));
    EXPECT_EQ(error, "结果表的数值范围不是有限的数，不能绘制等值线！");
    EXPECT_EQ(slurp(path("b.grd")), "old");
}

TEST_F(GridFileTest, ValuesBeyondRangeAreRefusedWithTheFileAndLine)
{
    // 1e39 does not fit the grid's single precision: it used to be read as 0.
    const std::string body = "DSAA\n2 2\n0 1\n0 1\n0 4\n1 2\n\n3 ";  // the last value on line 8
    put(path("big.grd"), body + "1e39\n");
    EXPECT_EQ(readGridFile(path("big.grd")).error, "网格文件" + path("big.grd") + "第8行的数值“1e39”超出范围，数据读取没有成功!");
    put(path("nan.grd"), body + "nan\n");
    EXPECT_EQ(readGridFile(path("nan.grd")).error, "网格文件" + path("nan.grd") + "第8行的数值“nan”超出范围，数据读取没有成功!");
    // In the header: the extents and the value range.
    put(path("h.grd"), "DSAA\n2 2\nnan 1\n0 1\n0 1e999\n1 2 3 4\n");
    EXPECT_EQ(readGridFile(path("h.grd")).error, "网格文件" + path("h.grd") + "第3行的数值“nan”超出范围，数据读取没有成功!");
    put(path("z.grd"), "DSAA\n2 2\n0 1\n0 1\n0 1e999\n1 2 3 4\n");
    EXPECT_EQ(readGridFile(path("z.grd")).error, "网格文件" + path("z.grd") + "第5行的数值“1e999”超出范围，数据读取没有成功!");
    put(path("inf.grd"), "DSAA 2 2 0 1 0 1 0 1 1 2 3 -inf");
    EXPECT_NE(readGridFile(path("inf.grd")).error.find("第1行的数值“-inf”"), std::string::npos);
    // Extents of zero width draw nothing: refused too.
    put(path("flat.grd"), "DSAA\n2 2\n1 1\n0 1\n0 1\n1 2 3 4\n");
    EXPECT_EQ(readGridFile(path("flat.grd")).error, "网格文件" + path("flat.grd") + "的坐标范围为零，数据读取没有成功!");
    // The largest float still reads.
    put(path("max.grd"), body + "3.4e38\n");
    ASSERT_TRUE(readGridFile(path("max.grd")).grid);
    EXPECT_EQ(readGridFile(path("max.grd")).grid->at(1, 1), 3.4e38f);
}

}  // namespace
}  // namespace qelvo::contour
