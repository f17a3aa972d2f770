// Water pages driven through their widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "../../support/ui_seams.h"
#include "water/pages/sewage_page.h"
#include "water/pages/river_ph_page.h"
#include "water/pages/sp_page.h"
#include "water/pages/water_temperature_page.h"

namespace qelvo::ui {
namespace {

QLineEdit* edit(QWidget* page, const char* key) { return page->findChild<QLineEdit*>(key); }

QPushButton* button(QWidget* page, const QString& text)
{
    for (auto* b : page->findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

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

TEST(SpPage, FullTableMixedOnlyAndBack)
{
    SpPage page;
    ResultTable* t = page.table();
    EXPECT_EQ(t->titles(), QStringList({"序号", "距离m", "浓度值mg／L", "氧亏值mg／L"}));
    EXPECT_EQ(t->columnWidth(2), 80);
    button(&page, "计算结果")->click();
    ASSERT_EQ(t->rowCount(), 31);  // header + 30 rows
    EXPECT_EQ(t->text(1, 1), "100");
    EXPECT_EQ(t->text(30, 1), "3000");
    EXPECT_EQ(t->text(1, 2), "9.5344");

    auto* mixed = page.findChild<QCheckBox*>("onlyMixed");
    mixed->setChecked(true);
    EXPECT_EQ(t->rowCount(), 1);  // rebuilt empty
    EXPECT_FALSE(edit(&page, "u")->isEnabled());
    EXPECT_FALSE(edit(&page, "K2")->isEnabled());
    EXPECT_TRUE(edit(&page, "Qh")->isEnabled());
    page.compute();
    EXPECT_EQ(t->titles(), QStringList{"完全混合浓度值mg／L"});
    ASSERT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->text(1, 0), "9.54545");

    mixed->setChecked(false);
    EXPECT_EQ(t->columnWidth(2), 90);
    EXPECT_EQ(t->columnWidth(3), 90);
    EXPECT_TRUE(edit(&page, "u")->isEnabled());
}

TEST(SpPage, CopyButtonWithoutSelection)
{
    testing::RecordMessages messages;
    SpPage page;
    page.compute();
    button(&page, "复制选中表格")->click();
    EXPECT_EQ(messages.texts(), QStringList{kSelectCellsFirst});
}

}  // namespace
}  // namespace qelvo::ui

#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace qelvo::ui {
namespace {

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

TEST(WaterTemperaturePage, FillsFortyRows)
{
    WaterTemperaturePage page;
    EXPECT_EQ(page.table()->columnWidth(1), 70);
    page.compute();
    ASSERT_EQ(page.table()->rowCount(), 41);
    EXPECT_EQ(page.table()->text(40, 1), "2000");
    EXPECT_EQ(page.table()->columnWidth(2), 90);
}

}  // namespace
}  // namespace qelvo::ui

#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include "contour/pages/contour_map_window.h"
#include "water/pages/mixing_grid_window.h"
#include "water/pages/mixing_pages.h"

namespace qelvo::ui {
namespace {

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

TEST(MixingGridWindow, EmptyTableHasNoContours)
{
    testing::RecordMessages messages;
    MixingGridWindow window({"t", Table{"s", {"Y＼X"}, {}}, 500, 0, 50});
    window.drawContours();
    EXPECT_EQ(messages.texts(), QStringList{kNoDataYet});
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

#include <QComboBox>

#include "water/pages/rainstorm_page.h"

namespace qelvo::ui {
namespace {

TEST(RainstormPage, ProvinceAndCityListsDriveTheFormula)
{
    RainstormPage page;
    EXPECT_EQ(page.cities()->count(), 4);
    EXPECT_EQ(page.cities()->currentText(), "温州");
    EXPECT_FALSE(page.formulaText()->toPlainText().contains("升/秒"));  // no unit at opening
    page.selectCity(2);
    EXPECT_TRUE(page.formulaText()->toPlainText().contains("[毫米/分钟]"));
    page.selectProvince(1);  // 北京
    EXPECT_EQ(page.cities()->count(), 0);
    page.compute();
    EXPECT_TRUE(page.resultText()->toPlainText().startsWith("暴雨强度q="));
    EXPECT_EQ(page.input().province, 1);
    page.selectProvince(0);
    page.cities()->setCurrentIndex(2);
    page.compute();
    EXPECT_EQ(page.input().city, "宁波");
}

}  // namespace
}  // namespace qelvo::ui
