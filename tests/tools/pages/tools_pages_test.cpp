// The compute cycle of a page, driven through its real widgets.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include "../../support/ui_seams.h"
#include "presentation/help_topics.h"
#include "tools/pages/geo_distance_page.h"
#include "tools/pages/sludge_page.h"

namespace qelvo::ui {
namespace {

using testing::RecordDesktop;
using testing::RecordMessages;

QLineEdit* edit(QWidget* page, const char* key) { return page->findChild<QLineEdit*>(key); }

QPushButton* button(QWidget* page, const QString& text)
{
    for (auto* b : page->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

TEST(SludgePage, ShowsDefaultsAndComputes)
{
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    EXPECT_EQ(edit(page.get(), "Q")->text(), "50");
    EXPECT_EQ(edit(page.get(), "rho")->text(), "300");
    EXPECT_EQ(edit(page.get(), "V")->text(), "0");
    EXPECT_TRUE(edit(page.get(), "V")->isReadOnly());
    button(page.get(), "计算结果")->click();
    EXPECT_EQ(edit(page.get(), "V")->text(), "0.0375");
}

TEST(SludgePage, TextThatIsNotANumberKeepsItAndLaterFieldsAtTheirPreviousValues)
{
    RecordMessages messages;
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    page->show();
    edit(page.get(), "Q")->setText("10");
    edit(page.get(), "C")->setText("abc");
    edit(page.get(), "eta")->setText("50");
    button(page.get(), "计算结果")->click();

    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kNotANumber);
    EXPECT_EQ(messages.messages[0].caption, kProgramTitle);
    EXPECT_EQ(page->focusWidget(), edit(page.get(), "C"));
    // Q was read; C and everything after it kept their values; the computation went on.
    EXPECT_EQ(page->input().Q, 10.0f);
    EXPECT_EQ(page->input().C, 300.0f);
    EXPECT_EQ(page->input().eta, 60.0f);
    EXPECT_EQ(edit(page.get(), "C")->text(), "300");
    EXPECT_EQ(edit(page.get(), "eta")->text(), "60");
    EXPECT_EQ(edit(page.get(), "V")->text(), "0.0075");
}

TEST(SludgePage, EmptyFieldAndMinusZeroAreNotNumbers)
{
    RecordMessages messages;
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    edit(page.get(), "P")->setText("");
    page->compute();
    edit(page.get(), "P")->setText("-0");
    page->compute();
    EXPECT_EQ(messages.texts(), QStringList({kNotANumber, kNotANumber}));
    EXPECT_EQ(edit(page.get(), "P")->text(), "20");
}

TEST(SludgePage, SinglePrecisionInputShownAsStoredAndEnteringRounded)
{
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    edit(page.get(), "Q")->setText("  0.1\t");
    edit(page.get(), "C")->setText("1234567");
    page->compute();
    EXPECT_EQ(edit(page.get(), "Q")->text(), "0.1");
    EXPECT_EQ(edit(page.get(), "C")->text(), "1.23457e+006");
    EXPECT_EQ(static_cast<double>(page->input().Q), 0.100000001490116119384765625);
}

TEST(SludgePage, FailedCheckShowsItsMessageMovesFocusAndKeepsTheResult)
{
    RecordMessages messages;
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    page->show();
    page->compute();
    edit(page.get(), "P")->setText("100");
    page->compute();
    EXPECT_EQ(messages.texts(), QStringList{"污泥含水率P必须小于100，请重新输入！"});
    EXPECT_EQ(page->focusWidget(), edit(page.get(), "P"));
    EXPECT_EQ(edit(page.get(), "V")->text(), "0.0375");
}

TEST(SludgePage, ReferenceButtonOpensTheSameLocalTopicEachTime)
{
    RecordDesktop desktop;
    RecordMessages messages;
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    button(page.get(), "参考资料")->click();
    button(page.get(), "参考资料")->click();
    ASSERT_TRUE(messages.messages.empty()) << messages.texts().join("|").toStdString();
    ASSERT_EQ(desktop.urls.size(), 2u);
    EXPECT_EQ(desktop.urls[0], desktop.urls[1]);
    EXPECT_TRUE(desktop.urls[0].toLocalFile().endsWith("help/固废预测/沉淀池污泥量计算.htm"));
    EXPECT_TRUE(QFileInfo::exists(desktop.urls[0].toLocalFile()));
}

TEST(HelpTopics, MissingFileIsReported)
{
    RecordDesktop desktop;
    RecordMessages messages;
    openHelpTopic(nullptr, "\\qelvohelp.chm::\\没有\\这个.htm");
    EXPECT_TRUE(desktop.urls.empty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("help/没有/这个.htm"));
}

TEST(GeoDistancePage, ComputesWithFifteenDigits)
{
    std::unique_ptr<GeoDistancePage> page(createGeoDistancePage(nullptr));
    EXPECT_EQ(edit(page.get(), "lon1")->text(), "120.9532");
    EXPECT_EQ(edit(page.get(), "lat2")->text(), "27.20242");
    button(page.get(), "计算")->click();
    EXPECT_EQ(edit(page.get(), "d")->text(), "176.807609504204");

    edit(page.get(), "lon1")->setText("0");
    edit(page.get(), "lat1")->setText("0");
    edit(page.get(), "lon2")->setText("1");
    edit(page.get(), "lat2")->setText("0");
    page->compute();
    EXPECT_EQ(edit(page.get(), "d")->text(), "111319.490793262");
}

}  // namespace
}  // namespace qelvo::ui
