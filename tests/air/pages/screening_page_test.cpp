// The estimation page: the input form's groups and rules, the input tables, the estimate of
// the stored cases through the built-in engine, the grade and D10 texts, the refusals with
// their tab and focus, the two views, copying and the export.
#include "air/pages/screening_page.h"

#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>

#include "air/pages/input_grid.h"
#include "air/pages/protection_distance_page.h"
#include "air/pages/screening_page_engine.h"
#include "air/screening/builtin_engine.h"
#include "air/screening/replay_engine.h"
#include "air/screening/screen3_program_engine.h"
#include "air/screening/screening_engine_choice.h"
#include "app/page_factory.h"
#include "common/number_parse.h"
#include "common/scenario.h"
#include "presentation/form_page.h"
#include "presentation/result_table.h"
#include "presentation/tab_sheet.h"
#include "support/ui_seams.h"
#include "support/widgets.h"
#include "tools/temp_dir.h"

namespace qelvo::ui {
namespace {

using air::ScreeningSource;
using S = ScreeningSource;
using testing::button;
using testing::clickTab;
using testing::edit;
using testing::radio;

// The pages run on this engine while it lives (a new one per computation).
class UseEngine {
public:
    explicit UseEngine(ScreeningEngineMaker maker) : previous_(setPageScreeningEngineMaker(std::move(maker))) {}
    ~UseEngine() { setPageScreeningEngineMaker(previous_); }
    UseEngine(const UseEngine&) = delete;
    UseEngine& operator=(const UseEngine&) = delete;

private:
    ScreeningEngineMaker previous_;
};

UseEngine builtinEngine()
{
    return UseEngine([] { return std::make_unique<air::BuiltinScreeningEngine>(); });
}

// The page of slot 34, as the program makes it.
class ScreeningPageTest : public ::testing::Test {
protected:
    ScreeningPageTest() : page(programCatalogue().pageSlot(34)) { page.show(); }

    // Goes to the result tab from the input tab, which computes.
    void showResults()
    {
        if (page.tabs()->currentIndex() != 0) clickTab(page.tabs(), 0);
        clickTab(page.tabs(), 1);
    }
    void chooseType(int type) { page.typeList()->setCurrentIndex(type); }
    QWidget* field(const char* key) { return page.findChild<QWidget*>(key); }
    void setRows(InputGrid* grid, const std::vector<InputGrid::Row>& rows) { grid->setRows(rows); }
    ResultTable* table() { return page.resultTable(); }
    // The result row whose 地形 is `kind`, from 1; 0 when there is none.
    int rowOf(const QString& kind, const QString& distance = {}, int from = 1)
    {
        for (int r = from; r < table()->rowCount(); ++r)
            if (table()->text(r, 1) == kind && (distance.isEmpty() || table()->text(r, 2) == distance)) return r;
        return 0;
    }
    double number(int row, int column) { return leadingNumber(table()->text(row, column).toStdString()); }
    QString report() { return page.reportBox()->toPlainText(); }

