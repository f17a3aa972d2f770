// The distance page.
#include "tools/pages/geo_distance_page.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;

TEST(GeoDistancePage, ComputesWithFifteenDigits)
{
    std::unique_ptr<GeoDistancePage> page(createGeoDistancePage(nullptr));
    EXPECT_EQ(edit(page.get(), "lon1")->text(), "120.9532");
    EXPECT_EQ(edit(page.get(), "lat2")->text(), "27.20242");
    button(page.get(), "计算")->click();
    EXPECT_EQ(edit(page.get(), "d")->text(), "176.807609504204");

    edit(page.get(), "lon1")->setText("0");
    edit(page.get(), "lat1")->setText("0");
    edit(page.get(), "lon2")->setText("1");
    edit(page.get(), "lat2")->setText("0");
    page->compute();
    EXPECT_EQ(edit(page.get(), "d")->text(), "111319.490793262");
    // The whole number fits its field, first digit included.
    QLineEdit* d = edit(page.get(), "d");
    EXPECT_GE(d->width(), d->fontMetrics().horizontalAdvance(d->text()) + 10);
    EXPECT_GE(d->width(), d->fontMetrics().horizontalAdvance("-1.23456789012346e-300") + 10);
}

}  // namespace
}  // namespace qelvo::ui
