// Scenario files from a page: Ctrl+S writes the fields, Ctrl+O puts them back; unfit files
// are said and change nothing.
#include "presentation/scenario_actions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "common/scenario.h"
#include "presentation/form_page.h"
#include "support/ui_seams.h"
#include "tools/temp_dir.h"

namespace qelvo::ui {
namespace {

using testing::RecordMessages;
using tools::testing::slurp;
using tools::testing::TempDir;
using tools::testing::write;

struct Probe {
    float a = 2.5f;
    double b = 0.1;
    int mode = 1;
    int on = 0;
    std::string name = "苯";
};

struct ProbeResult {
    double sum = 0;
};

// Choosing 甲 sets b to 7, as a guideline's choice sets a coefficient.
const CalculatorDef<Probe, ProbeResult>& probe()
{
    static const CalculatorDef<Probe, ProbeResult> def{
        "test.probe",
        "探针",
        {field("a", "数a", &Probe::a), field("b", "数b", &Probe::b),
         choiceField("mode", "方式", &Probe::mode, {"甲", "乙"}), checkField("on", "开关", &Probe::on),
         field("name", "名称", &Probe::name)},
        {field("sum", "和", &ProbeResult::sum)},
        [](const Probe& p) { return ProbeResult{p.a + p.b + p.mode + p.on}; },
        nullptr,
        nullptr,
        [](Probe& p, std::string_view key) {
            if (key == "mode" && p.mode == 0) p.b = 7;
        },
    };
    return def;
}

using ProbePage = ModelPage<Probe, ProbeResult>;

// The file dialogs answer with a path (or nothing) and count how often they were asked.
class ChooseFile {
public:
    explicit ChooseFile(QString path)
        : path(std::move(path)), previous_(setFileHandler([this](QWidget*, const FileRequest& r) {
              requests.push_back(r);
              return this->path;
          }))
    {
    }
    ~ChooseFile() { setFileHandler(previous_); }
    ChooseFile(const ChooseFile&) = delete;
    ChooseFile& operator=(const ChooseFile&) = delete;

    QString path;
    std::vector<FileRequest> requests;

private:
    FileHandler previous_;
};

struct Shown {
    QString a, b, name;
    int mode;
    bool on;
    bool operator==(const Shown&) const = default;
};
void PrintTo(const Shown& s, std::ostream* os)
{
    *os << s.a.toStdString() << " " << s.b.toStdString() << " " << s.mode << " " << s.on << " "
        << s.name.toStdString();
}

Shown shown(const ProbePage& page)
{
    return {page.lineEdit(&Probe::a)->text(), page.lineEdit(&Probe::b)->text(), page.lineEdit(&Probe::name)->text(),
            page.choiceGroup(&Probe::mode)->checkedId(), page.checkBox(&Probe::on)->isChecked()};
}

class ScenarioPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        page_.show();
        QApplication::setActiveWindow(&page_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page_));
        path_ = QString::fromStdString((dir_.path() / "case.json").string());
    }

    // The choices first (choosing 甲 sets b), then the texts.
    void type(const Shown& s)
    {
        page_.choiceGroup(&Probe::mode)->button(s.mode)->setChecked(true);
        page_.checkBox(&Probe::on)->setChecked(s.on);
        page_.lineEdit(&Probe::a)->setText(s.a);
        page_.lineEdit(&Probe::b)->setText(s.b);
        page_.lineEdit(&Probe::name)->setText(s.name);
    }

    TempDir dir_;
    ProbePage page_{probe(), {QStringLiteral("探针")}};
    QString path_;
};

TEST_F(ScenarioPage, CtrlSThenCtrlORestoresTheFields)
{
    RecordMessages messages;
    ChooseFile dialog(path_);
    // Typed as a user types: "1.50" stays "1.50" (the file keeps the text, not the value).
    const Shown typed{"1.50", "0.25", "上海, \"东\"", 0, true};
    type(typed);
    ASSERT_EQ(shown(page_), typed);
    QTest::keyClick(page_.lineEdit(&Probe::a), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialog.requests.size(), 1u);
    EXPECT_TRUE(dialog.requests[0].save);
    EXPECT_TRUE(dialog.requests[0].path.endsWith("test.probe.json")) << dialog.requests[0].path.toStdString();
    EXPECT_TRUE(std::filesystem::exists(path_.toStdString()));

    type({"9", "9", "x", 1, false});
    QTest::keyClick(page_.lineEdit(&Probe::b), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialog.requests.size(), 2u);
    EXPECT_FALSE(dialog.requests[1].save);
    // 甲 is chosen first (its rule sets b to 7), then b takes the file's text.
    EXPECT_EQ(shown(page_), typed);
    EXPECT_TRUE(messages.messages.empty());
    ASSERT_TRUE(page_.compute());
    EXPECT_DOUBLE_EQ(page_.result().sum, 1.5 + 0.25 + 0 + 1);
}

