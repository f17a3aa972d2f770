// The oil film page.
#include "risk/pages/oil_film_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;

TEST(OilFilmPage, WorkedExampleNoteAndRefusal)
{
    testing::RecordMessages messages;
    OilFilmPage page;
    bool note = false;
    for (auto* l : page.findChildren<QLabel*>()) note |= l->text() == "—————采用P.C.Blokker公式\n假设油膜在无风条件下呈圆形扩展";
    EXPECT_TRUE(note);
    EXPECT_TRUE(page.resultLine()->text().isEmpty());
    // (0.1³ + 24·150·0.5·15000·10·850/(3.14159·1000))^(1/3) = (7.3053e7)^(1/3) = 418.03.
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.resultLine()->text(), "10分钟后油膜直径为418.033476[m]");
    edit(&page, "t")->setText("0");  // no time: the initial diameter
    button(&page, "计算结果")->click();
    EXPECT_EQ(page.resultLine()->text(), "0分钟后油膜直径为0.100000[m]");

    edit(&page, "gamma")->setText("0");
    button(&page, "计算结果")->click();
    EXPECT_EQ(messages.texts(), QStringList{"水比重γ必须大于0，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), edit(&page, "gamma"));
    EXPECT_EQ(page.resultLine()->text(), "0分钟后油膜直径为0.100000[m]");
}

}  // namespace
}  // namespace qelvo::ui
