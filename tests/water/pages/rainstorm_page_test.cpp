// The rainstorm page: province and city lists and the formula.
#include "water/pages/rainstorm_page.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <algorithm>

#include "water/rainstorm.h"

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

// In the formula display the fraction bar spans its numerator, measured in the display's
// font, for every city's formula.
TEST(RainstormPage, TheFractionBarSpansItsNumerator)
{
    RainstormPage page;
    const QFontMetrics fm = page.formulaText()->fontMetrics();
    const int slack = fm.horizontalAdvance(QLatin1Char(' '));
    const QChar bar(0x2500);
    int checked = 0;
    for (int p = 0; p < int(water::rainstormProvinces().size()); ++p) {
        page.selectProvince(p);
        for (int c = 0; c < std::max(page.cities()->count(), 1); ++c) {
            if (page.cities()->count()) page.selectCity(c);
            const QStringList lines = page.formulaText()->toPlainText().split(QLatin1Char('\n'));
            ASSERT_GE(lines.size(), 2);
            const QString numerator = lines[0];
            const QString barLine = lines[1];
            const int first = barLine.indexOf(bar), last = barLine.lastIndexOf(bar);
            ASSERT_GE(first, 0) << numerator.toStdString();
            int lead = 0;
            while (lead < numerator.size() && numerator[lead].isSpace()) ++lead;
            const int numStart = fm.horizontalAdvance(numerator.left(lead));
            const int numEnd = fm.horizontalAdvance(numerator.trimmed()) + numStart;
            const int barStart = fm.horizontalAdvance(barLine.left(first));
            const int barEnd = fm.horizontalAdvance(barLine.left(last + 1));
            EXPECT_LE(barStart, numStart + slack) << numerator.toStdString();
            EXPECT_GE(barEnd, numEnd - slack) << numerator.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
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
