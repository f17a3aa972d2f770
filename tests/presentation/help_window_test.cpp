// The help window and how pages reach it: F1, the right-click "帮助", "参考资料", tool windows.
#include "presentation/help_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "app/page_factory.h"
#include "presentation/help_topics.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::InterceptModals;

// Slots of pages the tests open (see the catalogue layout).
constexpr int kSewageSlot = 1;
constexpr int kGreenSlot = 4;
constexpr int kDustSlot = 20;
constexpr int kSludgeSlot = 21;
constexpr int kSpSlot = 22;

QAction* helpAction(QWidget* w)
{
    for (QAction* a : w->actions())
        if (a->text() == QStringLiteral("帮助")) return a;
    return nullptr;
}

// A page of the program in a window of its own, shown and active, so that its keys work.
std::unique_ptr<QWidget> shownPage(int slot)
{
    std::unique_ptr<QWidget> page(createPage(slot, nullptr));
    page->resize(760, 560);
    page->show();
    QApplication::setActiveWindow(page.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(page.get()));
    return page;
}

TEST(HelpWindow, ListsEveryTopicByItsTitle)
{
    HelpWindow window;
    const QStringList topics = window.listedTopics();
    EXPECT_TRUE(topics.contains("calculators/water.sp.html"));
    EXPECT_TRUE(topics.contains("calculators/noise.stueber_distance.html"));
    EXPECT_TRUE(topics.contains("固废预测/沉淀池污泥量计算.htm"));
    // Groups by category, each topic named by its title.
    QStringList groups;
    for (int i = 0; i < window.contents()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* g = window.contents()->topLevelItem(i);
        groups << g->text(0);
        for (int j = 0; j < g->childCount(); ++j)
            if (g->child(j)->data(0, Qt::UserRole).toString() == "calculators/water.sp.html") {
                EXPECT_EQ(g->text(0), QStringLiteral("水预测工具"));
                EXPECT_EQ(g->child(j)->text(0), QStringLiteral("S-P模式"));
            }
    }
    EXPECT_EQ(groups.first(), QStringLiteral("水预测工具"));
    EXPECT_EQ(groups.last(), QStringLiteral("参考资料"));
}

TEST(HelpWindow, SearchKeepsTheTopicsThatMentionTheWords)
{
    HelpWindow window;
    const int all = window.listedTopics().size();
    // In titles and in texts, any case.
    window.searchBox()->setText(QStringLiteral("stueber"));
    const QStringList stueber = window.listedTopics();
    EXPECT_TRUE(stueber.contains("calculators/noise.stueber.html"));
    EXPECT_TRUE(stueber.contains("calculators/noise.stueber_distance.html"));
    EXPECT_TRUE(stueber.contains("噪声预测模式/stueber.htm"));
    EXPECT_FALSE(stueber.contains("calculators/water.sp.html"));
    // A word only in a topic's text.
    window.searchBox()->setText(QStringLiteral("复氧系数"));
    EXPECT_EQ(window.listedTopics(), QStringList{"calculators/water.sp.html"});
    window.searchBox()->setText(QStringLiteral("没有这样的词语"));
    EXPECT_TRUE(window.listedTopics().isEmpty());
    window.searchBox()->clear();
    EXPECT_EQ(window.listedTopics().size(), all);
}

TEST(HelpWindow, ShowsATopicAndSaysWhenOneIsMissing)
{
    HelpWindow window;
    window.showTopic(QStringLiteral("calculators/water.sp.html"));
    EXPECT_EQ(window.browser()->documentTitle(), QStringLiteral("S-P模式"));
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("复氧系数")));
    ASSERT_NE(window.contents()->currentItem(), nullptr);
    EXPECT_EQ(window.contents()->currentItem()->text(0), QStringLiteral("S-P模式"));

    window.showTopic(QStringLiteral("calculators/没有.html"));
    EXPECT_EQ(window.currentTopic(), QStringLiteral("calculators/没有.html"));
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("找不到帮助主题")));
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("没有.html")));
    EXPECT_EQ(window.contents()->currentItem(), nullptr);

    // Choosing a topic in the contents shows it.
    const auto found = window.contents()->findItems(QStringLiteral("生活污水和垃圾"), Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    window.contents()->setCurrentItem(found.first());
    EXPECT_EQ(window.currentTopic(), QStringLiteral("calculators/water.sewage.html"));
    EXPECT_EQ(window.browser()->documentTitle(), QStringLiteral("生活污水和垃圾"));
}

