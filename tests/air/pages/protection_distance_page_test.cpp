// The protection-distance page: the pollutant list, the side-ratio check, the button while
// the runs go on, the result texts through the built-in engine and through SCREEN3's
// listings in runs of 50 distances, and a failed run.
#include "air/pages/protection_distance_page.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "air/pages/screening_page_engine.h"
#include "air/screening/builtin_engine.h"
#include "air/screening/replay_engine.h"
#include "support/ui_seams.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::edit;

class UseEngine {
public:
    explicit UseEngine(ScreeningEngineMaker maker) : previous_(setPageScreeningEngineMaker(std::move(maker))) {}
    ~UseEngine() { setPageScreeningEngineMaker(previous_); }
    UseEngine(const UseEngine&) = delete;
    UseEngine& operator=(const UseEngine&) = delete;

private:
    ScreeningEngineMaker previous_;
};

class ProtectionPageTest : public ::testing::Test {
protected:
    ProtectionPageTest() { page.show(); }

    QString computeWith(const QString& S)
    {
        edit(&page, "S")->setText(S);
        page.computeButton()->click();
        return page.resultText()->toPlainText();
    }

    testing::RunTasksHere tasks;
    ProtectionDistancePage page;
};

TEST_F(ProtectionPageTest, FieldsAndThePollutantList)
{
    EXPECT_EQ(page.computeButton()->text(), "计  算");
    EXPECT_EQ(edit(&page, "He")->text(), "2");
    EXPECT_EQ(edit(&page, "Q")->text(), "10");
    EXPECT_EQ(edit(&page, "S")->text(), "2.4");
    ASSERT_EQ(page.pollutantList()->count(), 22);
    EXPECT_EQ(page.pollutantList()->currentText(), "苯");
    EXPECT_EQ(page.pollutantList()->itemText(21), "苯并芘");
    const auto choose = [&](int index) {
        page.pollutantList()->setCurrentIndex(index);
        emit page.pollutantList()->activated(index);
        return edit(&page, "S")->text();
    };
    EXPECT_EQ(choose(2), "0.60");   // 甲苯
    EXPECT_EQ(choose(17), "0.03");  // DMF
    EXPECT_EQ(choose(0), "2.40");
}

TEST_F(ProtectionPageTest, SidesMayDifferTenfoldAtMost)
{
    UseEngine builtin([] { return std::make_unique<air::BuiltinScreeningEngine>(); });
    edit(&page, "W")->setText("2");
    edit(&page, "L")->setText("30");
    testing::RecordMessages messages;
    page.computeButton()->click();
    EXPECT_EQ(messages.texts(), QStringList{"要求面源的两条边比值不超过10，超出的宜分成多个面源！"});
    EXPECT_EQ(page.focusWidget(), edit(&page, "W"));
    EXPECT_TRUE(tasks.texts.isEmpty());  // nothing ran
    EXPECT_TRUE(page.resultText()->toPlainText().isEmpty());
    edit(&page, "W")->setText("30");
    edit(&page, "L")->setText("2");
    page.computeButton()->click();
    EXPECT_EQ(messages.texts().size(), 2);

    edit(&page, "L")->setText("20");  // exactly 10
    edit(&page, "W")->setText("2");
    page.computeButton()->click();
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_FALSE(page.resultText()->toPlainText().isEmpty());
}

// He = W = L = 2 m, Q = 10 g/s: SCREEN3's listings in three runs of 50, 50 and 8 distances
// exceed 0.6, 0.3, 0.1 and 2.4 mg/m³ out to 1050, 1700, 3850 and 450 m (joined by distance
// and read with python from the stored listings); the recommended distance is the next one.
TEST_F(ProtectionPageTest, ScreenListingsInRunsOfFifty)
{
    UseEngine screen3([] { return std::make_unique<air::testing::ReplayEngine>(50); });
    EXPECT_EQ(computeWith("0.6"), "大气环境防护距离建议值 = 1100[m]");
    EXPECT_EQ(computeWith("0.3"), "大气环境防护距离建议值 = 1750[m]");
    EXPECT_EQ(computeWith("0.1"), "最大超标距离 = 3900[m]\n最大超标距离大于2000米，污染源强可能超标，建议削减源强后，再计算。");
    EXPECT_EQ(tasks.texts.size(), 3);
    EXPECT_EQ(computeWith("2.4"), "大气环境防护距离建议值 = 500[m]");
    EXPECT_EQ(computeWith("0.02"), "最大超标距离大于5000米，污染源强可能超标，建议削减源强后，再计算。");
    EXPECT_EQ(computeWith("1000"), "无超标点");
}

TEST_F(ProtectionPageTest, TheBuiltInEngineAgrees)
{
    UseEngine builtin([] { return std::make_unique<air::BuiltinScreeningEngine>(); });
    EXPECT_EQ(computeWith("0.6"), "大气环境防护距离建议值 = 1100[m]");
    EXPECT_EQ(computeWith("0.1"), "最大超标距离 = 3900[m]\n最大超标距离大于2000米，污染源强可能超标，建议削减源强后，再计算。");
}

TEST_F(ProtectionPageTest, TheButtonSaysItIsBusyAndAFailureKeepsTheText)
{
    QString during;
    bool enabledDuring = true;
    UseEngine failing([&] {
        return std::make_unique<air::testing::FunctionEngine>(
            [&](const std::string&) {
                during = page.computeButton()->text();
                enabledDuring = page.computeButton()->isEnabled();
                return air::ScreeningOutcome{std::nullopt, "找不到估算程序"};
            },
            0);
    });
    page.resultText()->setPlainText("上次的结果");
    testing::RecordMessages messages;
    page.computeButton()->click();
    EXPECT_EQ(during, "正在计算...");
    EXPECT_FALSE(enabledDuring);
    EXPECT_EQ(page.computeButton()->text(), "计  算");
    EXPECT_TRUE(page.computeButton()->isEnabled());
    EXPECT_EQ(messages.texts(), QStringList{"找不到估算程序"});
    EXPECT_EQ(page.resultText()->toPlainText(), "上次的结果");
}

TEST_F(ProtectionPageTest, CancelledLeavesTheText)
{
    UseEngine builtin([] { return std::make_unique<air::BuiltinScreeningEngine>(); });
    page.resultText()->setPlainText("上次的结果");
    testing::RunTasksHere cancelling([] { return true; });
    testing::RecordMessages messages;
    page.computeButton()->click();
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(page.resultText()->toPlainText(), "上次的结果");
    EXPECT_TRUE(page.computeButton()->isEnabled());
}

}  // namespace
}  // namespace qelvo::ui
