// The river pH page.
#include "water/pages/river_ph_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;

TEST(RiverPhPage, KindSwitchResetsTheWastewaterFieldAtOnce)
{
    RiverPhPage page;
    EXPECT_EQ(edit(&page, "Cw")->text(), "10");
    QRadioButton* alkaline = nullptr;
    for (auto* r : page.findChildren<QRadioButton*>())
        if (r->text() == "废水呈碱性") alkaline = r;
    ASSERT_NE(alkaline, nullptr);
    alkaline->click();
    EXPECT_EQ(edit(&page, "Cw")->text(), "0.5");
    EXPECT_EQ(page.label(&water::PhInput::Cw)->text(), "废水碱度Cbp[mgN/L]");
    button(&page, "计算结果")->click();
    EXPECT_TRUE(page.resultText()->toPlainText().contains("污染物为碱性物质"));
    EXPECT_EQ(page.input().Cw, 0.5f);
}

}  // namespace
}  // namespace qelvo::ui
