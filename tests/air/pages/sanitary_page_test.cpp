// The sanitary protection distance page: both actions through the fields, the stack
// choices, the pollutant list, the tooltips and the refusals.
#include "air/pages/sanitary_page.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using air::SanitaryInput;
using testing::button;
using testing::edit;
using testing::radio;

const QString kDistanceButton = QStringLiteral("计算卫生防护距离结果");
const QString kEmissionButton = QStringLiteral("计算无组织排放量结果");

// The distances of the model's worked examples (tests/air/sanitary_distance_test.cpp).
TEST(SanitaryPage, DistanceThenEmission)
{
    SanitaryPage page;
    page.show();
    EXPECT_EQ(edit(&page, "Cm")->text(), "2.4");
    EXPECT_EQ(page.pollutantList()->currentText(), "苯");
    edit(&page, "S")->setText("1000");
    edit(&page, "Qc")->setText("400");
    button(&page, kDistanceButton)->click();
    // Solved first with the range up to 1000 m, the distance lands above 1000 m and is solved
    // again with that range's coefficients, then raised to the next 200 m.
    EXPECT_EQ(edit(&page, "L")->text(), "1515.87177077893");
    EXPECT_EQ(edit(&page, "graded")->text(), "1600");
    EXPECT_NEAR(page.input().Lsel, 1495.9118071626422, 1e-9);

    // The page keeps the range it last used: a smaller emission is solved with the
    // coefficients of 1000–2000 m (11.939 m, where a fresh page finds 12.010 m).
    edit(&page, "Qc")->setText("0.5");
    button(&page, kDistanceButton)->click();
    EXPECT_EQ(edit(&page, "L")->text().left(8), "11.93911");
    EXPECT_EQ(edit(&page, "graded")->text(), "50");

    edit(&page, "L")->setText("500");
    edit(&page, "u")->setText("3");
    button(&page, kEmissionButton)->click();
    EXPECT_EQ(edit(&page, "Qc")->text(), "58.7676610604722");
    EXPECT_EQ(edit(&page, "graded")->text(), "50");  // the emission leaves the graded distance
    EXPECT_EQ(page.input().Lsel, 500);
}

TEST(SanitaryPage, StackChoicesShowTheirQuestion)
{
    SanitaryPage page;
    page.show();
    auto* acute = radio(&page, "按急性反应指标确定");
    auto* chronic = radio(&page, "按慢性反应指标确定");
    auto* above = radio(&page, "大于允许的1/3");
    EXPECT_TRUE(chronic->isChecked());  // no stack, chronic, at the start
    EXPECT_TRUE(chronic->isVisible());
    EXPECT_FALSE(above->isVisible());
    radio(&page, "有")->click();
    EXPECT_FALSE(acute->isVisible());
    EXPECT_TRUE(above->isVisible());
    EXPECT_TRUE(above->isChecked());
    radio(&page, "小于允许的1/3")->click();
    radio(&page, "无")->click();
    EXPECT_TRUE(acute->isVisible());
    EXPECT_TRUE(acute->isChecked());  // both back to their first option
    EXPECT_FALSE(above->isVisible());
    button(&page, kDistanceButton)->click();
    EXPECT_EQ(page.input().toxicity, 0);
    EXPECT_EQ(page.input().share, 0);
}

TEST(SanitaryPage, PollutantListWritesItsStandard)
{
    SanitaryPage page;
    QComboBox* list = page.pollutantList();
    ASSERT_EQ(list->count(), 22);
    EXPECT_EQ(list->itemText(17), "DMF");
    list->setCurrentIndex(2);
    emit list->activated(2);  // 甲苯, as the user picks it
    EXPECT_EQ(edit(&page, "Cm")->text(), "0.60");
    list->setEditText("自定义");  // a name of one's own leaves the standard alone
    EXPECT_EQ(edit(&page, "Cm")->text(), "0.60");
    button(&page, kDistanceButton)->click();
    EXPECT_EQ(page.input().pollutant, "自定义");
    EXPECT_EQ(page.input().Cm, "0.60");
}

TEST(SanitaryPage, Tooltips)
{
    SanitaryPage page;
    EXPECT_EQ(button(&page, kDistanceButton)->toolTip(), "已知无组织排放量计算卫生防护距离的值");
    EXPECT_EQ(button(&page, kEmissionButton)->toolTip(), "已知卫生防护距离控制无组织排放量的值");
    EXPECT_EQ(edit(&page, "S")->toolTip(), "无组织排放源所在生产单元的面积");
    EXPECT_EQ(edit(&page, "Cm")->toolTip(), "选项里没有的污染因子，浓度数据可以直接在这里输入");
    EXPECT_TRUE(edit(&page, "L")->toolTip().startsWith("卫生防护距离在100m以内时，级差为50m；"));
}

TEST(SanitaryPage, RefusalsKeepTheResults)
{
    SanitaryPage page;
    page.show();
    testing::RecordMessages messages;
    edit(&page, "Cm")->setText("abc");
    EXPECT_FALSE(page.compute(0));
    EXPECT_EQ(page.focusWidget(), edit(&page, "Cm"));
    edit(&page, "Cm")->setText("2.4");
    edit(&page, "L")->setText("-5");
    EXPECT_FALSE(page.compute(1));
    EXPECT_EQ(page.focusWidget(), edit(&page, "L"));
    EXPECT_EQ(messages.texts(), QStringList({"环境标准浓度限值必须是大于0的数，请重新输入！", "卫生防护距离不能小于0，请重新输入！"}));
    EXPECT_EQ(edit(&page, "graded")->text(), "0");
}

}  // namespace
}  // namespace qelvo::ui
