// The point-source tab container: the grid through the forms, the result list and text, the
// refusals with their tabs and focus, the mode rules, the X-C curve and the contour map.
#include "air/pages/point_source_page.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QValueAxis>

#include "app/page_factory.h"
#include "contour/pages/contour_map_window.h"
#include "presentation/curve_plot_window.h"
#include "presentation/form_page.h"
#include "presentation/result_table.h"
#include "presentation/tab_sheet.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using air::PointSourceInput;
using testing::button;
using testing::clickTab;
using testing::edit;

// The page of slot 18, as the program makes it.
class PointSourcePageTest : public ::testing::Test {
protected:
    PointSourcePageTest() : page(programCatalogue().pageSlot(18)) { page.show(); }

    // Types into a field of either input form.
    void type(const char* key, const QString& text) { edit(&page, key)->setText(text); }
    // Goes to the result tab, as from the forms (they are read), and presses "计算结果".
    void computeOnResultTab()
    {
        if (page.tabs()->currentIndex() == 2) clickTab(page.tabs(), 0);
        clickTab(page.tabs(), 2);
        button(&page, "计算结果")->click();
    }
    QButtonGroup* mode(FormPage* form, int PointSourceInput::*m) { return form->choiceGroup(page.input(), m); }
    // The list's cell at a distance and an offset, as shown.
    QString cell(const QString& x, const QString& y)
    {
        ResultTable* t = page.table();
        for (int column = 1; column < t->columnCount(); ++column)
            if (t->text(0, column) == x)
                for (int row = 1; row < t->rowCount(); ++row)
                    if (t->text(row, 0) == y) return t->text(row, column);
        return "?";
    }

    PointSourcePage page;
};

TEST_F(PointSourcePageTest, TabsAndCaption)
{
    EXPECT_EQ(page.windowTitle(), "点源扩散模式导则计算");
    ASSERT_EQ(page.tabs()->count(), 3);
    EXPECT_EQ(page.tabs()->tabText(0), "污染源相关参数 ");
    EXPECT_EQ(page.tabs()->tabText(1), "气象相关参数 ");
    EXPECT_EQ(page.tabs()->tabText(2), "预测结果 ");
    EXPECT_EQ(page.tabs()->currentIndex(), 0);
    EXPECT_EQ(page.gradeList()->currentText(), "三级");
    EXPECT_EQ(page.stabilityList()->currentText(), "A");
    EXPECT_EQ(page.regionList()->count(), 33);
    EXPECT_EQ(page.regionList()->currentText(), "浙江");
    EXPECT_EQ(edit(&page, "Pa")->text(), "101.325");
    EXPECT_EQ(edit(&page, "gz")->text(), "0.0799904");
}

// Numbers of the model's worked examples (tests/air/point_source_test.cpp), through the forms.
TEST_F(PointSourcePageTest, DefaultsGiveTheWindyGridListAndText)
{
    computeOnResultTab();
    ResultTable* t = page.table();
    ASSERT_EQ(t->columnCount(), 12);
    ASSERT_EQ(t->rowCount(), 12);  // titles + y = −500 … 500
    EXPECT_EQ(t->text(0, 0), "Y＼X");
    EXPECT_EQ(t->text(0, 11), "1000");
    EXPECT_EQ(t->text(1, 0), "-500");
    EXPECT_EQ(cell("300", "0"), "0.010137");
    EXPECT_EQ(cell("0", "200"), "0.000000");
    EXPECT_EQ(t->sheetName(), "点源扩散模式计算结果");
    const QString text = page.resultText()->toPlainText();
    EXPECT_TRUE(text.startsWith("——————————有风时，各参数详细结果如下————————\n烟筒下风向一次最大地面浓度cm=0.009927 [mg/m^3]\n"));
    EXPECT_TRUE(text.contains("烟气热释放率Qh=760.616577 [KJ/s]"));
}

TEST_F(PointSourcePageTest, CalmGridFromTheWeatherForm)
{
    type("U10", "1");
    page.stabilityList()->setCurrentIndex(3);  // D
    computeOnResultTab();
    EXPECT_EQ(page.input().stability, 3);
    EXPECT_EQ(cell("500", "0"), "0.000422");
    EXPECT_EQ(cell("500", "100"), "0.000379");
    EXPECT_TRUE(page.resultText()->toPlainText().startsWith("——————————小风和静风时"));
}

TEST_F(PointSourcePageTest, RefusalsShowTheirMessageAndTheFieldsTab)
{
    struct Case {
        const char* key;
        const char* text;
        const char* message;
        int tab;
        const char* focus;
    } cases[] = {
        {"Ta", "120", "烟气出口温度必须大于环境大气温度，请重新输入！", 0, "Ts"},
        {"step", "0", "步长必须大于0，请重新输入！", 0, "step"},
        {"U10", "-1", "地面10m高风速U10不能小于0，请重新输入！", 1, "U10"},
        {"Xmin", "-100", "下风向坐标Xmin不能小于0，请重新输入！", 0, "Xmin"},
        {"latitude", "0", "地理纬度必须大于0度且不大于90度，请重新输入！", 1, "latitude"},
    };
    for (const auto& c : cases) {
        PointSourcePage fresh(programCatalogue().pageSlot(18));
        fresh.show();
        edit(&fresh, c.key)->setText(c.text);
        clickTab(fresh.tabs(), 2);
        testing::RecordMessages messages;
        EXPECT_FALSE(fresh.compute()) << c.key;
        EXPECT_EQ(messages.texts(), QStringList{c.message});
        EXPECT_EQ(fresh.tabs()->currentIndex(), c.tab) << c.key;
        EXPECT_EQ(fresh.focusWidget(), edit(&fresh, c.focus)) << c.key;
        EXPECT_EQ(fresh.table()->rowCount(), 0) << c.key;  // stopped before the grid
    }
}

