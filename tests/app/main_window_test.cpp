// The main window, its catalogue and its page host, driven through the real widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>
#include <cstdlib>
#include <QGroupBox>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include "app/clock_label.h"
#include "app/closing_animation.h"
#include "app/link_label.h"
#include "app/main_window.h"
#include "app/page_factory.h"
#include "noise/pages/decibel_calculator_window.h"
#include "presentation/page_style.h"
#include "presentation/placeholder_page.h"
#include "presentation/tab_sheet.h"
#include "support/ui_seams.h"

namespace qelvo::ui {
namespace {

using testing::InterceptModals;
using testing::RecordDesktop;

int visiblePages(const MainWindow& w)
{
    int n = 0;
    for (int slot = 1; slot <= kSlotCount; ++slot) n += w.page(slot)->isVisibleTo(&w) ? 1 : 0;
    return n;
}

TEST(MainWindow, StartsWithEveryPageCreatedAndSlotOneShown)
{
    MainWindow w;
    EXPECT_EQ(w.windowTitle(), "Qelvo环评计算");
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        ASSERT_NE(w.page(slot), nullptr);
        EXPECT_EQ(w.page(slot)->parentWidget(), &w);
        EXPECT_EQ(w.page(slot)->geometry(), w.pageHostRect());
    }
    EXPECT_EQ(w.currentSlot(), 1);
    EXPECT_EQ(visiblePages(w), 1);
    EXPECT_TRUE(w.page(1)->isVisibleTo(&w));
}

TEST(MainWindow, ShowPageFallsBackToSlotOne)
{
    MainWindow w;
    for (int slot : {5, 0, 39, -1}) {
        w.showPage(30);
        w.showPage(slot);
        EXPECT_EQ(w.currentSlot(), slot == 5 ? 5 : 1);
        EXPECT_EQ(visiblePages(w), 1);
    }
}

TEST(MainWindow, EveryMenuEntryReachesItsSlot)
{
    MainWindow w;
    for (const auto& menu : programCatalogue().menus()) {
        QPushButton* b = w.button(menu.buttonId);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text().toStdString(), menu.buttonText);
        EXPECT_EQ(b->isVisibleTo(&w), menu.shown);
        EXPECT_EQ(b->menu(), w.categoryMenu(menu.buttonId));
        const auto actions = w.categoryMenu(menu.buttonId)->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(menu.entries.size()));
        for (std::size_t i = 0; i < menu.entries.size(); ++i) {
            const MenuEntry& e = menu.entries[i];
            EXPECT_EQ(actions[i]->isSeparator(), e.isSeparator());
            if (e.isSeparator() || e.slot == 0) continue;
            EXPECT_EQ(actions[i]->text().toStdString(), e.label);
            w.showPage(1);
            actions[i]->trigger();
            EXPECT_EQ(w.currentSlot(), e.slot) << e.label;
            EXPECT_EQ(visiblePages(w), 1);
        }
    }
}

TEST(MainWindow, NoVisibleControlLeadsToSlots19And26)
{
    MainWindow w;
    for (const auto& menu : programCatalogue().menus()) {
        if (!w.button(menu.buttonId)->isVisibleTo(&w)) continue;
        for (QAction* a : w.categoryMenu(menu.buttonId)->actions()) {
            w.showPage(1);
            a->trigger();
            EXPECT_NE(w.currentSlot(), 19);
            EXPECT_NE(w.currentSlot(), 26);
        }
    }
}

TEST(MainWindow, PagesKeepTheirInputsAndResultsAcrossShowPage)
{
    MainWindow w;
    w.commandAction(32806)->trigger();  // 沉淀池污泥量计算
    auto* q = w.page(21)->findChild<QLineEdit*>("Q");
    q->setText("100");
    w.page(21)->findChild<QPushButton*>()->click();
    const QString v = w.page(21)->findChild<QLineEdit*>("V")->text();
    EXPECT_EQ(v, "0.075");
    w.commandAction(32820)->trigger();
    EXPECT_EQ(w.currentSlot(), 30);
    w.commandAction(32806)->trigger();  // again, and once more while it is visible
    w.commandAction(32806)->trigger();
    EXPECT_EQ(q->text(), "100");
    EXPECT_EQ(w.page(21)->findChild<QLineEdit*>("V")->text(), v);
}

