#include "noise/pages/decibel_calculator_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace qelvo::ui {
namespace {

using noise::DbKey;

TEST(DecibelCalculatorWindow, ButtonsAndKeyboard)
{
    DecibelCalculatorWindow window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "分贝计算器");
    EXPECT_EQ(window.displayField()->focusPolicy(), Qt::NoFocus);
    window.key(DbKey::D6)->click();
    window.key(DbKey::D0)->click();
    window.key(DbKey::Plus)->click();
    QTest::keyClicks(&window, "60");
    QTest::keyClick(&window, Qt::Key_Enter);
    EXPECT_EQ(window.displayField()->text(), "63.0102999566398");
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.displayField()->text().startsWith("64.77"));
    QTest::keyClick(&window, Qt::Key_Clear);
    EXPECT_EQ(window.displayField()->text(), "0");
    QTest::keyClicks(&window, "5.3");
    QTest::keyClick(&window, Qt::Key_Backspace);
    EXPECT_EQ(window.displayField()->text(), "5");
}

}  // namespace
}  // namespace qelvo::ui

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "noise/pages/noise_evaluation_page.h"

namespace qelvo::ui {
namespace {

TEST(NoiseEvaluationPage, ModesSwapFieldsAndComputeTheResultLine)
{
    NoiseEvaluationPage page;
    page.show();
    auto* durations = page.findChild<QLineEdit*>("durations");
    auto* ld = page.findChild<QLineEdit*>("Ld");
    EXPECT_TRUE(durations->isVisible());
    EXPECT_FALSE(ld->isVisible());
    EXPECT_TRUE(page.explanation()->text().startsWith("等效连续A声级Leq："));
    page.compute();
    EXPECT_EQ(page.resultLine()->text(), "总共有3个数据;    等效连续A声级Leq:65.71dBA");

    page.findChild<QCheckBox*>("equalIntervals")->setChecked(true);
    EXPECT_FALSE(durations->isVisible());
    page.compute();
    EXPECT_TRUE(page.resultLine()->text().endsWith("66.74dBA"));

    for (auto* r : page.findChildren<QRadioButton*>())
        if (r->text() == "昼夜等效声级Ldn") r->click();
    EXPECT_TRUE(ld->isVisible());
    EXPECT_FALSE(page.findChild<QLineEdit*>("levels")->isVisible());
    EXPECT_TRUE(page.explanation()->text().startsWith("昼夜等效声级Ldn："));
    page.compute();
    EXPECT_EQ(page.resultLine()->text(), "昼夜等效声级Ldn:73.71dBA");
}

}  // namespace
}  // namespace qelvo::ui

#include <QDialog>
#include <QPointer>

#include "../../support/ui_seams.h"
#include "noise/pages/workshop_pages.h"

