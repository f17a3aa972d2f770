// The JTG B03-2006 page: the speed window and the details.
#include "noise/pages/highway_jtg2006_page.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTextEdit>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;

TEST(Highway2006Page, SpeedsHandBackAndDetails)
{
    Highway2006Page page;
    testing::InterceptModals modals([](QDialog& d) {
        if (auto* speeds = dynamic_cast<SpeedWindow*>(&d)) return speeds->finish() ? 1 : 0;
        EXPECT_TRUE(d.findChild<QTextEdit*>()->toPlainText().contains("L环=60.47"));
        return 0;
    });
    button(&page, "公式计算车速")->click();
    EXPECT_EQ(page.findChild<QLineEdit*>("VL")->text(), "68.4843");
    EXPECT_EQ(page.findChild<QLineEdit*>("VS")->text(), "65.7933");
    page.findChild<QLineEdit*>("VL")->setText("65");
    page.findChild<QLineEdit*>("VM")->setText("70");
    page.findChild<QLineEdit*>("VS")->setText("75");
    button(&page, "计算")->click();
    EXPECT_EQ(page.findChild<QLineEdit*>("L")->text(), "60.4705");
    button(&page, "详细结果")->click();
    EXPECT_EQ(modals.titles, QStringList({"车速计算", "详细结果"}));
}

}  // namespace
}  // namespace qelvo::ui
