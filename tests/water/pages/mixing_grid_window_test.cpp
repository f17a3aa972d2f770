// The mixing grid results window.
#include "water/pages/mixing_grid_window.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qelvo::ui