    ScreeningPage page;
    testing::RunTasksHere tasks;
    UseEngine engine = builtinEngine();
};

TEST_F(ScreeningPageTest, TabsGroupsAndDefaults)
{
    EXPECT_EQ(page.windowTitle(), "估算模式Screen3计算");
    ASSERT_EQ(page.tabs()->count(), 2);
    EXPECT_EQ(page.tabs()->tabText(0), "SCREEN3参数输入 ");
    EXPECT_EQ(page.tabs()->tabText(1), "预测结果 ");
    EXPECT_EQ(page.tabs()->currentIndex(), 0);
    EXPECT_EQ(page.sourceForm()->group()->title(), "污染源参数");
    EXPECT_EQ(page.otherForm()->group()->title(), "其它参数");
    EXPECT_EQ(page.typeForm()->group()->title(), "点源参数");
    EXPECT_EQ(page.typeList()->count(), 4);
    EXPECT_EQ(page.typeList()->itemText(3), "点源（火炬）");
    EXPECT_EQ(page.criterionList()->currentText(), "HJ2.2-2008");
    EXPECT_EQ(page.criterionList()->itemText(1), "HJ2.2-2018");
    EXPECT_EQ(page.meteorologyList()->currentText(), "自动筛选");
    EXPECT_EQ(page.pollutantGrid()->rows(), (std::vector<InputGrid::Row>{{"SO2", "1", "0.5"}}));
    EXPECT_EQ(page.pollutantGrid()->table()->titles(), (QStringList{"污染物", "源强[g/s]", "标准[mg/m^3]"}));
    EXPECT_EQ(page.simpleTerrainGrid()->rows(), (std::vector<InputGrid::Row>{{"5000", "0"}}));
    EXPECT_EQ(page.simpleTerrainGrid()->table()->titles(), (QStringList{"距离[m]", "相对源高[m]"}));
    EXPECT_TRUE(page.arbitraryPointGrid()->rows().empty());
    EXPECT_EQ(edit(&page, "stackHeight")->text(), "30");
    EXPECT_EQ(edit(&page, "sigmaZ0")->text(), "6.97674");
    EXPECT_EQ(edit(&page, "heatRelease")->text(), "100000");
    EXPECT_EQ(page.viewList()->currentText(), "列表报告");
}

TEST_F(ScreeningPageTest, TheTypeShowsItsGroup)
{
    const auto shown = [&](const char* key) { return field(key)->isVisibleTo(&page); };
    EXPECT_TRUE(shown("stackHeight") && shown("downwash") && shown("shorelineDistance"));
    EXPECT_FALSE(shown("flareHeight") || shown("areaHeight") || shown("volumeHeight"));

    chooseType(1);
    EXPECT_EQ(page.typeForm()->group()->title(), "面源参数");
    EXPECT_TRUE(shown("areaHeight") && shown("areaWidth") && shown("areaLength") && shown("angle"));
    EXPECT_FALSE(shown("stackHeight") || shown("downwash") || shown("volumeSite"));

    chooseType(2);
    EXPECT_EQ(page.typeForm()->group()->title(), "体源参数");
    EXPECT_TRUE(shown("volumeHeight") && shown("sigmaZ0Given") && shown("sigmaY0") && shown("volumeSite"));
    EXPECT_FALSE(shown("areaHeight") || shown("fumigation"));

    chooseType(3);
    EXPECT_EQ(page.typeForm()->group()->title(), "点源（火炬）参数");
    EXPECT_TRUE(shown("flareHeight") && shown("heatRelease") && shown("downwash") && shown("shorelineFumigation"));
    EXPECT_FALSE(shown("stackHeight") || shown("exitVelocity") || shown("volumeHeight"));
    EXPECT_EQ(page.typeForm()->label(static_cast<const S&>(page.input()), &S::flareHeight)->text(), "烟囱几何高度 [m] ");
}

TEST_F(ScreeningPageTest, ChoicesEnableTheirFields)
{
    const auto enabled = [&](const char* key) { return field(key)->isEnabled(); };
    EXPECT_FALSE(enabled("stability") || enabled("windSpeed"));
    page.meteorologyList()->setCurrentIndex(1);
    EXPECT_TRUE(enabled("stability"));
    EXPECT_FALSE(enabled("windSpeed"));
    page.meteorologyList()->setCurrentIndex(2);
    EXPECT_TRUE(enabled("stability") && enabled("windSpeed"));

    EXPECT_FALSE(enabled("buildingLength") || enabled("buildingHeight"));
    page.findChild<QCheckBox*>("downwash")->setChecked(true);
    EXPECT_TRUE(enabled("buildingLength") && enabled("buildingWidth") && enabled("buildingHeight"));

    EXPECT_FALSE(enabled("shorelineFumigation") || enabled("shorelineDistance"));
    page.findChild<QCheckBox*>("fumigation")->setChecked(true);
    EXPECT_TRUE(enabled("shorelineFumigation"));
    EXPECT_FALSE(enabled("shorelineDistance"));
    page.findChild<QCheckBox*>("shorelineFumigation")->setChecked(true);
    EXPECT_TRUE(enabled("shorelineDistance"));
    page.findChild<QCheckBox*>("fumigation")->setChecked(false);
    EXPECT_FALSE(enabled("shorelineFumigation") || enabled("shorelineDistance"));

    chooseType(1);
    EXPECT_FALSE(enabled("angle"));
    radio(&page, "特定角度")->click();
    EXPECT_TRUE(enabled("angle"));
}

TEST_F(ScreeningPageTest, VolumeDimensionsFollowTheForm)
{
    chooseType(2);
    const auto typeInto = [&](const char* key, const QString& text) {
        QLineEdit* e = edit(&page, key);
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    };
    // σy0 = longer side / 4.3: 200 / 4.3 = 46.5116; a shorter side leaves it.
    typeInto("volumeLength", "200");
    EXPECT_EQ(edit(&page, "sigmaY0")->text(), "46.5116");
    typeInto("volumeWidth", "150");
    EXPECT_EQ(edit(&page, "sigmaY0")->text(), "46.5116");
    typeInto("volumeWidth", "301");  // 301 / 4.3 = 70
    EXPECT_EQ(edit(&page, "sigmaY0")->text(), "70");

    // σz0: on flat ground He / 2.15 (21.5 / 2.15 = 10), on high ground He / 4.3 (5), on a
    // building its height / 2.15 (10 / 2.15 = 4.65116), the focus going to that height.
    typeInto("volumeHeight", "21.5");
    EXPECT_EQ(edit(&page, "sigmaZ0")->text(), "10");
    radio(&page, "高地上")->click();
    EXPECT_EQ(edit(&page, "sigmaZ0")->text(), "5");
    EXPECT_FALSE(field("volumeBuildingHeight")->isEnabled());
    radio(&page, "建筑物上")->click();
    EXPECT_EQ(edit(&page, "sigmaZ0")->text(), "4.65116");
    EXPECT_TRUE(field("volumeBuildingHeight")->isEnabled());
    EXPECT_EQ(page.focusWidget(), field("volumeBuildingHeight"));
    typeInto("volumeBuildingHeight", "43");  // 43 / 2.15 = 20
    EXPECT_EQ(edit(&page, "sigmaZ0")->text(), "20");

    // Given directly: the site and building height give way to the value; a new release
    // height still recomputes it from the site (on the building: 43 / 2.15 = 20).
    EXPECT_FALSE(field("sigmaZ0")->isEnabled());
    page.findChild<QCheckBox*>("sigmaZ0Given")->setChecked(true);
    EXPECT_TRUE(field("sigmaZ0")->isEnabled());
    EXPECT_EQ(page.focusWidget(), field("sigmaZ0"));
    EXPECT_FALSE(field("volumeSite")->isEnabled() || field("volumeBuildingHeight")->isEnabled());
    typeInto("sigmaZ0", "3");
    EXPECT_EQ(edit(&page, "sigmaZ0")->text(), "3");
    typeInto("volumeHeight", "30");
    EXPECT_EQ(edit(&page, "sigmaZ0")->text(), "20");
    page.findChild<QCheckBox*>("sigmaZ0Given")->setChecked(false);
    EXPECT_TRUE(field("volumeSite")->isEnabled() && field("volumeBuildingHeight")->isEnabled());

    page.findChild<QCheckBox*>("sigmaY0Given")->setChecked(true);
    EXPECT_FALSE(field("volumeWidth")->isEnabled() || field("volumeLength")->isEnabled());
    EXPECT_TRUE(field("sigmaY0")->isEnabled());
}

TEST_F(ScreeningPageTest, TablesAddAndRemoveRows)
{
    InputGrid* pollutants = page.pollutantGrid();
    button(pollutants, "增加")->click();
    EXPECT_EQ(pollutants->rows().back(), (InputGrid::Row{"SO2", "", ""}));
    // Finishing a name writes its standard; a name outside the list leaves the standard.
    ResultTable* grid = pollutants->table();
    grid->table()->setData(grid->table()->index(1, 0), "NO2", Qt::EditRole);
    EXPECT_EQ(grid->text(2, 2), "0.24");
    grid->table()->setData(grid->table()->index(1, 0), "甲苯", Qt::EditRole);
    EXPECT_EQ(grid->text(2, 2), "0.24");
    grid->table()->setData(grid->table()->index(1, 0), "氟化物", Qt::EditRole);
    EXPECT_EQ(grid->text(2, 2), "0.02");
    // The name cells offer the list; choosing from it ends the edit.
    const QModelIndex name = grid->table()->index(1, 0);
    grid->setCurrentIndex(name);
    grid->edit(name);
    auto* list = grid->viewport()->findChild<QComboBox*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 10);
    EXPECT_EQ(list->itemText(0), "SO2");
    EXPECT_EQ(list->itemText(9), "甲苯");
    list->setCurrentIndex(6);
    emit list->activated(6);
    EXPECT_EQ(grid->text(2, 0), "H2S");
    EXPECT_EQ(grid->text(2, 2), "0.01");
    grid->table()->setData(name, "氟化物", Qt::EditRole);
    // "删除": the current row, then (none being current) the last row, never the titles.
    grid->setCurrentIndex(grid->table()->index(0, 1));
    button(pollutants, "删除")->click();
    EXPECT_EQ(pollutants->rows(), (std::vector<InputGrid::Row>{{"氟化物", "", "0.02"}}));
    button(pollutants, "删除")->click();
    button(pollutants, "删除")->click();
    EXPECT_TRUE(pollutants->rows().empty());
    EXPECT_EQ(grid->rowCount(), 1);