TEST(MainWindow, DecibelCalculatorOpensFreshEachTime)
{
    MainWindow w;
    w.commandAction(noise::kDecibelCalculatorCommand)->trigger();
    QPointer<QWidget> first = openedDecibelCalculator();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(w.currentSlot(), 1);  // the page host is not touched
    w.commandAction(noise::kDecibelCalculatorCommand)->trigger();
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(openedDecibelCalculator());
    EXPECT_TRUE(openedDecibelCalculator()->isVisible());
}

TEST(MainWindow, TabContainersSwitchFormsByClickAndKeepThem)
{
    MainWindow w;
    w.show();
    int containers = 0;
    for (const auto& slot : programCatalogue().pageSlots()) {
        auto* sheet = w.page(slot.slot)->findChild<TabSheet*>();
        if (slot.tabs.empty()) {
            EXPECT_EQ(sheet, nullptr);
            continue;
        }
        ++containers;
        ASSERT_NE(sheet, nullptr) << slot.slot;
        ASSERT_EQ(sheet->count(), static_cast<int>(slot.tabs.size()));
        for (int i = 0; i < sheet->count(); ++i) EXPECT_EQ(sheet->tabText(i).toStdString(), slot.tabs[i].title);
        EXPECT_EQ(sheet->currentIndex(), 0);
        w.showPage(slot.slot);
        QWidget* first = sheet->widget(0);
        QTest::mouseClick(sheet->tabBar(), Qt::LeftButton, {}, sheet->tabBar()->tabRect(1).center());
        EXPECT_EQ(sheet->currentIndex(), 1);
        EXPECT_TRUE(sheet->widget(1)->isVisible());
        EXPECT_FALSE(first->isVisible());
        QTest::mouseClick(sheet->tabBar(), Qt::LeftButton, {}, sheet->tabBar()->tabRect(0).center());
        EXPECT_EQ(sheet->widget(0), first);
        EXPECT_TRUE(first->isVisible());
    }
    EXPECT_EQ(containers, 5);
}

TEST(MainWindow, EverySlotOpensABuiltPage)
{
    MainWindow w;
    for (const auto& s : programCatalogue().pageSlots()) {
        EXPECT_FALSE(s.calculatorId.empty()) << s.slot << " " << s.name;
        EXPECT_EQ(qobject_cast<PlaceholderPage*>(w.page(s.slot)), nullptr) << s.slot << " " << s.name;
    }
}

TEST(MainWindow, AboutBoxFromButtonAndContextMenu)
{
    MainWindow w;
    QStringList lines;
    InterceptModals modals([&](QDialog& d) {
        for (auto* label : d.findChildren<QLabel*>()) lines << label->text();
        return 0;
    });
    w.button(1006)->click();
    ASSERT_EQ(modals.titles.size(), 1);
    EXPECT_TRUE(lines.contains("Qelvo 1.6.2.1"));
    w.openAbout();
    EXPECT_EQ(modals.titles.size(), 2);
}

TEST(MainWindow, UpdaterStartsOnlyWhenPresent)
{
    RecordDesktop desktop;
    MainWindow w;
    const QString updater = QCoreApplication::applicationDirPath() + "/update";
    QFile::remove(updater);
    w.button(1007)->click();
    EXPECT_TRUE(desktop.programs.isEmpty());

    QFile file(updater);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    w.button(1007)->click();
    QFile::remove(updater);
    EXPECT_EQ(desktop.programs, QStringList{updater});
}

TEST(MainWindow, AlwaysOnTopTogglesWithoutMoving)
{
    MainWindow w;
    w.show();
    w.move(40, 30);
    const QPoint before = w.pos();
    w.topmostBox()->setChecked(true);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.pos(), before);
    w.topmostBox()->setChecked(false);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.pos(), before);
}

