// The sewage page: compute and the error caption.
#include "water/pages/sewage_page.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;

TEST(SewagePage, ComputesAndRefusesWithTheErrorCaption)
{
    testing::RecordMessages messages;
    std::unique_ptr<SewagePage> page(createSewagePage(nullptr));
    page->show();
    edit(page.get(), "N")->setText("100");
    edit(page.get(), "Nr")->setText("20");
    button(page.get(), "计算")->click();
    EXPECT_EQ(edit(page.get(), "Qd")->text(), "4.8");
    EXPECT_EQ(edit(page.get(), "Gd")->text(), "60");

    edit(page.get(), "Nr")->setText("101");
    button(page.get(), "计算")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "逻辑常识错误，请重新输入");
    EXPECT_EQ(messages.messages[0].caption, "错误");
    EXPECT_EQ(page->focusWidget(), edit(page.get(), "Nr"));
    EXPECT_EQ(edit(page.get(), "Qd")->text(), "4.8");  // results as they were
}

}  // namespace
}  // namespace qelvo::ui