TEST_F(PointSourcePageTest, SamplingTimeStopsAtTheFirstGridPoint)
{
    computeOnResultTab();  // a grid to replace
    type("t", "100");
    testing::RecordMessages messages;
    computeOnResultTab();
    type("t", "0.4");
    computeOnResultTab();
    EXPECT_EQ(messages.texts(), QStringList({"取样时间t必须小于100h，请重新输入！", "取样时间不能小于0.5h，请重新输入！"}));
    EXPECT_EQ(page.focusWidget(), edit(&page, "t"));
    // The emptied list: its titles and the first row's label, nothing else.
    ASSERT_EQ(page.table()->rowCount(), 2);
    EXPECT_EQ(page.table()->columnCount(), 12);
    EXPECT_EQ(page.table()->text(1, 0), "-500");
    EXPECT_EQ(page.table()->text(1, 1), "");
    EXPECT_EQ(page.tabs()->currentIndex(), 1);
    // The text keeps the last grid's; the curve and the map have no grid to show.
    EXPECT_TRUE(page.resultText()->toPlainText().startsWith("——————————有风时"));
    testing::InterceptModals modals;
    page.showCurve();
    page.showContours();
    EXPECT_EQ(messages.texts().mid(2), QStringList({kNoGridYet, kNoGridYet}));
    EXPECT_TRUE(modals.titles.isEmpty());
}

TEST_F(PointSourcePageTest, ModesEnableTheirFields)
{
    const auto enabled = [&](const char* key) { return edit(&page, key)->isEnabled(); };
    for (const char* key : {"U", "dH", "h", "ay", "az", "gy", "gz"}) EXPECT_FALSE(enabled(key)) << key;
    for (const char* key : {"Qv", "Ts", "D", "dTdZ", "Ta", "Pa", "latitude"}) EXPECT_TRUE(enabled(key)) << key;
    EXPECT_TRUE(page.regionList()->isEnabled());
    mode(page.sourceForm(), &PointSourceInput::uMode)->button(1)->click();
    mode(page.sourceForm(), &PointSourceInput::dHMode)->button(1)->click();
    mode(page.weatherForm(), &PointSourceInput::hMode)->button(1)->click();
    mode(page.weatherForm(), &PointSourceInput::diffusionMode)->button(1)->click();
    for (const char* key : {"U", "dH", "h", "ay", "az", "gy", "gz"}) EXPECT_TRUE(enabled(key)) << key;
    for (const char* key : {"Qv", "Ts", "D", "dTdZ", "Ta", "Pa", "latitude"}) EXPECT_FALSE(enabled(key)) << key;
    EXPECT_FALSE(page.regionList()->isEnabled());
    mode(page.sourceForm(), &PointSourceInput::dHMode)->button(0)->click();
    EXPECT_FALSE(enabled("dH"));
    EXPECT_TRUE(enabled("Qv"));
}

TEST_F(PointSourcePageTest, EnteredValuesAndTheKeptHeatRelease)
{
    computeOnResultTab();
    mode(page.sourceForm(), &PointSourceInput::uMode)->button(1)->click();
    mode(page.sourceForm(), &PointSourceInput::dHMode)->button(1)->click();
    type("U", "4");
    type("dH", "30");
    computeOnResultTab();
    const QString text = page.resultText()->toPlainText();
    EXPECT_TRUE(text.contains("烟筒出口风速U=4.000000 [m/s]"));
    EXPECT_TRUE(text.contains("烟筒有效高度He=80.000000 [m]"));
    EXPECT_TRUE(text.contains("烟气热释放率Qh=760.616577 [KJ/s]"));  // from the last automatic rise
}

// The inputs of both forms go into one scenario and come back to their own forms, modes
// and drop-down lists included.
TEST_F(PointSourcePageTest, OneScenarioForBothForms)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("point.json");
    const FileHandler previous = setFileHandler([&](QWidget*, const FileRequest&) { return path; });
    mode(page.sourceForm(), &PointSourceInput::uMode)->button(1)->click();
    type("U", "4.5");
    type("H", "60");
    page.stabilityList()->setCurrentIndex(4);
    type("latitude", "31.2");
    page.findChild<QAction*>("saveScenario")->trigger();

    mode(page.sourceForm(), &PointSourceInput::uMode)->button(0)->click();
    type("H", "1");
    type("latitude", "1");
    page.stabilityList()->setCurrentIndex(0);
    page.findChild<QAction*>("openScenario")->trigger();
    EXPECT_EQ(mode(page.sourceForm(), &PointSourceInput::uMode)->checkedId(), 1);
    EXPECT_TRUE(edit(&page, "U")->isEnabled());  // the mode's rule followed
    EXPECT_EQ(edit(&page, "U")->text(), "4.5");
    EXPECT_EQ(edit(&page, "H")->text(), "60");
    EXPECT_EQ(edit(&page, "latitude")->text(), "31.2");
    EXPECT_EQ(page.stabilityList()->currentIndex(), 4);
    setFileHandler(previous);
}

