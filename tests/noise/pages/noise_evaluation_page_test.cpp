// The evaluation page: its two modes and the result line.
#include "noise/pages/noise_evaluation_page.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "support/ui_seams.h"
#include "support/widgets.h"

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