    // Terrain rows: the last distance + 100, height 0; 100 on an empty table.
    InputGrid* simple = page.simpleTerrainGrid();
    button(simple, "增加")->click();
    EXPECT_EQ(simple->rows().back(), (InputGrid::Row{"5100", "0"}));
    InputGrid* points = page.arbitraryPointGrid();
    button(points, "增加")->click();
    button(points, "增加")->click();
    EXPECT_EQ(points->rows(), (std::vector<InputGrid::Row>{{"100", "0"}, {"200", "0"}}));
}

// The stored case 01 (the page's defaults): SCREEN3 gives 41.59 µg/m³ at 280 m; against
// 0.5 mg/m³ that is 41.59 / 0.5 × 0.1 = 8.318 % — no row reaches 10 %.
TEST_F(ScreeningPageTest, DefaultsGiveTheFlatPointSourceEstimate)
{
    showResults();
    ASSERT_EQ(page.tabs()->currentIndex(), 1);
    EXPECT_EQ(tasks.texts.size(), 1);
    EXPECT_EQ(table()->titles(),
              (QStringList{"序号", "地形", "距离m", "源高m", "SO2下风向浓度mg／m＾3", "SO2浓度占标率％"}));
    EXPECT_EQ(table()->sheetName(), "估算模式Screen3计算结果");
    const int max = rowOf("最大值简单地形");
    ASSERT_GT(max, 1);
    EXPECT_EQ(table()->text(max, 2), "280");
    EXPECT_EQ(table()->text(max, 3), "0");
    EXPECT_NEAR(number(max, 4), 0.04159, 0.00001);
    EXPECT_NEAR(number(max, 5), 8.318, 0.002);
    EXPECT_EQ(table()->text(max, 0), QString::number(max));  // numbered with the others
    EXPECT_LE(number(max - 1, 2), 280);
    EXPECT_GT(number(max + 1, 2), 280);
    // Red maximum row, the pollutant's own colour elsewhere.
    const auto background = [&](int row, int column) {
        return table()->table()->data(table()->table()->index(row - 1, column - 1), Qt::BackgroundRole).value<QColor>();
    };
    EXPECT_EQ(background(max, 4), QColor(255, 0, 0));
    EXPECT_EQ(background(max, 2), QColor(255, 0, 0));
    EXPECT_EQ(background(1, 4), background(1, 5));
    EXPECT_NE(background(1, 4), QColor(255, 0, 0));
    EXPECT_FALSE(background(1, 2).isValid());
    EXPECT_EQ(table()->text(table()->rowCount() - 1, 2), "25000");

    EXPECT_TRUE(report().startsWith("所筛选的污染物中SO2的Pmax最大\n建议评价工作等级：三级\nSO2下风向最大浓度C：0.0415"))
        << report().toStdString();
    EXPECT_TRUE(report().contains("下风向最大距离：280 [m],相对源高：0 [m]\n各污染物详细结果如下：\nSO2:Pmax=8.3"));
    EXPECT_TRUE(report().endsWith("[%];D10=[m]\n估算模型：内置估算模型\n")) << report().toStdString();
}

// Stored case 13: a 25 m stack with a discrete point at 10 m and two complex-terrain points.
// SCREEN3: simple terrain 143.8 µg/m³ at 1200 m, 10 m; the 24-hour values 105.4 µg/m³ at
// 2500 m and 6.815 µg/m³ at 6000 m.
class Case13 : public ScreeningPageTest {
protected:
    void describe(const QString& q)
    {
        edit(&page, "stackHeight")->setText("25");
        edit(&page, "stackDiameter")->setText("1");
        edit(&page, "exitVelocity")->setText("8");
        edit(&page, "exitTemperature")->setText("150");
        edit(&page, "ambientTemperature")->setText("15");
        setRows(page.pollutantGrid(), {{"SO2", q.toStdString(), "0.5"}});
        setRows(page.simpleTerrainGrid(), {{"4000", "0"}});
        setRows(page.arbitraryPointGrid(), {{"2500", "40"}, {"1200", "10"}, {"6000", "60"}});
    }
};

TEST_F(Case13, ComplexTerrainRowsAndTheSecondGrade)
{
    // 143.8 / 0.5 × 0.1 = 28.76 %; 105.4 → 21.08 % at 2500 m, 6.815 → 1.363 % at 6000 m:
    // D10 = 2500 m.
    describe("8");
    showResults();
    const int max = rowOf("最大值简单地形");
    ASSERT_GT(max, 0);
    EXPECT_EQ(table()->text(max, 2), "1200");
    EXPECT_EQ(table()->text(max, 3), "10");
    EXPECT_NEAR(number(max, 5), 28.76, 0.02);
    // The discrete point after the automated rows, which end at 25000 m.
    const int discrete = rowOf("简单地形", "1200", max + 1);
    ASSERT_GT(discrete, 0);
    EXPECT_EQ(table()->text(discrete - 1, 2), "25000");
    EXPECT_EQ(table()->text(discrete, 3), "10");
    const int valley = rowOf("复杂地形", "2500");
    ASSERT_GT(valley, 0);
    EXPECT_EQ(table()->text(valley, 3), "40");
    EXPECT_NEAR(number(valley, 5), 21.08, 0.02);
    EXPECT_EQ(rowOf("复杂地形", "6000"), table()->rowCount() - 1);
    EXPECT_TRUE(report().contains("建议评价工作等级：二级\n如果污染源距厂界最近距离>2500m,调整评价工作等级为三级。\n"))
        << report().toStdString();
    EXPECT_TRUE(report().contains("[%];D10=2500[m]\n"));

    // By HJ2.2-2018 a Pmax of at least 10 % is the first grade, D10 still reported.
    clickTab(page.tabs(), 0);
    page.criterionList()->setCurrentIndex(1);
    clickTab(page.tabs(), 1);
    EXPECT_TRUE(report().contains("建议评价工作等级：一级\n")) << report().toStdString();
    EXPECT_TRUE(report().contains("[%];D10=2500[m]\n"));
}

TEST_F(Case13, TheLastRowReachingTenPercentIsBeyond)
{
    // Q × 8: the 6000 m row, the table's last, reaches 6.815 × 8 / 0.5 × 0.1 = 10.9 %:
    // D10 "大于6000"; Pmax 230 % with D10 ≥ 5000 m is the first grade.
    describe("64");
    showResults();
    EXPECT_TRUE(report().contains("建议评价工作等级：一级\n")) << report().toStdString();
    EXPECT_TRUE(report().contains("[%];D10=大于6000[m]\n")) << report().toStdString();
}

TEST_F(ScreeningPageTest, SeveralPollutantsAndTheDominantOne)
{
    // SO2 1 g/s against 0.5 gives 8.318 %; NO2 2 g/s against 0.24 gives 41.59 × 2 / 0.24 ×
    // 0.1 = 34.66 %, reaching 10 % out to some distance.
    setRows(page.pollutantGrid(), {{"SO2", "1", "0.5"}, {"NO2", "2", "0.24"}});
    showResults();
    EXPECT_EQ(table()->columnCount(), 8);
    EXPECT_EQ(table()->text(0, 6), "NO2下风向浓度mg／m＾3");
    const int max = rowOf("最大值简单地形");
    EXPECT_NEAR(number(max, 7), 34.66, 0.02);
    EXPECT_TRUE(report().startsWith("所筛选的污染物中NO2的Pmax最大\n建议评价工作等级：二级\n")) << report().toStdString();
    EXPECT_TRUE(report().contains("\nSO2:Pmax=8.3")) << report().toStdString();
    EXPECT_TRUE(report().contains("\nNO2:Pmax=34.6")) << report().toStdString();

    // "文字报告": the listing of the pollutant chosen.
    EXPECT_FALSE(page.listingBox()->isVisibleTo(&page));
    page.viewList()->setCurrentIndex(1);
    EXPECT_TRUE(page.listingBox()->isVisibleTo(&page));
    EXPECT_TRUE(page.pollutantSelector()->isVisibleTo(&page));
    EXPECT_FALSE(table()->isVisibleTo(&page) || page.reportBox()->isVisibleTo(&page));
    EXPECT_FALSE(button(&page, "结果导入EXCEL")->isVisibleTo(&page));
    ASSERT_EQ(page.pollutantSelector()->count(), 2);
    EXPECT_EQ(page.pollutantSelector()->currentText(), "SO2");
    EXPECT_TRUE(page.listingBox()->toPlainText().contains("For 污染物SO2:"));
    page.pollutantSelector()->setCurrentIndex(1);
    EXPECT_TRUE(page.listingBox()->toPlainText().contains("For 污染物NO2:"));
    EXPECT_TRUE(page.listingBox()->toPlainText().contains("SUMMARY OF SCREEN MODEL RESULTS"));
    page.viewList()->setCurrentIndex(0);
    EXPECT_TRUE(table()->isVisibleTo(&page));
}

TEST_F(ScreeningPageTest, AreaSourceEstimate)
{
    // Stored case 07a (the area defaults, 10 m × 20 m at 10 m): 1351 µg/m³ at 97 m.
    chooseType(1);
    showResults();
    const int max = rowOf("最大值简单地形");
    ASSERT_GT(max, 0);
    EXPECT_EQ(table()->text(max, 2), "97");
    EXPECT_NEAR(number(max, 4), 1.351, 0.001);
    EXPECT_TRUE(report().contains("建议评价工作等级：")) << report().toStdString();
}

TEST_F(ScreeningPageTest, ProgressPerPollutantAndCancelBetweenThem)
{
    setRows(page.pollutantGrid(), {{"SO2", "1", "0.5"}, {"NO2", "2", "0.24"}});
    QStringList steps;
    bool cancel = false;
    const TaskHandler previous = setTaskHandler([&](QWidget*, const Task& task, const QString&) {
        TaskControl control([&] { return cancel; }, [&](int percent, const QString& text) {
            steps << QString::number(percent) + " " + text;
            cancel = !steps.isEmpty() && percent > 0;  // "取消" while the second one runs
        });
        task(control);
        return control.cancelled() ? TaskOutcome::Cancelled : TaskOutcome::Finished;
    });
    showResults();
    setTaskHandler(previous);
    EXPECT_EQ(steps, (QStringList{"0 正在计算污染物SO2（1/2），请稍候……", "50 正在计算污染物NO2（2/2），请稍候……"}));
    EXPECT_EQ(page.tabs()->currentIndex(), 0);  // cancelled: back to the inputs
}

struct Refused {
    const char* what;
    std::function<void(ScreeningPage&)> make;
    QString message;
    QWidget* (*focus)(ScreeningPage&);
};

QWidget* pollutantTable(ScreeningPage& p) { return p.pollutantGrid()->table(); }
QWidget* simpleTable(ScreeningPage& p) { return p.simpleTerrainGrid()->table(); }
QWidget* areaWidth(ScreeningPage& p) { return p.findChild<QWidget*>("areaWidth"); }

TEST_F(ScreeningPageTest, RefusalsReturnToTheInputTabWithTheirFocus)
{
    const std::vector<Refused> cases = {
        {"no source strength", [](ScreeningPage& p) { p.pollutantGrid()->setRows({{"SO2", "", "0.5"}}); },
         "污染物SO2源强不能为空", pollutantTable},
        {"no standard", [](ScreeningPage& p) { p.pollutantGrid()->setRows({{"NO2", "1", ""}}); }, "污染物NO2标准值不能为空",
         pollutantTable},
        {"no name", [](ScreeningPage& p) { p.pollutantGrid()->setRows({{"", "1", "0.5"}}); }, "污染物名称不能为空",
         pollutantTable},
        {"a control character in the name",
         [](ScreeningPage& p) { p.pollutantGrid()->setRows({{"SO\x01" "2", "1", "0.5"}}); },
         "污染物名称中不能有换行符或其他控制字符，请重新输入！", pollutantTable},
        {"no pollutant", [](ScreeningPage& p) { p.pollutantGrid()->setRows({}); }, "至少需要一个污染物，请重新输入！",
         pollutantTable},
        {"no simple terrain", [](ScreeningPage& p) { p.simpleTerrainGrid()->setRows({}); },
         "简单地形连续自动点输入至少需要一行，请重新输入！", simpleTable},
        {"a control character in a distance", [](ScreeningPage& p) { p.simpleTerrainGrid()->setRows({{"50\t00", "0"}}); },
         "简单地形连续自动点输入中不能有换行符或其他控制字符，请重新输入！", simpleTable},
        {"sides over 10 to 1",
         [](ScreeningPage& p) {
             p.typeList()->setCurrentIndex(1);
             p.findChild<QLineEdit*>("areaLength")->setText("101");
         },
         "要求面源的两条边比值不超过10，超出的宜分成多个面源！", areaWidth},
    };
    for (const auto& c : cases) {
        ScreeningPage p(programCatalogue().pageSlot(34));
        p.show();
        c.make(p);
        testing::RecordMessages messages;
        clickTab(p.tabs(), 1);
        EXPECT_EQ(messages.texts(), QStringList{c.message}) << c.what;
        EXPECT_EQ(p.tabs()->currentIndex(), 0) << c.what;
        EXPECT_EQ(p.focusWidget(), c.focus(p)) << c.what;
    }
}

TEST_F(ScreeningPageTest, ALaterPollutantsCheckKeepsTheEarlierResults)
{
    setRows(page.pollutantGrid(), {{"SO2", "1", "0.5"}, {"NO2", "0", "0.24"}});
    testing::RecordMessages messages;
    showResults();
    EXPECT_EQ(messages.texts(), QStringList{"污染物NO2源强不能为空"});
    EXPECT_EQ(page.tabs()->currentIndex(), 0);
    EXPECT_GT(rowOf("最大值简单地形"), 0);
    EXPECT_FALSE(table()->text(1, 4).isEmpty());
    EXPECT_TRUE(table()->text(1, 6).isEmpty());
}

TEST_F(ScreeningPageTest, MoreDistancesThanSCREEN3HoldsAreRefused)
{
    // SCREEN3 holds 50 distances: 30 simple-terrain rows (31 ranges) and 20 points are 51.
    UseEngine screen3([] { return std::make_unique<air::testing::ReplayEngine>(50); });
    std::vector<InputGrid::Row> simple, points;
    for (int i = 1; i <= 30; ++i) simple.push_back({std::to_string(100 * i), "0"});
    for (int i = 1; i <= 20; ++i) points.push_back({std::to_string(50 * i), "0"});
    setRows(page.simpleTerrainGrid(), simple);
    setRows(page.arbitraryPointGrid(), points);
    testing::RecordMessages messages;
    showResults();
    EXPECT_EQ(messages.texts(),
              QStringList{"距离点共51个（每个自动距离段和每个任意点各计1个），超过估算模型一次最多可计算的50个，请重新输入！"});
    EXPECT_EQ(page.focusWidget(), page.arbitraryPointGrid()->table());
    // The built-in engine has no such limit.
    clickTab(page.tabs(), 0);
    UseEngine builtin = builtinEngine();
    testing::RecordMessages none;
    clickTab(page.tabs(), 1);
    EXPECT_TRUE(none.texts().isEmpty());
    EXPECT_EQ(page.tabs()->currentIndex(), 1);
}

TEST_F(ScreeningPageTest, AFailedRunIsSaidAndLeavesItsColumnsEmpty)
{
    // SCREEN3's listing for the stored deck of case 07a (the area defaults, SO2), nothing for
    // NO2's deck.
    UseEngine screen3([] { return std::make_unique<air::testing::ReplayEngine>(50); });
    chooseType(1);
    setRows(page.pollutantGrid(), {{"SO2", "1", "0.5"}, {"NO2", "1", "0.24"}});
    testing::RecordMessages messages;
    showResults();
    EXPECT_EQ(messages.texts(), QStringList{"NO2：没有与此输入文件对应的SCREEN3结果"});
    EXPECT_EQ(page.tabs()->currentIndex(), 1);
    const int max = rowOf("最大值简单地形");
    EXPECT_EQ(table()->text(max, 2), "97");
    EXPECT_EQ(table()->text(max, 4), "1.351");  // SCREEN3's 1351 µg/m³; 1351 / 0.5 × 0.1 = 270.2 %
    EXPECT_EQ(table()->text(max, 5), "270.2");
    EXPECT_TRUE(table()->text(max, 6).isEmpty());
    EXPECT_TRUE(report().endsWith("估算模型：SCREEN3\n")) << report().toStdString();
}

// A scenario holds the fields and the three tables as the calculator reads them; opening it
// restores the page, and the file runs through the calculator to the page's result.
TEST_F(ScreeningPageTest, AScenarioKeepsTheTablesAndRunsAsThePageDoes)
{
    tools::testing::TempDir dir;
    const std::string path = (dir.path() / "估算.json").string();
    const FileHandler previous = setFileHandler([&](QWidget*, const FileRequest&) { return QString::fromStdString(path); });
    const auto save = [&] { page.findChild<QAction*>("saveScenario")->trigger(); };
    const auto open = [&] { page.findChild<QAction*>("openScenario")->trigger(); };
    const std::vector<InputGrid::Row> pollutants{{"SO2", "1", "0.5"}, {"NO2", "2", "0.24"}};
    const std::vector<InputGrid::Row> points{{"300", "5"}};
    setRows(page.pollutantGrid(), pollutants);
    setRows(page.arbitraryPointGrid(), points);
    chooseType(1);  // 面源
    edit(&page, "areaHeight")->setText("12");
    edit(&page, "stackHeight")->setText("40");
    page.meteorologyList()->setCurrentIndex(1);  // 指定稳定度
    save();
    const ScenarioRead saved = parseScenario(tools::testing::slurp(path), "估算.json");
    ASSERT_TRUE(saved.problem.empty()) << saved.problem;
    std::vector<std::string> keys;
    for (const auto& [key, text] : saved.scenario.inputs) keys.push_back(key);
    std::vector<std::string> inputs;
    for (const auto& f : air::screen3Calculator().inputs) inputs.push_back(f.desc.key);
    EXPECT_EQ(keys, inputs);
    for (const std::pair<std::string, std::string> item :
         {std::pair<std::string, std::string>{"pollutants", "SO2:1:0.5,NO2:2:0.24"}, {"simpleTerrain", "5000:0"},
          {"arbitraryPoints", "300:5"}, {"type", "1"}, {"areaHeight", "12"}, {"meteorology", "1"}})
        EXPECT_NE(std::find(saved.scenario.inputs.begin(), saved.scenario.inputs.end(), item), saved.scenario.inputs.end())
            << item.first;

    setRows(page.pollutantGrid(), {{"CO", "1", "10"}});
    setRows(page.simpleTerrainGrid(), {{"100", "0"}, {"200", "0"}});
    setRows(page.arbitraryPointGrid(), {});
    chooseType(0);
    edit(&page, "areaHeight")->setText("5");
    edit(&page, "stackHeight")->setText("55");
    page.meteorologyList()->setCurrentIndex(0);
    showResults();  // the record holds the changed page
    clickTab(page.tabs(), 0);
    open();
    EXPECT_EQ(page.pollutantGrid()->rows(), pollutants);
    EXPECT_EQ(page.simpleTerrainGrid()->rows(), (std::vector<InputGrid::Row>{{"5000", "0"}}));
    EXPECT_EQ(page.arbitraryPointGrid()->rows(), points);
    EXPECT_EQ(page.typeList()->currentIndex(), 1);
    EXPECT_EQ(page.typeForm()->group()->title(), "面源参数");
    EXPECT_EQ(edit(&page, "areaHeight")->text(), "12");
    EXPECT_EQ(edit(&page, "stackHeight")->text(), "40");
    EXPECT_EQ(page.meteorologyList()->currentIndex(), 1);
    EXPECT_TRUE(field("stability")->isEnabled());

    showResults();
    EXPECT_TRUE(report().startsWith("所筛选的污染物中NO2的Pmax最大\n")) << report().toStdString();
    std::vector<FieldSpec> specs;
    for (const auto& f : air::screen3Calculator().inputs) specs.push_back(f.desc);
    const ScenarioRead read = readScenario(path, "air.screen3", specs);
    ASSERT_TRUE(read.problem.empty()) << read.problem;
    const RunOutcome run = eraseTypes(air::screen3Calculator()).run(read.scenario.inputs);
    ASSERT_EQ(run.status, RunOutcome::Status::Ok) << run.problem << run.refusal.message;
    EXPECT_EQ(run.report.text, report().toStdString());

    // A cell that would split, and a table the calculator refuses, are said: nothing is saved
    // or shown.
    clickTab(page.tabs(), 0);
    const std::string before = tools::testing::slurp(path);
    testing::RecordMessages messages;
    setRows(page.pollutantGrid(), {{"SO2:x", "1", "0.5"}});
    save();
    setRows(page.pollutantGrid(), pollutants);
    setRows(page.simpleTerrainGrid(), {{"100", ""}});
    save();
    EXPECT_EQ(tools::testing::slurp(path), before);
    tools::testing::write(path, R"({"calculator":"air.screen3","inputs":{"stackHeight":"60","simpleTerrain":"100:0:1"}})");
    open();
    EXPECT_EQ(messages.texts(), (QStringList{"污染物中不能含有逗号或冒号，请重新输入！",
                                             "简单地形连续自动点输入应写成 距离:相对源高，多行之间用逗号分隔，请重新输入！",
                                             "简单地形连续自动点输入应写成 距离:相对源高，多行之间用逗号分隔，请重新输入！"}));
    EXPECT_EQ(edit(&page, "stackHeight")->text(), "40");
    EXPECT_EQ(page.simpleTerrainGrid()->rows(), (std::vector<InputGrid::Row>{{"100", ""}}));
    setFileHandler(previous);
}

TEST_F(ScreeningPageTest, CancelledReturnsToTheInputs)
{
    testing::RunTasksHere cancelling([] { return true; });
    showResults();
    EXPECT_EQ(page.tabs()->currentIndex(), 0);
    EXPECT_EQ(table()->rowCount(), 0);
}

TEST_F(ScreeningPageTest, CopyAndExport)
{
    showResults();
    testing::RecordMessages messages;
    button(&page, "复制选中表格")->click();
    EXPECT_EQ(messages.texts(), QStringList{kSelectCellsFirst});

    QTemporaryDir dir;
    const QString path = dir.filePath("估算.xlsx");
    std::vector<FileRequest> requests;
    const FileHandler previous = setFileHandler([&](QWidget*, const FileRequest& r) {
        requests.push_back(r);
        return path;
    });
    button(&page, "结果导入EXCEL")->click();
    setFileHandler(previous);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].path.endsWith(".xlsx"));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(messages.texts().last(), "导出文件保存于" + path + "!");
}