TEST(HelpWindow, F1OnAPageOpensItsCalculatorsTopic)
{
    auto page = shownPage(kSpSlot);
    QAction* action = helpAction(page.get());
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::Key_F1));
    QLineEdit* field = testing::edit(page.get(), "Qh");
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_F1);
    ASSERT_NE(openHelpWindow(), nullptr);
    EXPECT_EQ(openHelpWindow()->currentTopic(), QStringLiteral("calculators/water.sp.html"));
    EXPECT_TRUE(openHelpWindow()->isVisible());
    openHelpWindow()->close();
}

TEST(HelpWindow, TheRightClickMenuOffersHelp)
{
    auto page = shownPage(kSewageSlot);
    QLabel* label = page->findChildren<QLabel*>().value(0);
    ASSERT_NE(label, nullptr);
    QStringList entries;
    QTimer::singleShot(0, [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions()) entries << a->text();
        for (QAction* a : menu->actions())
            if (a->text() == QStringLiteral("帮助")) a->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(label, &event);
    EXPECT_TRUE(entries.contains(QStringLiteral("帮助")));
    ASSERT_NE(openHelpWindow(), nullptr);
    EXPECT_EQ(openHelpWindow()->currentTopic(), QStringLiteral("calculators/water.sewage.html"));
    openHelpWindow()->close();
}

TEST(HelpWindow, ATabOfAnotherCalculatorNamesItsOwnTopic)
{
    std::unique_ptr<QWidget> page(createPage(kDustSlot, nullptr));
    EXPECT_EQ(helpCalculatorOf(page.get()), "air.dust_transport");
    // The coal pile tab's fields belong to its own calculator.
    QWidget* coalField = nullptr;
    for (QLineEdit* e : page->findChildren<QLineEdit*>())
        if (helpCalculatorOf(e) == "air.dust_coal") coalField = e;
    EXPECT_NE(coalField, nullptr);
}

TEST(HelpWindow, ReferenceButtonsOpenTheirPageInTheHelpWindow)
{
    testing::RecordDesktop desktop;
    std::unique_ptr<QWidget> page(createPage(kSludgeSlot, nullptr));
    QPushButton* reference = button(page.get(), QStringLiteral("参考资料"));
    ASSERT_NE(reference, nullptr);
    reference->click();
    EXPECT_TRUE(desktop.urls.empty());  // no browser
    ASSERT_NE(openHelpWindow(), nullptr);
    EXPECT_EQ(openHelpWindow()->currentTopic(), QStringLiteral("固废预测/沉淀池污泥量计算.htm"));
    EXPECT_FALSE(openHelpWindow()->browser()->toPlainText().contains(QStringLiteral("找不到帮助主题")));
    openHelpWindow()->close();
}

TEST(HelpWindow, AToolWindowHasTheTopicOfItsOwnCalculator)
{
    std::unique_ptr<QWidget> page(createPage(kGreenSlot, nullptr));
    QString topic;
    InterceptModals modals([&topic](QDialog& d) {
        if (QAction* a = helpAction(&d)) a->trigger();
        if (openHelpWindow()) topic = openHelpWindow()->currentTopic();
        return int(QDialog::Rejected);
    });
    QPushButton* lp1 = button(page.get(), QStringLiteral("Lp1计算"));
    ASSERT_NE(lp1, nullptr);
    lp1->click();
    EXPECT_EQ(modals.titles, QStringList{QStringLiteral("LP1计算")});
    EXPECT_EQ(topic, QStringLiteral("calculators/noise.lp1.html"));
}

}  // namespace
}  // namespace qelvo::ui