TEST_F(PointSourcePageTest, CurveWindowFromTheAxisConcentrations)
{
    testing::RecordMessages messages;
    testing::InterceptModals none;
    page.showCurve();
    EXPECT_EQ(messages.texts(), QStringList{kNoGridYet});
    EXPECT_TRUE(none.titles.isEmpty());

    computeOnResultTab();
    QList<QPointF> points;
    double xMax = 0, yTop = 0;
    testing::InterceptModals modals([&](QDialog& d) {
        auto& w = static_cast<CurvePlotWindow&>(d);
        points = w.series()->points();
        xMax = w.xAxis()->max();
        yTop = w.yAxis()->max();
        return 0;
    });
    button(&page, "X-C图")->click();
    EXPECT_EQ(modals.titles, QStringList{"绘图工具"});
    ASSERT_EQ(points.size(), 11);
    EXPECT_EQ(points[3].x(), 300);
    EXPECT_NEAR(points[3].y(), 0.010136696, 1e-8);
    EXPECT_EQ(xMax, 1000);
    EXPECT_NEAR(yTop, 0.013, 1e-7);  // cm = 0.009927: three '0' in "0.009927", (9.927 + 4)/1000

    // The window places the values from 0 at whole-metre steps: nine values from Xmin = 200
    // stand at 0 … 800.
    type("Xmin", "200");
    computeOnResultTab();
    button(&page, "X-C图")->click();
    ASSERT_EQ(points.size(), 9);
    EXPECT_EQ(points.back().x(), 800);
}

TEST_F(PointSourcePageTest, CurveWindowRefusesWhatItCannotHold)
{
    type("Ymin", "0");
    type("Ymax", "0");
    type("step", "1");  // 1001 columns
    computeOnResultTab();
    testing::RecordMessages messages;
    testing::InterceptModals modals;
    page.showCurve();
    type("step", "0.5");
    type("Xmax", "100");
    computeOnResultTab();
    page.showCurve();
    EXPECT_EQ(messages.texts(), QStringList({kTooManyCurvePoints, kCurveStepTooSmall}));
    EXPECT_TRUE(modals.titles.isEmpty());
}

TEST_F(PointSourcePageTest, ContourMapFromTheGridFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("result.grd");
    page.setGridPath(path);
    testing::RecordMessages messages;
    page.showContours();
    EXPECT_EQ(messages.texts(), QStringList{kNoGridYet});

    type("Xmin", "100");
    computeOnResultTab();
    float xhi = 0, ylo = 0, zhi = 0;
    testing::InterceptModals modals([&](QDialog& d) {
        auto& map = static_cast<ContourMapWindow&>(d);
        EXPECT_TRUE(map.hasMap());
        xhi = map.map().grid.xhi;
        ylo = map.map().grid.ylo;
        zhi = map.map().grid.zhi;
        return 0;
    });
    button(&page, "等值线图")->click();
    EXPECT_EQ(modals.titles, QStringList{"等值线图"});
    EXPECT_EQ(xhi, 1000);
    EXPECT_EQ(ylo, -500);
    EXPECT_NEAR(zhi, 0.00992717, 1e-8);  // cm
    QFile grd(path);
    ASSERT_TRUE(grd.open(QIODevice::ReadOnly));
    // Ten columns x = 100 … 1000 between Xmin and Xmax, eleven rows.
    EXPECT_TRUE(grd.readAll().startsWith("DSAA\n10 11\n100 1000\n-500 500\n0 0.00992717\n0 0 "));
}

TEST_F(PointSourcePageTest, LargeGridsRunBehindTheProgressDialog)
{
    testing::RunTasksHere tasks;
    computeOnResultTab();
    EXPECT_TRUE(tasks.texts.isEmpty());  // 121 receptors: at once
    type("step", "2");                   // 501 × 501
    computeOnResultTab();
    EXPECT_EQ(tasks.texts.size(), 1);
    EXPECT_EQ(page.table()->rowCount(), 502);
    EXPECT_EQ(cell("300", "0"), "0.010137");
}

TEST_F(PointSourcePageTest, ExportsTheListUnderItsSheetName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("grid.xlsx");
    const FileHandler previous = setFileHandler([&](QWidget*, const FileRequest&) { return path; });
    computeOnResultTab();
    testing::RecordMessages messages;
    button(&page, "结果导入EXCEL")->click();
    setFileHandler(previous);
    EXPECT_TRUE(QFile::exists(path));
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("导出文件保存于"));
}

}  // namespace
}  // namespace qelvo::ui