// With the external program chosen and none to be found, both pages say where to put it.
TEST(ScreeningPages, WithoutTheExternalProgramTheySayWhereToPutIt)
{
    QSettings settings(QStringLiteral("Qelvo"), QStringLiteral("Qelvo"));
    const QVariant kind = settings.value(air::kEngineKey), path = settings.value(air::kScreen3PathKey);
    const QByteArray searchPath = qgetenv("PATH"), variable = qgetenv(air::kScreen3Variable);
    air::setChosenEngineKind(settings, air::ScreeningEngineKind::Screen3);
    settings.setValue(air::kScreen3PathKey, QStringLiteral("/nonexistent/screen3"));
    settings.sync();
    qputenv("PATH", "/nonexistent");
    qunsetenv(air::kScreen3Variable);
    const QString missing = QString::fromStdString(air::screen3MissingMessage());

    testing::RunTasksHere tasks;
    testing::RecordMessages messages;
    ScreeningPage estimation(programCatalogue().pageSlot(34));
    estimation.show();
    clickTab(estimation.tabs(), 1);
    ProtectionDistancePage distance;
    distance.computeButton()->click();

    qputenv("PATH", searchPath);
    if (!variable.isNull()) qputenv(air::kScreen3Variable, variable);
    for (const auto& [key, value] : {std::pair{air::kEngineKey, kind}, std::pair{air::kScreen3PathKey, path}}) {
        if (value.isValid()) settings.setValue(key, value);
        else settings.remove(key);
    }
    EXPECT_EQ(messages.texts(), (QStringList{"SO2：" + missing, missing}));
    EXPECT_TRUE(estimation.reportBox()->toPlainText().endsWith("估算模型：SCREEN3\n"));
}

}  // namespace
}  // namespace qelvo::ui
