// The water temperature page.
#include "water/pages/water_temperature_page.h"

#include <gtest/gtest.h>

namespace qelvo::ui {
namespace {

TEST(WaterTemperaturePage, FillsFortyRows)
{
    WaterTemperaturePage page;
    EXPECT_EQ(page.table()->columnWidth(1), 70);
    page.compute();
    ASSERT_EQ(page.table()->rowCount(), 41);
    EXPECT_EQ(page.table()->text(40, 1), "2000");
    EXPECT_EQ(page.table()->columnWidth(2), 90);
}

}  // namespace
}  // namespace qelvo::ui