// Unchecked, the always-on-top switch still shows a box: its indicator differs clearly from
// the window colour around it.
TEST(MainWindow, AlwaysOnTopShowsItsBoxUnchecked)
{
    MainWindow w;
    w.show();
    QCheckBox* box = w.topmostBox();
    ASSERT_FALSE(box->isChecked());
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    ASSERT_FALSE(indicator.isEmpty());
    const QImage image = w.grab(QRect(box->mapTo(&w, indicator.topLeft()), indicator.size())).toImage();
    int far = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const QColor bg = kMainWindowColour;
            if (std::abs(c.red() - bg.red()) + std::abs(c.green() - bg.green()) + std::abs(c.blue() - bg.blue()) > 150) ++far;
        }
    EXPECT_GT(far, image.width() * image.height() / 2);
}

// Disabled check and radio texts keep a dark grey that reads on every window colour.
TEST(MainWindow, DisabledTextsStayReadable)
{
    const QPalette palette = QApplication::palette();
    const auto luminance = [](const QColor& c) {
        const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        const QColor text = palette.color(QPalette::Disabled, role);
        EXPECT_NE(text, palette.color(QPalette::Active, role));  // still looks disabled
        // WCAG contrast ratio, (L1 + 0.05) / (L2 + 0.05): at least 3 on every window colour.
        for (const QColor& bg : {kPageColour, kToolWindowColour, kMainWindowColour})
            EXPECT_GE((luminance(bg) + 0.05) / (luminance(text) + 0.05), 3.0) << bg.name().toStdString();
    }
}

TEST(MainWindow, EscEndsAtOnce)
{
    MainWindow w;
    w.show();
    QSignalSpy ended(&w, &MainWindow::ended);
    QTest::keyClick(w.page(1), Qt::Key_Escape);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.closingAnimation()->running());
}

TEST(MainWindow, TitleBarCloseShrinksTheWindowToTheEnd)
{
    MainWindow w;
    w.show();
    QSignalSpy ended(&w, &MainWindow::ended);
    w.close();
    EXPECT_TRUE(w.isVisible());  // not yet: the animation runs
    ASSERT_TRUE(w.closingAnimation()->running());
    QSize last = w.size();
    int ticks = 0;
    while (w.closingAnimation()->step()) {
        ASSERT_LT(++ticks, 100);
        EXPECT_TRUE(w.size().width() < last.width() || w.size().height() < last.height());
        last = w.size();
    }
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(w.isVisible());
}

TEST(MainWindow, ClockLineAndLinkLabel)
{
    RecordDesktop desktop;
    MainWindow w;
    w.show();
    const QRegularExpression format("^现在时间 \\d\\d:\\d\\d:\\d\\d$");
    EXPECT_TRUE(format.match(w.clock()->text()).hasMatch()) << w.clock()->text().toStdString();
    EXPECT_EQ(w.clock()->colour(), QColor(249, 6, 240));
    const bool flash = w.clock()->flashOn();
    w.clock()->tick();
    EXPECT_TRUE(format.match(w.clock()->text()).hasMatch());
    EXPECT_NE(w.clock()->flashOn(), flash);

    QLabel* link = nullptr;
    for (auto* label : w.findChildren<QLabel*>())
        if (label->text() == kUpdateLinkText) link = label;
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(desktop.urls.size(), 1u);
    EXPECT_EQ(desktop.urls[0].toString(), kUpdateUrl);
}

// Every calculator page saves and opens scenarios; the unit converter, whose lists come
// from its data file, has none.
TEST(MainWindow, CalculatorPagesOfferScenarios)
{
    MainWindow w;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::string& id = programCatalogue().pageSlot(slot).calculatorId;
        // The unit converter's lists come from its data file.
        if (id.empty() || id == "tools.units") continue;
        EXPECT_NE(w.page(slot)->findChild<QAction*>("saveScenario"), nullptr) << id;
        EXPECT_NE(w.page(slot)->findChild<QAction*>("openScenario"), nullptr) << id;
    }
}

}  // namespace
}  // namespace qelvo::ui