namespace qelvo::ui {
namespace {

QPushButton* buttonOf(QWidget* w, const QString& text)
{
    for (auto* b : w->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

TEST(GreenPage, TableDistanceAndLp1HandBack)
{
    testing::RecordMessages messages;
    GreenPage page;
    buttonOf(&page, "计算结果")->click();
    ASSERT_EQ(page.table()->rowCount(), 21);
    EXPECT_EQ(page.table()->text(1, 1), "54.0");
    EXPECT_EQ(page.table()->text(1, 2), "59.7");
    buttonOf(&page, "计算噪声达标所需距离")->click();
    EXPECT_EQ(page.findChild<QLineEdit*>("L")->text(), "9.02829");

    page.findChild<QLineEdit*>("Ltarget")->setText("50");
    page.computeDistance();
    EXPECT_EQ(messages.texts(), QStringList{"达标值必须大于背景值，请重新输入！"});
    EXPECT_EQ(page.findChild<QLineEdit*>("L")->text(), "9.02829");  // unchanged

    testing::InterceptModals modals([](QDialog& d) {
        return static_cast<Lp1Window&>(d).finish() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    buttonOf(&page, "Lp1计算")->click();
    EXPECT_EQ(modals.titles, QStringList{"LP1计算"});
    EXPECT_EQ(page.findChild<QLineEdit*>("Lp1")->text(), "91.2707");
}

TEST(WorkshopPages, DecibelCalculatorButtonKeepsOneWindow)
{
    StueberPage page;
    buttonOf(&page, "分贝计算器")->click();
    QPointer<DecibelCalculatorWindow> first = openedDecibelCalculator();
    ASSERT_TRUE(first);
    buttonOf(&page, "分贝计算器")->click();
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(openedDecibelCalculator());
    openedDecibelCalculator()->close();
}

}  // namespace
}  // namespace qelvo::ui

#include <QPlainTextEdit>

#include "noise/pages/path_difference_window.h"

namespace qelvo::ui {
namespace {

TEST(PathDifferenceWindow, PresetModeAndStueberHandBack)
{
    PathDifferenceWindow finite(8.5f, 0);
    finite.show();
    QStringList radios;
    for (auto* r : finite.findChildren<QRadioButton*>())
        if (r->isVisible()) radios << r->text();
    EXPECT_TRUE(radios.contains("点声源 屏障有限长"));
    EXPECT_FALSE(radios.contains("点声源 屏障无限长"));
    EXPECT_EQ(finite.page()->findChild<QLineEdit*>("r")->text(), "8.5");

    PathDifferenceWindow infinite(20, 1);
    infinite.show();
    EXPECT_FALSE(infinite.page()->findChild<QLineEdit*>("L")->isVisible());
    infinite.page()->compute();
    EXPECT_TRUE(infinite.resultText()->toPlainText().startsWith("点声源屏障无限长"));

    StueberPage page;
    page.findChild<QLineEdit*>("r")->setText("8.5");
    testing::InterceptModals modals([](QDialog& d) {
        static_cast<PathDifferenceWindow&>(d).page()->compute();
        return int(QDialog::Accepted);
    });
    page.openPathDifference();
    EXPECT_EQ(modals.titles, QStringList{"声程差计算"});
    EXPECT_EQ(page.findChild<QLineEdit*>("d1")->text(), "1.49511");
    EXPECT_EQ(page.findChild<QLineEdit*>("d3")->text(), "1.14424");
}

}  // namespace
}  // namespace qelvo::ui

#include <QTextEdit>

#include "noise/pages/highway_jtg2006_page.h"

namespace qelvo::ui {
namespace {

TEST(Highway2006Page, SpeedsHandBackAndDetails)
{
    Highway2006Page page;
    testing::InterceptModals modals([](QDialog& d) {
        if (auto* speeds = dynamic_cast<SpeedWindow*>(&d)) return speeds->finish() ? 1 : 0;
        EXPECT_TRUE(d.findChild<QTextEdit*>()->toPlainText().contains("L环=60.47"));
        return 0;
    });
    buttonOf(&page, "公式计算车速")->click();
    EXPECT_EQ(page.findChild<QLineEdit*>("VL")->text(), "68.4843");
    EXPECT_EQ(page.findChild<QLineEdit*>("VS")->text(), "65.7933");
    page.findChild<QLineEdit*>("VL")->setText("65");
    page.findChild<QLineEdit*>("VM")->setText("70");
    page.findChild<QLineEdit*>("VS")->setText("75");
    buttonOf(&page, "计算")->click();
    EXPECT_EQ(page.findChild<QLineEdit*>("L")->text(), "60.4705");
    buttonOf(&page, "详细结果")->click();
    EXPECT_EQ(modals.titles, QStringList({"车速计算", "详细结果"}));
}

}  // namespace
}  // namespace qelvo::ui

#include <QHeaderView>
#include <QTabBar>
#include <cmath>

#include "app/page_factory.h"
#include "presentation/tab_sheet.h"
#include "noise/pages/industrial_noise_page.h"

namespace qelvo::ui {
namespace {

QAbstractButton* radio(QWidget* w, const QString& text)
{
    for (auto* r : w->findChildren<QRadioButton*>())
        if (r->text() == text) return r;
    return nullptr;
}

TEST(IndustrialNoisePage, ResultTabComputesOnlyWhenChosen)
{
    IndustrialNoisePage page(programCatalogue().pageSlot(37));
    page.show();
    radio(&page, "室外点声源")->click();
    EXPECT_TRUE(page.resultText()->toPlainText().isEmpty());
    QTest::mouseClick(page.tabs()->tabBar(), Qt::LeftButton, {}, page.tabs()->tabBar()->tabRect(1).center());
    EXPECT_TRUE(page.resultText()->toPlainText().startsWith("距声源1[m]预测点计算结果："));
    ASSERT_EQ(page.table()->rowCount(), 4);
    ASSERT_EQ(page.table()->columnCount(), 21);
    EXPECT_EQ(page.table()->text(0, 0), "距离m");
    EXPECT_EQ(page.table()->text(2, 1), "85.80");
    EXPECT_EQ(page.table()->verticalHeader()->width(), 140);
    EXPECT_EQ(page.table()->columnWidth(1), 45);
}

TEST(IndustrialNoisePage, FormRules)
{
    IndustrialNoisePage page(programCatalogue().pageSlot(37));
    page.show();
    IndustrialInputForm* form = page.inputForm();
    // Indoor: the reference-level radio is off limits.
    EXPECT_FALSE(radio(form, "已知参照点倍频带声压级Lp")->isEnabled());
    radio(form, "室外点声源")->click();
    EXPECT_TRUE(radio(form, "已知参照点倍频带声压级Lp")->isEnabled());
    EXPECT_FALSE(form->findChild<QLineEdit*>("R")->isEnabled());
    radio(form, "已知参照点倍频带声压级Lp")->click();
    EXPECT_TRUE(form->findChild<QLineEdit*>("Lp0")->isVisible());
    EXPECT_FALSE(form->findChild<QLineEdit*>("Lw")->isVisible());

    auto* ground = form->findChild<QCheckBox*>("ground");
    ground->setChecked(true);
    EXPECT_TRUE(form->findChild<QLineEdit*>("hm")->isEnabled());
    form->findChild<QCheckBox*>("barrier")->setChecked(true);
    EXPECT_FALSE(ground->isChecked());
    EXPECT_FALSE(ground->isEnabled());
    EXPECT_FALSE(form->findChild<QLineEdit*>("step")->isVisible());
    EXPECT_EQ(form->label(&noise::IndustrialInput::rmax)->text(), "预测点距声源水平距离r[m]");
    EXPECT_TRUE(form->findChild<QLineEdit*>("d2")->isEnabled());
    form->findChild<QCheckBox*>("barrier")->setChecked(false);
    EXPECT_EQ(form->label(&noise::IndustrialInput::rmax)->text(), "预测点距声源水平距离r[m]最大值");
    EXPECT_TRUE(ground->isEnabled());

    form->findChild<QLineEdit*>("f")->setText("1000");
    form->computeWeighting();
    EXPECT_LT(std::fabs(form->findChild<QLineEdit*>("dA")->text().toDouble()), 0.05);  // 1 kHz: about 0
}

TEST(IndustrialNoisePage, PathDifferenceHandBack)
{
    IndustrialNoisePage page(programCatalogue().pageSlot(37));
    IndustrialInputForm* form = page.inputForm();
    form->findChild<QCheckBox*>("barrier")->setChecked(true);
    form->findChild<QLineEdit*>("rmax")->setText("9");
    testing::InterceptModals modals([](QDialog& d) {
        auto& w = static_cast<PathDifferenceWindow&>(d);
        w.page()->compute();
        return int(QDialog::Accepted);
    });
    form->openPathDifference();
    noise::PathDifferenceInput at9;
    at9.r = 9;  // the maximum distance is the source–receiver distance
    const auto expected = noise::computePathDifference(at9);
    EXPECT_EQ(form->findChild<QLineEdit*>("d1")->text().toStdString(), formatSingle(expected.delta1));
    EXPECT_EQ(form->findChild<QLineEdit*>("d3")->text().toStdString(), formatSingle(expected.delta3));
    EXPECT_TRUE(form->findChild<QLineEdit*>("d2")->isEnabled());  // finite mode: all three
}

}  // namespace
}  // namespace qelvo::ui

#include "noise/pages/highway_2009_page.h"
#include "noise/propagation.h"

namespace qelvo::ui {
namespace {

TEST(Highway2009Page, TabSwitchComputesAndSpeedEditsRecomputeLo)
{
    Highway2009Page page(programCatalogue().pageSlot(38));
    page.show();
    QTest::mouseClick(page.tabs()->tabBar(), Qt::LeftButton, {}, page.tabs()->tabBar()->tabRect(1).center());
    EXPECT_TRUE(page.resultText()->toPlainText().startsWith("总车流小时等效声级Leq=58.67[dB]\n总车流小时等效声级＋背景噪声=60.22[dB]"));

    ResultTable* vehicles = page.form()->vehicles();
    vehicles->model()->setData(vehicles->model()->index(0, 0), "80", Qt::EditRole);  // large vehicles at 80 km/h
    EXPECT_EQ(vehicles->text(1, 3).toStdString(), cformat("%.2f", noise::referenceLevel(0, 80)));
    vehicles->model()->setData(vehicles->model()->index(1, 0), "0", Qt::EditRole);
    EXPECT_EQ(vehicles->text(2, 3), "");  // no speed, no Lo
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

}  // namespace
}  // namespace qelvo::ui
