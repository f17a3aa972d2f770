// The tab container of the pages with tabs.
#include "presentation/tab_sheet.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace qelvo::ui {
namespace {

TEST(TabSheet, RefusesASeventeenthForm)
{
    TabSheet sheet;
    for (int i = 0; i < TabSheet::kMaxForms; ++i) EXPECT_TRUE(sheet.addForm(new QWidget, QString::number(i)));
    auto* extra = new QWidget;
    EXPECT_FALSE(sheet.addForm(extra, "17"));
    EXPECT_EQ(sheet.count(), 16);
    delete extra;
}

}  // namespace
}  // namespace qelvo::ui
