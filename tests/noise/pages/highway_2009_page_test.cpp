// The 2009 highway tab container: the vehicle table, the tab switch, the barrier rules and windows.
#include "noise/pages/highway_2009_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/page_factory.h"
#include "noise/pages/path_difference_window.h"
#include "noise/propagation.h"
#include "presentation/tab_sheet.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::clickTab;

TEST(Highway2009Page, TabSwitchComputesAndSpeedEditsRecomputeLo)
{
    Highway2009Page page(programCatalogue().pageSlot(38));
    page.show();
    clickTab(page.tabs(), 1);
    EXPECT_TRUE(page.resultText()->toPlainText().startsWith("总车流小时等效声级Leq=58.67[dB]\n总车流小时等效声级＋背景噪声=60.22[dB]"));

    ResultTable* vehicles = page.form()->vehicles();
    vehicles->model()->setData(vehicles->model()->index(0, 0), "80", Qt::EditRole);  // large vehicles at 80 km/h
    EXPECT_EQ(vehicles->text(1, 3).toStdString(), cformat("%.2f", noise::referenceLevel(0, 80)));
    vehicles->model()->setData(vehicles->model()->index(1, 0), "0", Qt::EditRole);
    EXPECT_EQ(vehicles->text(2, 3), "");  // no speed, no Lo
}

TEST(Highway2009Page, EveryVehicleColumnIsAsWideAsItsTitle)
{
    Highway2009Page page(programCatalogue().pageSlot(38));
    ResultTable* vehicles = page.form()->vehicles();
    const QFontMetrics fm = vehicles->horizontalHeader()->fontMetrics();
    EXPECT_GE(vehicles->verticalHeader()->width(), 50);
    for (int c = 1; c < 4; ++c)  // view columns after the fixed one
        EXPECT_GE(vehicles->columnWidth(c - 1), fm.horizontalAdvance(vehicles->text(0, c)) + 8) << c;
    EXPECT_EQ(vehicles->text(0, 3), "Lo[dBA]水平距离为7.5米处能量平均A声级");
}

TEST(Highway2009Page, BarrierRulesAndHandBacks)
{
    testing::RecordMessages messages;
    Highway2009Page page(programCatalogue().pageSlot(38));
    Highway2009Form* form = page.form();
    auto* ground = form->findChild<QCheckBox*>("ground");
    EXPECT_FALSE(ground->isEnabled());  // the barrier is on by default
    form->findChild<QCheckBox*>("barrier")->setChecked(false);
    EXPECT_TRUE(ground->isEnabled());
    EXPECT_FALSE(form->findChild<QLineEdit*>("Abar")->isEnabled());
    form->findChild<QCheckBox*>("barrier")->setChecked(true);

    testing::InterceptModals modals([](QDialog& d) {
        if (auto* finite = qobject_cast<FiniteBarrierWindow*>(&d)) finite->valueField()->setText("7.5");
        if (auto* path = qobject_cast<PathDifferenceWindow*>(&d)) path->page()->compute();
        if (auto* bank = qobject_cast<EmbankmentWindow*>(&d)) {
            bank->page()->compute();  // the defaults lie in the illuminated zone
            EXPECT_EQ(bank->attenuationField()->text(), "0");
        }
        return int(QDialog::Accepted);
    });
    form->openFiniteCorrection();
    EXPECT_EQ(form->findChild<QLineEdit*>("Abar")->text(), "7.5");
    EXPECT_EQ(form->label(&noise::Highway2009Input::Abar)->text(), "有限长声屏障衰减量Abar[dB]");
    form->openPathDifference();  // r = 20 in the infinite mode
    EXPECT_EQ(form->label(&noise::Highway2009Input::Abar)->text(), "无限长声屏障衰减量Abar[dB]");
    EXPECT_NE(form->findChild<QLineEdit*>("Abar")->text(), "7.5");
    form->openEmbankment();
    EXPECT_EQ(form->findChild<QLineEdit*>("embankmentA")->text(), "0");
    EXPECT_EQ(modals.titles, QStringList({"无限长屏障修正", "声程差计算", "高路堤或低路堑衰减量计算"}));
    EXPECT_EQ(messages.texts(), QStringList{"预测点处于声照区，Abar=0！"});
}

TEST(Highway2009Page, ARefusedPathDifferenceHandBackLeavesAbar)
{
    // f ≤ 0 used to set Abar to 0 without a word.
    testing::RecordMessages messages;
    Highway2009Page page(programCatalogue().pageSlot(38));
    Highway2009Form* form = page.form();
    form->findChild<QLineEdit*>("f")->setText("0");
    testing::InterceptModals modals([](QDialog& d) {
        if (auto* path = qobject_cast<PathDifferenceWindow*>(&d)) path->page()->compute();
        return int(QDialog::Accepted);
    });
    form->openPathDifference();
    EXPECT_EQ(messages.texts(), QStringList{"中心频率f必须大于0，请重新输入！"});
    EXPECT_EQ(form->findChild<QLineEdit*>("Abar")->text(), "10");
}

TEST(Highway2009Page, CheckingTheBarrierClearsTheGroundByTheModelsRule)
{
    Highway2009Page page(programCatalogue().pageSlot(38));
    Highway2009Form* form = page.form();
    auto* barrier = form->findChild<QCheckBox*>("barrier");
    auto* ground = form->findChild<QCheckBox*>("ground");
    barrier->setChecked(false);
    ground->setChecked(true);
    barrier->setChecked(true);
    EXPECT_FALSE(ground->isChecked());
    EXPECT_FALSE(ground->isEnabled());
}

}  // namespace
}  // namespace qelvo::ui
