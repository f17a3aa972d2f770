// The water temperature page.
#include "water/pages/water_temperature_page.h"

#include <gtest/gtest.h>

#include <QHeaderView>

namespace qelvo::ui {
namespace {

TEST(WaterTemperaturePage, FillsFortyRows)
{
    WaterTemperaturePage page;
    ResultTable* t = page.table();
    // The row numbers are the fixed label column (50); the view's columns are the data.
    EXPECT_EQ(t->table()->fixedColumns(), 1);
    EXPECT_EQ(t->verticalHeader()->width(), 50);
    EXPECT_EQ(t->columnWidth(0), 70);
    page.compute();
    ASSERT_EQ(t->rowCount(), 41);
    EXPECT_EQ(t->text(40, 1), "2000");
    EXPECT_EQ(t->model()->headerData(39, Qt::Vertical, Qt::DisplayRole).toString(), "40");
    EXPECT_EQ(t->columnWidth(1), 90);
}

}  // namespace
}  // namespace qelvo::ui
