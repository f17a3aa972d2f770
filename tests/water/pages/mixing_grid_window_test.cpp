// The mixing grid results window.
#include "water/pages/mixing_grid_window.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "presentation/result_table.h"
#include "support/ui_seams.h"
#include "water/river_mixing.h"

namespace qelvo::ui {
namespace {

using namespace water;

TEST(MixingGridWindow, EmptyTableHasNoContours)
{
    testing::RecordMessages messages;
    MixingGridWindow window({"t", Table{"s", {"Y＼X"}, {}}, 500, 0, 50});
    window.drawContours();
    EXPECT_EQ(messages.texts(), QStringList{kNoDataYet});
}

TEST(MixingGridWindow, ExportsUnderTheSheetNameOfTheModelsTable)
{
    Mixing2dInput in;
    in.xmax = 60;
    in.xc = 20;
    in.model = 1;
    const MixingGrid grid = computeMixing2dGrid(in);
    MixingGridWindow window({QString::fromUtf8(mixingWindowTitle(grid.kind, grid.model)), mixingTable(grid), 60, 0, 50});
    EXPECT_EQ(window.table()->sheetName(), "水预测－二维稳态混合衰减模式计算结果");
    EXPECT_EQ(window.table()->columnWidth(1), 60);  // the window's widths survive the table
    EXPECT_EQ(window.table()->columnCount(), 4);    // Y＼X and x = 20, 40, 60
}

TEST(MixingGridWindow, AGridFileThatIsNotWrittenOpensNoMap)
{
    // The map would read an older result.grd: a table that cannot be written, or a write that
    // fails, is said and no map window opens.
    QTemporaryDir dir;
    testing::RecordMessages messages;
    testing::InterceptModals modals;
    MixingGridWindow broken({"t", Table{"s", {"Y＼X", "20"}, {{"0", "nan"}, {"10", "1.0000"}}}, 20, 0, 10});
    broken.setGridPath(dir.filePath("result.grd"));
    broken.drawContours();
    EXPECT_EQ(messages.texts(), QStringList{"结果表第1行第2列不是有限的数，不能绘制等值线！"});
    EXPECT_TRUE(modals.titles.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("result.grd")));

    messages.messages.clear();
    MixingGridWindow good({"t", Table{"s", {"Y＼X", "20", "40"}, {{"0", "2.0000", "1.0000"}, {"10", "1.5000", "0.5000"}}}, 40, 0,
                           10});
    good.setGridPath(dir.filePath("no/such/folder/result.grd"));
    good.drawContours();
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("无法写入文件"));
    EXPECT_TRUE(modals.titles.isEmpty());

    good.setGridPath(dir.filePath("result.grd"));
    good.drawContours();
    EXPECT_EQ(modals.titles, QStringList{"等值线图"});
}

}  // namespace
}  // namespace qelvo::ui
