// The industrial noise tab container: the result tab, the form rules, the path-difference hand-back.
#include "noise/pages/industrial_noise_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cmath>

#include "app/page_factory.h"
#include "noise/pages/path_difference_window.h"
#include "presentation/tab_sheet.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::clickTab;
using testing::radio;

TEST(IndustrialNoisePage, ResultTabComputesOnlyWhenChosen)
{
    IndustrialNoisePage page(programCatalogue().pageSlot(37));
    page.show();
    radio(&page, "室外点声源")->click();
    EXPECT_TRUE(page.resultText()->toPlainText().isEmpty());
    clickTab(page.tabs(), 1);
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
