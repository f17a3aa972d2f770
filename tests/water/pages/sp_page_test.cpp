// The S-P page: its table in both modes.
#include "water/pages/sp_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;

TEST(SpPage, FullTableMixedOnlyAndBack)
{
    SpPage page;
    ResultTable* t = page.table();
    EXPECT_EQ(t->titles(), QStringList({"序号", "距离m", "浓度值mg／L", "氧亏值mg／L"}));
    EXPECT_EQ(t->columnWidth(1), 80);  // 浓度值, after the fixed 序号 and 距离m
    button(&page, "计算结果")->click();
    ASSERT_EQ(t->rowCount(), 31);  // header + 30 rows
    EXPECT_EQ(t->text(1, 1), "100");
    EXPECT_EQ(t->text(30, 1), "3000");
    EXPECT_EQ(t->text(1, 2), "9.5344");
    // The row numbers are the fixed label column, not data.
    EXPECT_EQ(t->table()->fixedColumns(), 1);
    EXPECT_EQ(t->model()->columnCount(), 3);
    EXPECT_EQ(t->model()->headerData(29, Qt::Vertical, Qt::DisplayRole).toString(), "30");
    EXPECT_EQ(t->verticalHeader()->width(), 50);

    auto* mixed = page.findChild<QCheckBox*>("onlyMixed");
    mixed->setChecked(true);
    EXPECT_EQ(t->rowCount(), 1);  // rebuilt empty
    EXPECT_FALSE(edit(&page, "u")->isEnabled());
    EXPECT_FALSE(edit(&page, "K2")->isEnabled());
    EXPECT_TRUE(edit(&page, "Qh")->isEnabled());
    page.compute();
    EXPECT_EQ(t->titles(), QStringList{"完全混合浓度值mg／L"});
    ASSERT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->text(1, 0), "9.54545");
    EXPECT_EQ(t->table()->fixedColumns(), 0);  // the one value is data
    EXPECT_EQ(t->model()->data(t->model()->index(0, 0), Qt::DisplayRole).toString(), "9.54545");

    mixed->setChecked(false);
    EXPECT_EQ(t->table()->fixedColumns(), 1);
    EXPECT_EQ(t->columnWidth(1), 90);
    EXPECT_EQ(t->columnWidth(2), 90);
    EXPECT_TRUE(edit(&page, "u")->isEnabled());
}

TEST(SpPage, CopyButtonWithoutSelection)
{
    testing::RecordMessages messages;
    SpPage page;
    page.compute();
    button(&page, "复制选中表格")->click();
    EXPECT_EQ(messages.texts(), QStringList{kSelectCellsFirst});
}

}  // namespace
}  // namespace qelvo::ui
