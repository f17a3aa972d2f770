// The rainstorm page: province and city lists and the formula.
#include "water/pages/rainstorm_page.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>

#include "common/scenario.h"
#include "support/ui_seams.h"
#include "tools/temp_dir.h"

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

// A scenario names the province and the city; opening it moves both lists and the formula.
TEST(RainstormPage, AScenarioSetsTheListsAsAChoiceDoes)
{
    tools::testing::TempDir dir;
    const QString path = QString::fromStdString((dir.path() / "rain.json").string());
    const FileHandler previous = setFileHandler([&](QWidget*, const FileRequest&) { return path; });
    RainstormPage page;
    page.selectProvince(0);
    page.cities()->setCurrentIndex(2);  // 宁波
    page.findChild<QAction*>("saveScenario")->trigger();
    const ScenarioRead saved = parseScenario(tools::testing::slurp(path.toStdString()), "rain.json");
    EXPECT_NE(std::find(saved.scenario.inputs.begin(), saved.scenario.inputs.end(), std::pair<std::string, std::string>{"city", "宁波"}),
              saved.scenario.inputs.end());

    page.selectProvince(1);  // 北京, no cities
    page.findChild<QAction*>("openScenario")->trigger();
    EXPECT_EQ(page.provinces()->currentIndex(), 0);
    EXPECT_EQ(page.cities()->count(), 4);
    EXPECT_EQ(page.cities()->currentText(), "宁波");
    page.compute();
    EXPECT_EQ(page.input().city, "宁波");

    // By index, as the command line accepts it.
    tools::testing::write(path.toStdString(), R"({"calculator":"water.rainstorm","inputs":{"province":"0","city":"1"}})");
    page.findChild<QAction*>("openScenario")->trigger();
    EXPECT_EQ(page.cities()->currentIndex(), 1);
    setFileHandler(previous);
}

}  // namespace
}  // namespace qelvo::ui
