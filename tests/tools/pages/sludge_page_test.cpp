// The compute cycle of a page, driven through the sludge page's real widgets.
#include "tools/pages/sludge_page.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <memory>

#include "presentation/help_topics.h"
#include "presentation/help_window.h"
#include "common/scenario.h"
#include "support/ui_seams.h"
#include "tools/temp_dir.h"
#include "support/widgets.h"

namespace qelvo::ui {
namespace {

using testing::RecordDesktop;
using testing::RecordMessages;
using testing::button;
using testing::edit;

TEST(SludgePage, ShowsDefaultsAndComputes)
{
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    EXPECT_EQ(edit(page.get(), "Q")->text(), "50");
    EXPECT_EQ(edit(page.get(), "rho")->text(), "300");
    EXPECT_EQ(edit(page.get(), "V")->text(), "0");
    EXPECT_TRUE(edit(page.get(), "V")->isReadOnly());
    button(page.get(), "计算结果")->click();
    EXPECT_EQ(edit(page.get(), "V")->text(), "0.0375");
}

TEST(SludgePage, TextThatIsNotANumberKeepsItAndLaterFieldsAtTheirPreviousValues)
{
    RecordMessages messages;
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    page->show();
    edit(page.get(), "Q")->setText("10");
    edit(page.get(), "C")->setText("abc");
    edit(page.get(), "eta")->setText("50");
    button(page.get(), "计算结果")->click();

    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kNotANumber);
    EXPECT_EQ(messages.messages[0].caption, kProgramTitle);
    EXPECT_EQ(page->focusWidget(), edit(page.get(), "C"));
    // Q was read; C and everything after it kept their values; the computation went on.
    EXPECT_EQ(page->input().Q, 10.0f);
    EXPECT_EQ(page->input().C, 300.0f);
    EXPECT_EQ(page->input().eta, 60.0f);
    EXPECT_EQ(edit(page.get(), "C")->text(), "300");
    EXPECT_EQ(edit(page.get(), "eta")->text(), "60");
    EXPECT_EQ(edit(page.get(), "V")->text(), "0.0075");
}

TEST(SludgePage, EmptyFieldAndMinusZeroAreNotNumbers)
{
    RecordMessages messages;
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    edit(page.get(), "P")->setText("");
    page->compute();
    edit(page.get(), "P")->setText("-0");
    page->compute();
    EXPECT_EQ(messages.texts(), QStringList({kNotANumber, kNotANumber}));
    EXPECT_EQ(edit(page.get(), "P")->text(), "20");
}

TEST(SludgePage, SinglePrecisionInputShownAsStoredAndEnteringRounded)
{
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    edit(page.get(), "Q")->setText("  0.1\t");
    edit(page.get(), "C")->setText("1234567");
    page->compute();
    EXPECT_EQ(edit(page.get(), "Q")->text(), "0.1");
    EXPECT_EQ(edit(page.get(), "C")->text(), "1.23457e+006");
    EXPECT_EQ(static_cast<double>(page->input().Q), 0.100000001490116119384765625);
}

TEST(SludgePage, FailedCheckShowsItsMessageMovesFocusAndKeepsTheResult)
{
    RecordMessages messages;
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    page->show();
    page->compute();
    edit(page.get(), "P")->setText("100");
    page->compute();
    EXPECT_EQ(messages.texts(), QStringList{"污泥含水率P必须小于100，请重新输入！"});
    EXPECT_EQ(page->focusWidget(), edit(page.get(), "P"));
    EXPECT_EQ(edit(page.get(), "V")->text(), "0.0375");
}

TEST(SludgePage, ReferenceButtonOpensTheSameLocalTopicEachTime)
{
    RecordDesktop desktop;
    RecordMessages messages;
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    button(page.get(), "参考资料")->click();
    button(page.get(), "参考资料")->click();
    ASSERT_TRUE(messages.messages.empty()) << messages.texts().join("|").toStdString();
    EXPECT_TRUE(desktop.urls.empty());  // the help window, not a browser
    HelpWindow* help = openHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->currentTopic(), "固废预测/沉淀池污泥量计算.htm");
    EXPECT_TRUE(QFileInfo::exists(helpFilePath(help->currentTopic())));
    EXPECT_EQ(help->browser()->documentTitle(), "沉淀池污泥量计算");
    help->close();
}

// A scenario saved from the page computes the same from the command line's definition
// (qelvo-calc run solid.sludge --inputs FILE runs this Calculator).
TEST(SludgePage, ASavedScenarioRunsAsOnThePage)
{
    tools::testing::TempDir dir;
    const QString path = QString::fromStdString((dir.path() / "sludge.json").string());
    const FileHandler previous = setFileHandler([&](QWidget*, const FileRequest&) { return path; });
    std::unique_ptr<SludgePage> page(createSludgePage(nullptr));
    edit(page.get(), "Q")->setText("80");
    edit(page.get(), "P")->setText("25");
    page->findChild<QAction*>("saveScenario")->trigger();
    button(page.get(), "计算结果")->click();
    setFileHandler(previous);

    const Calculator calc = eraseTypes(tools::sludgeCalculator());
    std::vector<FieldSpec> specs;
    for (const auto& input : calc.inputs) specs.push_back(input.desc);
    const ScenarioRead read = readScenario(path.toStdString(), calc.id, specs);
    ASSERT_EQ(read.problem, "");
    const RunOutcome outcome = calc.run(read.scenario.inputs);
    ASSERT_EQ(outcome.status, RunOutcome::Status::Ok);
    // 80·300·0.6/(1−0.25)/300·1e-3 = 0.064
    EXPECT_EQ(outcome.report.fields, (std::vector<std::pair<std::string, std::string>>{{"V", "0.064"}}));
    EXPECT_EQ(edit(page.get(), "V")->text(), "0.064");
}

}  // namespace
}  // namespace qelvo::ui
