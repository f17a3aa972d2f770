// Start-up options: a page shown, computed and its buttons pressed, as the screenshot script
// uses them.
#include "app/start_options.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/main_window.h"
#include "support/ui_seams.h"

namespace qelvo::ui {
namespace {

using testing::RecordMessages;

StartOptions parse(QStringList args)
{
    args.prepend(QStringLiteral("qelvo"));
    return parseStartOptions(args);
}

TEST(StartOptions, Parsed)
{
    const StartOptions o = parse({"--page", "solid.sludge", "--compute", "--press", "曲线图", "--press", "X"});
    EXPECT_EQ(o.page, "solid.sludge");
    EXPECT_TRUE(o.compute);
    EXPECT_EQ(o.presses, (QStringList{"曲线图", "X"}));
    EXPECT_TRUE(o.problem.isEmpty());
    EXPECT_TRUE(parse({}).page.isEmpty());
    EXPECT_TRUE(parse({"--page"}).problem.contains("--page"));  // without its id
    EXPECT_TRUE(parse({"--fast"}).problem.contains("无法识别的启动参数：--fast"));
}

TEST(StartOptions, ShowsAndComputesThePage)
{
    RecordMessages messages;
    MainWindow window;
    window.show();
    applyStartOptions(window, parse({"--page", "solid.sludge", "--compute"}));
    QWidget* page = window.page(window.currentSlot());
    ASSERT_NE(window.currentSlot(), 1);
    QTRY_COMPARE(page->findChild<QLineEdit*>("V")->text(), QStringLiteral("0.0375"));  // the defaults computed
    EXPECT_TRUE(messages.messages.empty());
}

TEST(StartOptions, UnknownPagesAndButtonsAreSaid)
{
    RecordMessages messages;
    MainWindow window;
    window.show();
    applyStartOptions(window, parse({"--page", "no.such"}));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("no.such"));
    applyStartOptions(window, parse({"--page", "solid.sludge", "--press", "不存在"}));
    QTRY_COMPARE(messages.messages.size(), 2u);
    EXPECT_TRUE(messages.messages[1].text.contains("不存在"));
}

}  // namespace
}  // namespace qelvo::ui
