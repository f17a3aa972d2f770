#include "common/xlsx_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qelvo {
namespace {

namespace fs = std::filesystem;

TEST(XlsxExport, SheetNamesExcelAccepts)
{
    EXPECT_EQ(cleanSheetName("SP模式计算结果"), "SP模式计算结果");
    EXPECT_EQ(cleanSheetName("a[b]c:d*e?f/g\\h"), "abcdefgh");
    EXPECT_EQ(cleanSheetName("'quoted'"), "quoted");
    EXPECT_EQ(cleanSheetName("???"), "Sheet1");
    // 34 characters: kept to 31, cut between characters, never inside one.
    const std::string longName = "水预测－二维稳态混合衰减模式计算结果水预测－二维稳态混合衰减模式";
    const std::string cut = cleanSheetName(longName);
    EXPECT_EQ(cut, longName.substr(0, 31 * 3));
}

TEST(XlsxExport, NumberFormatsShowTheTablesDigits)
{
    const std::pair<const char*, const char*> cases[] = {
        {"50", "General"},         {"-3", "General"},          {"0.0375", "0.0000"},
        {"12.50", "0.00"},         {"0.5000", "0.0000"},       {"1.23457e+006", "0.00000e+000"},
        {"1e-005", "0e+000"},      {"2.5E+04", "0.0E+00"},     {"123456789012", "0"},
        {"abc", ""},               {"", ""},                   {" 5", ""},
        {"5 ", ""},                {"-0", ""},                 {"1.#INF", ""},
        {"nan", ""},               {"距离m", ""},              {"1,5", ""},
    };
    for (const auto& [text, format] : cases) EXPECT_EQ(excelNumberFormat(text), format) << '"' << text << '"';
}

class XlsxFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("qelvo_xlsx_" + std::to_string(::getpid()) + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::permissions(dir_, fs::perms::owner_all, ec);
        fs::remove_all(dir_);
    }
    std::size_t filesInDir() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
    }
    static std::string head(const fs::path& p)
    {
        std::ifstream f(p, std::ios::binary);
        std::string s(2, '\0');
        f.read(s.data(), 2);
        return s;
    }
    const SheetData sheet{"SP模式计算结果", {"序号", "距离m"}, {{"1", "100"}, {"2", "0.0375"}}};
    fs::path dir_;
};

TEST_F(XlsxFileTest, WritesAWorkbookAndReplacesAnOldFileWhole)
{
    const fs::path target = dir_ / "out.xlsx";
    std::ofstream(target) << "old contents";
    EXPECT_EQ(writeXlsx(target.string(), sheet), "");
    EXPECT_EQ(head(target), "PK");  // a zip package
    EXPECT_EQ(filesInDir(), 1u);     // no temporary file left behind
}

TEST_F(XlsxFileTest, FailuresLeaveTheOldFileAndNoHalfWrittenFile)
{
    // The target is a folder: it cannot be replaced.
    const fs::path folder = dir_ / "taken.xlsx";
    fs::create_directories(folder / "inside");
    EXPECT_EQ(writeXlsx(folder.string(), sheet), kReplaceFailed);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(filesInDir(), 1u);

    // A file that cannot be created, whatever the rights (root's too): its folder is a
    // regular file. Said in Chinese with the path, and nothing is left behind.
    const fs::path plain = dir_ / "plain.txt";
    std::ofstream(plain) << "not a folder";
    const std::string inside = (plain / "out.xlsx").string();
    EXPECT_EQ(writeXlsx(inside, sheet), "无法写入文件“" + inside + "”，请检查文件夹、磁盘空间和写入权限！");
    EXPECT_EQ(filesInDir(), 2u);  // the folder and the plain file
    std::ifstream old(plain);
    std::string text;
    std::getline(old, text);
    EXPECT_EQ(text, "not a folder");
}

TEST_F(XlsxFileTest, SheetsBeyondExcelsSizeAreRefusedBeforeWriting)
{
    // 16 384 columns fit; one more does not, in the titles or in any row.
    SheetData wide{"宽表", std::vector<std::string>(kSheetMaxColumns, "x"), {{"1"}}};
    const fs::path target = dir_ / "wide.xlsx";
    EXPECT_EQ(writeXlsx(target.string(), wide), "");
    wide.titles.push_back("x");
    EXPECT_EQ(writeXlsx(target.string(), wide), kSheetTooLarge);
    wide.titles.pop_back();
    wide.rows.push_back(std::vector<std::string>(kSheetMaxColumns + 1, "1"));
    EXPECT_EQ(writeXlsx(target.string(), wide), kSheetTooLarge);
    EXPECT_EQ(std::string(kSheetTooLarge), "表格超出Excel工作表的大小（最多16384列、1048576行），无法导出！");

    // 1 048 576 rows with the title row: 1 048 575 data rows fit, one more does not.
    SheetData tall{"长表", {"a"}, std::vector<std::vector<std::string>>(kSheetMaxRows, std::vector<std::string>{})};
    std::ofstream(dir_ / "tall.xlsx") << "old";
    EXPECT_EQ(writeXlsx((dir_ / "tall.xlsx").string(), tall), kSheetTooLarge);
    std::ifstream old(dir_ / "tall.xlsx");
    std::string text;
    std::getline(old, text);
    EXPECT_EQ(text, "old");  // nothing was written
}

}  // namespace
}  // namespace qelvo
