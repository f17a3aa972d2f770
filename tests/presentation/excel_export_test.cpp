#include "presentation/excel_export.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "support/ui_seams.h"
#include "presentation/result_table.h"

namespace qelvo::ui {
namespace {

class ChooseFile {
public:
    explicit ChooseFile(QString answer)
        : previous_(setFileHandler([this, answer](QWidget*, const FileRequest& r) {
              requests.push_back(r);
              return answer;
          }))
    {
    }
    ~ChooseFile() { setFileHandler(previous_); }
    std::vector<FileRequest> requests;

private:
    FileHandler previous_;
};

TEST(ExcelExport, DefaultFileNameFromLocalTime)
{
    EXPECT_EQ(defaultExportFileName(QDateTime(QDate(2010, 3, 15), QTime(14, 25, 30))), "20100315142530.xlsx");
    EXPECT_EQ(defaultExportFileName(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))), "20260102030405.xlsx");
}

TEST(ExcelExport, AskForAFileWriteItAndSaySo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("new/folder/结果.xlsx");  // missing folders are made
    ChooseFile choose(path);
    testing::RecordMessages messages;
    ResultTable table;
    table.setFixedRowCount(1);
    table.setFixedColumnCount(1);
    table.setTable({"序号", "距离m"}, {{"1", "100"}});
    ExportGridToExcel(&table, "SP模式计算结果");

    ASSERT_EQ(choose.requests.size(), 1u);
    EXPECT_EQ(choose.requests[0].title, "导出");
    EXPECT_TRUE(choose.requests[0].save);
    EXPECT_TRUE(choose.requests[0].filter.startsWith("Excel文件(*.xlsx)"));
    EXPECT_TRUE(choose.requests[0].path.endsWith(".xlsx"));
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(messages.texts(), QStringList{"导出文件保存于" + path + "!"});
}

TEST(ExcelExport, NothingToExportOrCancelledIsSilent)
{
    testing::RecordMessages messages;
    ResultTable headerOnly;
    headerOnly.setFixedRowCount(1);
    headerOnly.setTable({"序号", "距离m"}, {});
    {
        ChooseFile choose("/tmp/never.xlsx");
        ExportGridToExcel(&headerOnly, "x");
        EXPECT_TRUE(choose.requests.empty());  // no dialog at all
    }
    ResultTable list(ResultTable::Form::List);
    list.setTable({"a"}, {{"1"}});
    ChooseFile cancel("");
    ExportListToExcel(&list, "x");
    EXPECT_EQ(cancel.requests.size(), 1u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(ExcelExport, WriteFailureShowsTheReason)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("taken.xlsx");
    QDir().mkpath(folder + "/inside");
    ChooseFile choose(folder);
    testing::RecordMessages messages;
    ResultTable list(ResultTable::Form::List);
    list.setTable({"a"}, {{"1"}});
    ExportListToExcel(&list, "x");
    EXPECT_EQ(messages.texts(), QStringList{"覆盖文件时出错！"});
}

TEST(ExcelExport, TablesBeyondTheSheetAreRefusedInChineseBeforeAnyFile)
{
    // A mixing grid of 20 000 columns (water.mixing2d_grid xmax=20000 xc=1): the library used
    // to fail with its English "Worksheet row or column index out of range." after the file
    // was chosen. 16 385 columns are one too many.
    QStringList titles{"Y＼X"};
    std::vector<QString> row{"0"};
    for (int x = 1; x <= 16384; ++x) {
        titles << QString::number(x);
        row.push_back("1.0000");
    }
    ResultTable list(ResultTable::Form::List);
    list.setTable(titles, {row});
    ASSERT_EQ(list.columnCount(), 16385);
    ChooseFile choose("/tmp/never.xlsx");
    testing::RecordMessages messages;
    ExportListToExcel(&list, "x");
    EXPECT_TRUE(choose.requests.empty());
    EXPECT_EQ(messages.texts(), QStringList{"表格超出Excel工作表的大小（最多16384列、1048576行），无法导出！"});
}

}  // namespace
}  // namespace qelvo::ui
