// The oil tank page: the selector shows one form at a time, each keeps its result line; the
// wall list writes C; the vapour-pressure checks.
#include "air/pages/oil_tank_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;

// Result lines of the model's worked examples (tests/air/oil_tank_test.cpp).
TEST(OilTankPage, EachFormComputesIntoItsOwnLine)
{
    OilTankPage page;
    page.show();
    EXPECT_EQ(page.resultLine()->text(), "结果：");
    EXPECT_TRUE(edit(&page, "f1Q")->isVisible());
    EXPECT_FALSE(edit(&page, "f2Q")->isVisible());
    edit(&page, "f1Q")->setText("7200");  // N = 36: KN = 1
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.resultLine()->text(), "结果：拱顶罐大呼吸蒸发损耗量LDw：0.035700 [m^3/a]");

    page.tankList()->setCurrentIndex(1);  // 浮顶油罐: F2 without the column controls
    EXPECT_EQ(page.shownForm(), air::OilTankForm::FloatingWorking);
    EXPECT_FALSE(edit(&page, "f1Q")->isVisible());
    EXPECT_TRUE(edit(&page, "f2rho")->isVisible());
    EXPECT_FALSE(page.findChild<QCheckBox*>("f2columns")->isVisible());
    EXPECT_EQ(page.resultLine()->text(), "结果：");
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.resultLine()->text(), "结果：浮顶油罐大呼吸损耗量Lw：76072.000000 [kg/a]");  // 4·20000·740·0.00257/2

    page.tankList()->setCurrentIndex(2);  // 内浮顶油罐: the column controls too
    QCheckBox* columns = page.findChild<QCheckBox*>("f2columns");
    EXPECT_TRUE(columns->isVisible());
    EXPECT_TRUE(edit(&page, "f2Nc")->isVisible());
    columns->setChecked(true);
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.resultLine()->text(), "结果：内浮顶油罐大呼吸损耗量Lw：121715.203125 [kg/a]");  // × (1 + 3·0.4/2)

    page.tankList()->setCurrentIndex(0);  // back to F1: its own line again
    EXPECT_EQ(page.resultLine()->text(), "结果：拱顶罐大呼吸蒸发损耗量LDw：0.035700 [m^3/a]");

    page.calculationList()->setCurrentIndex(1);  // 小呼吸 of the fixed roof: F3
    EXPECT_TRUE(edit(&page, "f3dT")->isVisible());
    edit(&page, "f3D")->setText("9.14");  // C = 1
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.resultLine()->text(), "结果：拱顶罐小呼吸蒸发损耗量LDs：6.269681 [m^3/a]");
    EXPECT_EQ(page.input().calculation, 1);
}

TEST(OilTankPage, OilAndWallListsWriteTheAdhesion)
{
    OilTankPage page;
    page.tankList()->setCurrentIndex(1);
    page.oilList()->setCurrentIndex(1);  // 原油
    emit page.oilList()->activated(1);
    EXPECT_EQ(edit(&page, "f2C")->text(), "0.01027");
    page.wallList()->setCurrentIndex(1);  // 重锈
    emit page.wallList()->activated(1);
    EXPECT_EQ(edit(&page, "f2C")->text(), "0.05134");
    page.wallList()->setCurrentIndex(2);
    emit page.wallList()->activated(2);
    EXPECT_EQ(edit(&page, "f2C")->text(), "1.0268");
}

TEST(OilTankPage, VapourPressureAtAndAboveTheAtmosphere)
{
    OilTankPage page;
    page.show();
    testing::RecordMessages messages;
    page.calculationList()->setCurrentIndex(1);
    page.tankList()->setCurrentIndex(1);  // F4
    edit(&page, "f4Py")->setText("101.3");  // Py = Pa: P* = 1
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.resultLine()->text(), "结果：浮顶罐小呼吸蒸发损耗量Ls：1135.919922 [kg/a]");
    edit(&page, "f4Py")->setText("101.4");
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.focusWidget(), edit(&page, "f4Py"));
    EXPECT_EQ(page.resultLine()->text(), "结果：浮顶罐小呼吸蒸发损耗量Ls：1135.919922 [kg/a]");  // kept

    page.tankList()->setCurrentIndex(0);  // F3: P must stay below Pa
    edit(&page, "f3P")->setText("101.3");
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.focusWidget(), edit(&page, "f3P"));
    EXPECT_EQ(messages.texts(),
              QStringList({"油品蒸汽压Py不能大于当地大气压Pa，请重新输入！", "油品蒸汽压P必须小于当地大气压Pa，请重新输入！"}));
}

TEST(OilTankPage, ReferenceButtonOpensNothing)
{
    OilTankPage page;
    testing::RecordDesktop desktop;
    testing::RecordMessages messages;
    button(&page, "参考资料")->click();
    EXPECT_TRUE(desktop.urls.empty());
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace qelvo::ui
