// The Green and Stueber pages, their distance actions and the windows they open.
#include "noise/pages/workshop_pages.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPointer>

#include "noise/pages/decibel_calculator_window.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;

TEST(GreenPage, TableDistanceAndLp1HandBack)
{
    testing::RecordMessages messages;
    GreenPage page;
    button(&page, "计算结果")->click();
    ASSERT_EQ(page.table()->rowCount(), 21);
    EXPECT_EQ(page.table()->text(1, 1), "54.0");
    EXPECT_EQ(page.table()->text(1, 2), "59.7");
    button(&page, "计算噪声达标所需距离")->click();
    EXPECT_EQ(page.findChild<QLineEdit*>("L")->text(), "9.02829");

    page.findChild<QLineEdit*>("Ltarget")->setText("50");
    page.computeDistance();
    EXPECT_EQ(messages.texts(), QStringList{"达标值必须大于背景值，请重新输入！"});
    EXPECT_EQ(page.findChild<QLineEdit*>("L")->text(), "9.02829");  // unchanged

    testing::InterceptModals modals([](QDialog& d) {
        return static_cast<Lp1Window&>(d).finish() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    button(&page, "Lp1计算")->click();
    EXPECT_EQ(modals.titles, QStringList{"LP1计算"});
    EXPECT_EQ(page.findChild<QLineEdit*>("Lp1")->text(), "91.2707");
}

TEST(WorkshopPages, DecibelCalculatorButtonKeepsOneWindow)
{
    StueberPage page;
    button(&page, "分贝计算器")->click();
    QPointer<DecibelCalculatorWindow> first = openedDecibelCalculator();
    ASSERT_TRUE(first);
    button(&page, "分贝计算器")->click();
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(openedDecibelCalculator());
    openedDecibelCalculator()->close();
}

}  // namespace
}  // namespace qelvo::ui
