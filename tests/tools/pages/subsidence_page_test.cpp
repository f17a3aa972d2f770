// The subsidence page: its fields, the result text and the basin's contour map.
#include "tools/pages/subsidence_page.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "contour/grid_file.h"
#include "contour/pages/contour_map_window.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::button;
using testing::edit;
using testing::InterceptModals;
using testing::RecordMessages;

TEST(SubsidencePage, FieldsAndGroupsAsTheFormHasThem)
{
    SubsidencePage page;
    QStringList groups;
    for (auto* g : page.findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_EQ(groups, QStringList({"地表沉陷预测 概率积分法模型  参数输入", "预测点计算和伤害半径计算"}));
    using In = tools::SubsidenceInput;
    const std::pair<float In::*, const char*> labels[] = {
        {&In::H0, "平均采深H0[m]"}, {&In::tanBeta, "影响角正切tgβ"}, {&In::theta, "最大下沉角θ[deg]"},
        {&In::p, "工作面走向长p[m]"}, {&In::a, "工作面沿倾斜方向的水平距离a[m]"}, {&In::X, "预测地表点(X，Y)[m]  X"},
        {&In::Y, "Y"}};
    for (const auto& [member, text] : labels) EXPECT_EQ(page.label(member)->text(), QString::fromUtf8(text));
    const std::pair<const char*, const char*> defaults[] = {{"H0", "500"}, {"tanBeta", "2.1"}, {"theta", "85"},
                                                           {"p", "70"},   {"a", "50"},         {"X", "50"},
                                                           {"Y", "50"},   {"m", "2"},          {"q", "0.7"},
                                                           {"b", "0.3"},  {"alpha", "10"},     {"step", "10"}};
    for (const auto& [key, text] : defaults) EXPECT_EQ(edit(&page, key)->text(), text) << key;
    EXPECT_TRUE(page.resultText()->isReadOnly());
    EXPECT_TRUE(page.resultText()->toPlainText().isEmpty());
}

TEST(SubsidencePage, ComputesIntoTheResultText)
{
    RecordMessages messages;
    SubsidencePage page;
    edit(&page, "X")->setText("35");
    button(&page, "计算结果")->click();
    EXPECT_TRUE(messages.messages.empty());
    const QString text = page.resultText()->toPlainText();
    for (const char* line : {"倾斜方向积分：下限 0 m，上限 50 m，精度 1e-007\n", "主要影响半径 r = 238.095 m",
                             "预测点 (35，50) m：下沉 W = ", "  水平变形 ε：走向 ", "伤害半径（自最大下沉点起，超过下列界限的最远距离）R = ",
                             "，曲率0.2 mm/m²："})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
    // On the strike centre line the strike tilt vanishes.
    EXPECT_TRUE(text.contains(QStringLiteral("倾斜 i：走向 0 mm/m")) || text.contains(QStringLiteral("倾斜 i：走向 -0 mm/m")))
        << text.toStdString();
    EXPECT_NEAR(page.result().W, tools::computeSubsidence([] {
                    tools::SubsidenceInput in;
                    in.X = 35;
                    return in;
                }()).W,
                1e-9);
}

TEST(SubsidencePage, RefusalKeepsTheLastResult)
{
    RecordMessages messages;
    auto page = std::make_unique<SubsidencePage>();
    page->show();
    button(page.get(), "计算结果")->click();
    const QString before = page->resultText()->toPlainText();
    edit(page.get(), "tanBeta")->setText("0");
    button(page.get(), "计算结果")->click();
    EXPECT_EQ(messages.texts(), QStringList{"影响角正切tgβ必须大于0，请重新输入！"});
    EXPECT_EQ(page->focusWidget(), edit(page.get(), "tanBeta"));
    EXPECT_EQ(page->resultText()->toPlainText(), before);
}

TEST(SubsidencePage, BasinOpensAsAContourMap)
{
    QTemporaryDir dir;
    RecordMessages messages;
    int levels = 0;
    double zhi = 0;
    InterceptModals modals([&](QDialog& d) {
        if (auto* map = qobject_cast<ContourMapWindow*>(&d); map && map->hasMap()) {
            levels = map->map().levels.count();
            zhi = map->map().grid.zhi;
        }
        return 0;
    });
    SubsidencePage page;
    page.setGridPath(dir.filePath("result.grd"));
    edit(&page, "step")->setText("20");
    button(&page, "绘制下沉盆地等值线图")->click();

    EXPECT_TRUE(messages.messages.empty()) << messages.texts().join("|").toStdString();
    EXPECT_EQ(modals.titles, QStringList{"等值线图"});
    EXPECT_EQ(levels, 11);
    const auto grid = contour::readGridFile(dir.filePath("result.grd").toStdString());
    ASSERT_TRUE(grid.grid);
    const tools::SubsidenceBasin basin = tools::computeSubsidenceBasin([] {
        tools::SubsidenceInput in;
        in.step = 20;
        return in;
    }());
    EXPECT_EQ(grid.grid->nx, static_cast<int>(basin.xs.size()));
    EXPECT_EQ(grid.grid->ny, static_cast<int>(basin.ys.size()));
    EXPECT_DOUBLE_EQ(grid.grid->xlo, basin.xs.front());
    EXPECT_DOUBLE_EQ(grid.grid->yhi, basin.ys.back());
    EXPECT_NEAR(zhi, basin.Wmax, 1e-3 * basin.Wmax);
}

TEST(SubsidencePage, BasinRefusalOpensNothing)
{
    QTemporaryDir dir;
    RecordMessages messages;
    InterceptModals modals;
    SubsidencePage page;
    page.setGridPath(dir.filePath("result.grd"));
    edit(&page, "step")->setText("0");
    button(&page, "绘制下沉盆地等值线图")->click();
    EXPECT_EQ(messages.texts(), QStringList{"网格间距必须大于0，请重新输入！"});
    EXPECT_TRUE(modals.titles.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath("result.grd")));

    // A grid file that cannot be written is said so, and no stale map is opened.
    edit(&page, "step")->setText("20");
    page.setGridPath(dir.path());
    button(&page, "绘制下沉盆地等值线图")->click();
    EXPECT_EQ(messages.texts().last(), QStringLiteral("网格文件写入失败：") + dir.path());
    EXPECT_TRUE(modals.titles.isEmpty());
}

}  // namespace
}  // namespace qelvo::ui
