// The mixing pages: the point, the grid to its window, the F-R list.
#include "water/pages/mixing_pages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "contour/pages/contour_map_window.h"
#include "support/ui_seams.h"
#include "support/widgets.h"
#include "water/pages/mixing_grid_window.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;

TEST(MixingPage, DecayRadioEnablesK1AndThePointComputes)
{
    std::unique_ptr<Mixing2dPage> page(createMixing2dPage(nullptr));
    EXPECT_FALSE(edit(page.get(), "K1")->isEnabled());
    for (auto* r : page->findChildren<QRadioButton*>())
        if (r->text() == "二维稳态混合衰减模式") r->click();
    EXPECT_TRUE(edit(page.get(), "K1")->isEnabled());
    button(page.get(), "计算结果")->click();
    EXPECT_EQ(page->input().model, 1);
    EXPECT_NE(edit(page.get(), "C")->text(), "0");
}

// Long labels of the two-column form stand on two whole lines, the unit on the second
// ("[mg/L]", "[m^3/s]" never split), each as tall as its two lines; the lateral range reads
// "离排放口横向距离y [m](" ymin "～" ymax ")".
TEST(MixingPage, LabelsKeepTheirUnitsWholeAndTheRangeItsParentheses)
{
    for (bool cumulative : {false, true}) {
        std::unique_ptr<QWidget> page(cumulative ? static_cast<QWidget*>(createCumFlowPage(nullptr))
                                                 : static_cast<QWidget*>(createMixing2dPage(nullptr)));
        page->resize(760, 560);
        page->show();
        int twoLine = 0;
        for (QLabel* label : page->findChildren<QLabel*>()) {
            if (!label->isVisible()) continue;
            const QString text = label->text();
            EXPECT_FALSE(label->wordWrap() && text.contains('[')) << text.toStdString();
            if (!text.contains('\n')) continue;
            ++twoLine;
            EXPECT_TRUE(text.section('\n', 1).startsWith('[')) << text.toStdString();
            EXPECT_GE(label->height(), 2 * label->fontMetrics().height()) << text.toStdString();
        }
        EXPECT_GT(twoLine, 0);
        QLabel* end = page->findChild<QLabel*>("lateralRangeEnd");
        ASSERT_NE(end, nullptr);
        EXPECT_EQ(end->text(), ")");
        QLineEdit* ymax = edit(page.get(), "ymax");
        EXPECT_GT(end->x(), ymax->x() + ymax->width() - 1);  // after ymax, on its line
        EXPECT_LT(std::abs(end->geometry().center().y() - ymax->geometry().center().y()), ymax->height());
        bool heading = false;
        for (QLabel* label : page->findChildren<QLabel*>())
            heading = heading || (label->isVisible() && label->text() == "离排放口横向距离y [m](");
        EXPECT_TRUE(heading);
    }
}

TEST(MixingPage, GridGoesToTheResultsWindowThenTheGridFileAndTheContourMap)
{
    QTemporaryDir dir;
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(dir.path());  // "result.grd" is written in the current folder
    std::unique_ptr<Mixing2dPage> page(createMixing2dPage(nullptr));
    edit(page.get(), "ymin")->setText("50");  // the wrong way round
    edit(page.get(), "ymax")->setText("0");

    QStringList titles;
    int contourLevels = 0;
    testing::InterceptModals modals([&](QDialog& d) {
        if (auto* grid = qobject_cast<MixingGridWindow*>(&d)) {
            EXPECT_EQ(grid->table()->titles().first(), "Y＼X");
            EXPECT_EQ(grid->table()->rowCount(), 7);  // titles + y = 0 … 50
            EXPECT_EQ(grid->table()->columnWidth(0), 40);
            EXPECT_EQ(grid->table()->columnWidth(1), 60);
            grid->drawContours();
        } else if (auto* map = qobject_cast<ContourMapWindow*>(&d)) {
            EXPECT_TRUE(map->hasMap());
            contourLevels = map->map().levels.count();
            EXPECT_EQ(map->map().grid.xhi, 500);
            EXPECT_EQ(map->map().grid.yhi, 50);
        }
        return 0;
    });
    button(page.get(), "显示计算结果")->click();
    EXPECT_EQ(modals.titles, QStringList({"二维稳态混合模式网格计算结果", "等值线图"}));
    EXPECT_EQ(edit(page.get(), "ymin")->text(), "0");  // the page keeps the range in order
    EXPECT_EQ(edit(page.get(), "ymax")->text(), "50");
    EXPECT_EQ(contourLevels, 11);
    QFile grd("result.grd");
    ASSERT_TRUE(grd.open(QIODevice::ReadOnly));
    EXPECT_TRUE(grd.readAll().startsWith("DSAA\n25 6\n0 500\n0 50\n0 "));
    QDir::setCurrent(previousDir);
}

TEST(MixingPage, CheckFailureOpensNoWindow)
{
    testing::RecordMessages messages;
    testing::InterceptModals modals;
    std::unique_ptr<CumFlowPage> page(createCumFlowPage(nullptr));
    edit(page.get(), "a")->setText("-1");
    button(page.get(), "显示计算结果")->click();
    EXPECT_EQ(messages.texts(), QStringList{"a必须大于等于0，请重新输入！"});
    EXPECT_TRUE(modals.titles.isEmpty());
}

TEST(MixingPage, HugeOrEmptyGridsAreRefusedBeforeAnyMemoryIsSpent)
{
    // xmax = −1 made the count of cells zero and let a billion label rows through (bad_alloc).
    testing::RecordMessages messages;
    testing::InterceptModals modals;
    std::unique_ptr<CumFlowPage> page(createCumFlowPage(nullptr));
    edit(page.get(), "xmax")->setText("-1");
    edit(page.get(), "ymax")->setText("1e9");
    edit(page.get(), "yc")->setText("1");
    button(page.get(), "显示计算结果")->click();
    EXPECT_EQ(messages.texts(), QStringList{"离排放口流线最远距离xmax必须大于等于距离间隔xc，请重新输入！"});
    edit(page.get(), "xmax")->setText("500");
    button(page.get(), "显示计算结果")->click();
    EXPECT_EQ(messages.texts().last(), "网格点数过多（超过400万），请增大距离间隔后重新输入！");
    EXPECT_TRUE(modals.titles.isEmpty());
}

TEST(FrPage, FillsItsList)
{
    FrPage page;
    page.compute();
    EXPECT_EQ(page.table()->titles(), QStringList({"距离m", "浓度值mg/L"}));
    ASSERT_EQ(page.table()->rowCount(), 101);
    EXPECT_EQ(page.table()->text(1, 0), "10");
    EXPECT_EQ(page.table()->columnWidth(1), 80);
}

}  // namespace
}  // namespace qelvo::ui