TEST_F(ScenarioPage, TheRightClickMenuHasBothEntries)
{
    EXPECT_EQ(page_.contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList texts;
    for (QAction* action : page_.actions()) texts << action->text();
    EXPECT_TRUE(texts.contains(QString::fromUtf8(kSaveScenarioText)));
    EXPECT_TRUE(texts.contains(QString::fromUtf8(kOpenScenarioText)));
    auto* save = page_.findChild<QAction*>("saveScenario");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
}

TEST_F(ScenarioPage, AFileFromTheCommandLineOrByHandOpensToo)
{
    RecordMessages messages;
    // Choices by their text, numbers as JSON numbers.
    write(path_.toStdString(), R"({"calculator":"test.probe","inputs":{"mode":"甲","a":3,"on":"1"}})");
    ChooseFile dialog(path_);
    page_.findChild<QAction*>("openScenario")->trigger();
    EXPECT_TRUE(messages.messages.empty());
    const Shown s = shown(page_);
    EXPECT_EQ(s.a, "3");
    EXPECT_EQ(s.mode, 0);
    EXPECT_EQ(s.b, "7");  // not in the file: the rule of the choice it made
    EXPECT_TRUE(s.on);
}

TEST_F(ScenarioPage, UnfitFilesAreSaidAndChangeNothing)
{
    const std::vector<std::pair<std::string, QString>> files = {
        {R"({"calculator":"test.other","inputs":{"a":"1"}})", "是“test.other”的方案，不能用于“test.probe”"},
        {R"({"calculator":"test.probe","inputs":{"a":"1","zz":"2"}})", "中的输入项“zz”不属于“test.probe”"},
        {R"({"calculator":"test.probe","inputs":{"a":"1","b":"x"}})", "中 b=x 不是一个数"},
        {R"({"calculator":"test.probe","inputs":)", "不是有效的JSON文件"},
        {"{\"calculator\":\"test.probe\",\"inputs\":{\"name\":\"\xc3\"}}", "不是UTF-8编码的文本"},
    };
    ChooseFile dialog(path_);
    const Shown before = shown(page_);
    for (const auto& [bytes, says] : files) {
        RecordMessages messages;
        write(path_.toStdString(), bytes);
        page_.findChild<QAction*>("openScenario")->trigger();
        ASSERT_EQ(messages.messages.size(), 1u) << bytes;
        EXPECT_TRUE(messages.messages[0].text.contains(says)) << messages.messages[0].text.toStdString();
        EXPECT_TRUE(messages.messages[0].text.contains(path_));
        EXPECT_EQ(shown(page_), before) << bytes;
    }
}

TEST_F(ScenarioPage, ATextThatIsNoNumberIsSaidBeforeAnyFileIsAsked)
{
    RecordMessages messages;
    ChooseFile dialog(path_);
    page_.lineEdit(&Probe::b)->setText("abc");
    page_.findChild<QAction*>("saveScenario")->trigger();
    EXPECT_EQ(messages.texts(), QStringList{kNotANumber});
    EXPECT_TRUE(dialog.requests.empty());
    EXPECT_EQ(QApplication::focusWidget(), page_.lineEdit(&Probe::b));
    EXPECT_FALSE(std::filesystem::exists(path_.toStdString()));
}

TEST_F(ScenarioPage, CancelledDialogsAndFailedWrites)
{
    RecordMessages messages;
    {
        ChooseFile cancelled(QString{});
        page_.findChild<QAction*>("saveScenario")->trigger();
        page_.findChild<QAction*>("openScenario")->trigger();
        EXPECT_EQ(cancelled.requests.size(), 2u);
    }
    EXPECT_TRUE(messages.messages.empty());
    ChooseFile missingFolder(QString::fromStdString((dir_.path() / "no" / "case.json").string()));
    page_.findChild<QAction*>("saveScenario")->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("无法写入文件"));
    // An old file is replaced whole.
    write(path_.toStdString(), "old");
    ChooseFile existing(path_);
    page_.findChild<QAction*>("saveScenario")->trigger();
    const ScenarioRead read = parseScenario(slurp(path_.toStdString()), "case.json");
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.scenario.inputs.size(), 5u);
    EXPECT_NE(slurp(path_.toStdString()).find("\"calculator\": \"test.probe\""), std::string::npos);
}

}  // namespace
}  // namespace qelvo::ui
