// The combustion exhaust page: the worked example, the kept initial concentrations, the
// fuel list and the negative-use check.
#include "air/pages/combustion_page.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;

TEST(CombustionPage, OilWorkedExampleAndKeptConcentrations)
{
    CombustionPage page;
    page.show();
    EXPECT_EQ(page.fuelList()->currentText(), "油");
    edit(&page, "W")->setText("1000");
    button(&page, "计算")->click();
    // Vg = 1.4·1000, GS = 0.3·1000·0.02, CS0 = trunc(6·10^5/1400 + 0.5), GD = 1000/680,
    // CD0 = trunc(1.470588·10^5/1400 + 0.5); allowed SO2 1400·500·10^−5 = 7 > 6: no reduction.
    EXPECT_EQ(edit(&page, "Vg")->text(), "1400");
    EXPECT_EQ(edit(&page, "GS")->text(), "6");
    EXPECT_EQ(edit(&page, "CS0")->text(), "429");
    EXPECT_EQ(edit(&page, "GD")->text(), "1.47059");
    EXPECT_EQ(edit(&page, "CD0")->text(), "105");
    EXPECT_EQ(edit(&page, "GSallowed")->text(), "7");
    EXPECT_EQ(edit(&page, "dS")->text(), "0");
    EXPECT_EQ(edit(&page, "dD")->text(), "0.0705882");  // 1.470588 − 1.4

    edit(&page, "W")->setText("0");  // no flue gas: the initial concentrations stay
    button(&page, "计算")->click();
    EXPECT_EQ(edit(&page, "Vg")->text(), "0");
    EXPECT_EQ(edit(&page, "GS")->text(), "0");
    EXPECT_EQ(edit(&page, "CS0")->text(), "429");
    EXPECT_EQ(edit(&page, "CD0")->text(), "105");
}

TEST(CombustionPage, FuelListWritesItsDefaults)
{
    CombustionPage page;
    edit(&page, "S")->setText("2");
    page.fuelList()->setCurrentIndex(1);
    emit page.fuelList()->activated(1);
    EXPECT_EQ(edit(&page, "S")->text(), "0.7");
    EXPECT_EQ(edit(&page, "Cs")->text(), "900");
    EXPECT_EQ(edit(&page, "Cd")->text(), "200");
    edit(&page, "W")->setText("1000");
    button(&page, "计算")->click();
    EXPECT_EQ(page.input().fuel, 1);
    EXPECT_EQ(edit(&page, "GD")->text(), "30");  // 20·12·1000/(1 − 0.2)·10^−4
    page.fuelList()->setCurrentIndex(0);
    emit page.fuelList()->activated(0);
    EXPECT_EQ(edit(&page, "S")->text(), "0.3");
    EXPECT_EQ(edit(&page, "Cs")->text(), "500");
    EXPECT_EQ(edit(&page, "Cd")->text(), "100");
}

TEST(CombustionPage, NegativeUseIsAnError)
{
    CombustionPage page;
    page.show();
    testing::RecordMessages messages;
    edit(&page, "W")->setText("-1");
    button(&page, "计算")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "不能是负数，请重新输入");
    EXPECT_EQ(messages.messages[0].caption, "错误");
    EXPECT_EQ(page.focusWidget(), edit(&page, "W"));
    EXPECT_EQ(edit(&page, "Vg")->text(), "0");
}

}  // namespace
}  // namespace qelvo::ui
