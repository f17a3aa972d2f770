// The unit converter page, driven through its widgets.
#include "tools/pages/units_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <csignal>
#include <memory>
#include <sys/resource.h>

#include "support/ui_seams.h"
#include "support/widgets.h"
#include "tools/temp_dir.h"

namespace qelvo::ui {
namespace {

namespace fs = std::filesystem;
using testing::button;
using testing::edit;
using testing::RecordMessages;
using tools::testing::slurp;
using tools::testing::TempDir;
using tools::testing::write;

const std::string kFile = "[长度][1][米]=[100][厘米]\n[面积][1][平方米]=[0.0001][公顷]\n[长度][1][米]=[0.001][千米]\n";

// A program folder with its data.ini in a temporary folder, in place of the program's own.
class UnitFolders {
public:
    explicit UnitFolders(const std::string& shipped = kFile, bool withProgramFolder = true)
        : places_{dir_.path() / "program", dir_.path() / "user"}, previous_(unitFilePlaces())
    {
        if (withProgramFolder) {
            fs::create_directory(places_.programDir);
            write(file(), shipped);
        }
        unitFilePlaces() = [this] { return places_; };
    }
    ~UnitFolders() { unitFilePlaces() = previous_; }

    fs::path file() const { return places_.programDir / "data.ini"; }
    const tools::UnitFilePlaces& places() const { return places_; }

private:
    TempDir dir_;
    tools::UnitFilePlaces places_;
    std::function<tools::UnitFilePlaces()> previous_;
};

QStringList items(QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    return texts;
}

// Chooses an entry of a list as the user does.
void choose(QComboBox* list, const QString& text)
{
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// The page shown in an active window, so that focus changes are real.
std::unique_ptr<UnitsPage> shownPage()
{
    auto page = std::make_unique<UnitsPage>();
    page->show();
    QApplication::setActiveWindow(page.get());
    return page;
}

// Types into a field and leaves it for another, as the user does with the mouse.
void typeAndLeave(QLineEdit* field, const QString& text, QWidget* next)
{
    field->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(field->hasFocus());
    field->setText(text);
    next->setFocus(Qt::MouseFocusReason);
}

TEST(UnitsPage, OpensOnTheLastCategoryOfTheFile)
{
    UnitFolders folders;
    RecordMessages messages;
    UnitsPage page;
    EXPECT_EQ(page.filePath(), folders.file().string());
    EXPECT_EQ(items(page.categories()), QStringList({"长度", "面积"}));
    EXPECT_EQ(page.categories()->currentText(), "面积");
    EXPECT_EQ(items(page.unitsA()), QStringList({"平方米", "公顷"}));
    EXPECT_EQ(items(page.unitsB()), QStringList({"平方米", "公顷"}));
    EXPECT_EQ(edit(&page, "valueA")->text(), "1");
    EXPECT_EQ(edit(&page, "valueB")->text(), "1");
    EXPECT_EQ(edit(&page, "category")->text(), "面积");
    EXPECT_EQ(edit(&page, "value1")->text(), "1");
    EXPECT_EQ(edit(&page, "base")->text(), "平方米");
    EXPECT_TRUE(edit(&page, "value1")->isReadOnly());
    EXPECT_TRUE(edit(&page, "base")->isReadOnly());
    EXPECT_TRUE(messages.messages.empty());

    choose(page.categories(), "长度");
    EXPECT_EQ(items(page.unitsA()), QStringList({"米", "厘米", "千米"}));
    EXPECT_EQ(edit(&page, "base")->text(), "米");
    EXPECT_EQ(edit(&page, "category")->text(), "长度");
}

TEST(UnitsPage, ConvertsWhenTheFocusLeavesAValue)
{
    UnitFolders folders;
    RecordMessages messages;
    auto page = shownPage();
    choose(page->categories(), "长度");
    choose(page->unitsA(), "米");
    choose(page->unitsB(), "厘米");
    // 1 米 <=> 100 厘米
    EXPECT_EQ(edit(page.get(), "valueA")->text(), "1");
    EXPECT_EQ(edit(page.get(), "valueB")->text(), "100");

    typeAndLeave(edit(page.get(), "valueA"), "2.5", edit(page.get(), "valueB"));
    EXPECT_EQ(edit(page.get(), "valueB")->text(), "250");
    typeAndLeave(edit(page.get(), "valueB"), "50", edit(page.get(), "unit"));
    EXPECT_EQ(edit(page.get(), "valueA")->text(), "0.5");

    // 千米 in B: 1 米 <=> 0.001 千米; 2 千米 back to 2000 米.
    choose(page->unitsB(), "千米");
    EXPECT_EQ(edit(page.get(), "valueB")->text(), "0.001");
    typeAndLeave(edit(page.get(), "valueB"), "2", edit(page.get(), "valueA"));
    EXPECT_EQ(edit(page.get(), "valueA")->text(), "2000");
    EXPECT_TRUE(messages.messages.empty());

    // Not a number: the standard request, and the previous value back.
    typeAndLeave(edit(page.get(), "valueA"), "abc", edit(page.get(), "unit"));
    EXPECT_EQ(messages.texts(), QStringList{kNotANumber});
    EXPECT_EQ(edit(page.get(), "valueA")->text(), "2000");
}

TEST(UnitsPage, ZeroFactorOrNoUnitsIsSaidNotShownAsInf)
{
    UnitFolders folders("[长度][1][米]=[0][厘米]\n");
    RecordMessages messages;
    UnitsPage page;
    choose(page.unitsA(), "厘米");
    EXPECT_EQ(edit(&page, "valueA")->text(), "0");
    edit(&page, "valueA")->setText("5");
    page.convertFromA();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "单位“厘米”的换算值为0，无法换算，请在data.ini中改正！");
    EXPECT_EQ(messages.messages[0].caption, "单位换算");
    EXPECT_EQ(edit(&page, "valueB")->text(), "1");

    UnitFolders empty("");
    UnitsPage none;
    EXPECT_EQ(none.categories()->count(), 0);
    none.convertFromB();
    EXPECT_EQ(messages.texts().last(), tools::kNoUnits);
    EXPECT_EQ(edit(&none, "valueA")->text(), "0");
}

TEST(UnitsPage, AddsAUnitToItsCategory)
{
    UnitFolders folders;
    RecordMessages messages;
    UnitsPage page;
    choose(page.categories(), "长度");
    edit(&page, "value2")->setText("1000");
    edit(&page, "unit")->setText("毫米");
    button(&page, "添加")->click();

    EXPECT_TRUE(messages.messages.empty()) << messages.texts().join("|").toStdString();
    EXPECT_EQ(slurp(folders.file()), kFile + "[长度][1][米]=[1000][毫米]\n");
    EXPECT_EQ(items(page.categories()), QStringList({"长度", "面积"}));
    EXPECT_EQ(page.categories()->currentText(), "长度");  // an existing category stays chosen
    EXPECT_EQ(items(page.unitsA()).last(), "毫米");
    EXPECT_EQ(items(page.unitsB()).last(), "毫米");
    EXPECT_EQ(edit(&page, "value2")->text(), "");
    EXPECT_EQ(edit(&page, "unit")->text(), "");
    EXPECT_TRUE(edit(&page, "base")->isReadOnly());

    choose(page.unitsB(), "毫米");
    EXPECT_EQ(edit(&page, "valueB")->text(), "1000");
}

TEST(UnitsPage, ANewCategoryGetsItsBaseUnitAndBecomesCurrent)
{
    UnitFolders folders;
    RecordMessages messages;
    auto page = shownPage();
    QLineEdit* base = edit(page.get(), "base");
    // Typing an existing category keeps 基准单位 read-only; a new one opens it.
    typeAndLeave(edit(page.get(), "category"), "长度", edit(page.get(), "value2"));
    EXPECT_TRUE(base->isReadOnly());
    EXPECT_EQ(base->text(), "平方米");  // its text is not changed
    edit(page.get(), "value1")->setText("7");
    typeAndLeave(edit(page.get(), "category"), "时间", edit(page.get(), "value2"));
    EXPECT_FALSE(base->isReadOnly());
    EXPECT_EQ(edit(page.get(), "value1")->text(), "1");

    base->setText("秒");
    edit(page.get(), "value2")->setText("1000");
    edit(page.get(), "unit")->setText("毫秒");
    button(page.get(), "添加")->click();
    EXPECT_TRUE(messages.messages.empty()) << messages.texts().join("|").toStdString();
    EXPECT_EQ(slurp(folders.file()), kFile + "[时间][1][秒]=[1000][毫秒]\n");
    EXPECT_EQ(items(page->categories()), QStringList({"长度", "面积", "时间"}));
    EXPECT_EQ(page->categories()->currentText(), "时间");
    EXPECT_EQ(items(page->unitsA()), QStringList({"秒", "毫秒"}));
    EXPECT_EQ(edit(page.get(), "category")->text(), "时间");
    EXPECT_TRUE(base->isReadOnly());
}

TEST(UnitsPage, AddingWithoutValueOrUnitWritesNothing)
{
    UnitFolders folders;
    RecordMessages messages;
    auto page = shownPage();
    edit(page.get(), "unit")->setText("毫米");
    button(page.get(), "添加")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "请输入单位或相应值！");
    EXPECT_EQ(messages.messages[0].caption, "单位换算");
    EXPECT_EQ(QApplication::focusWidget(), edit(page.get(), "value2"));
    EXPECT_EQ(slurp(folders.file()), kFile);
    EXPECT_EQ(edit(page.get(), "unit")->text(), "毫米");  // kept for the next try
}

TEST(UnitsPage, FailingAppendIsReportedAndTheFileStaysAsItWas)
{
    UnitFolders folders;
    RecordMessages messages;
    UnitsPage page;
    edit(&page, "value2")->setText("100");
    edit(&page, "unit")->setText("平方分米");
    // The file may grow by 3 bytes only: the write stops part way.
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = kFile.size() + 3;
    ::setrlimit(RLIMIT_FSIZE, &tight);
    button(&page, "添加")->click();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.startsWith("写入单位文件失败")) << messages.messages[0].text.toStdString();
    EXPECT_LE(messages.messages[0].text.size(), 99);
    EXPECT_EQ(slurp(folders.file()), kFile);
    EXPECT_EQ(items(page.unitsA()), QStringList({"平方米", "公顷"}));
    EXPECT_EQ(edit(&page, "unit")->text(), "平方分米");
}

TEST(UnitsPage, AFileThatCannotBeOpenedLeavesAnEmptyPage)
{
    // QELVO_DATA_INI names a folder: it cannot be read, whoever asks.
    TempDir folder;
    qputenv(tools::kUnitFileVariable, QByteArray::fromStdString(folder.path().string()));
    RecordMessages messages;
    UnitsPage page;
    qunsetenv(tools::kUnitFileVariable);
    EXPECT_EQ(page.filePath(), folder.path().string());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.startsWith("打开单位文件失败")) << messages.messages[0].text.toStdString();
    EXPECT_LE(messages.messages[0].text.size(), 99);
    EXPECT_EQ(page.categories()->count(), 0);
    EXPECT_EQ(page.unitsA()->count(), 0);
}

TEST(UnitsPage, WithoutAWritableProgramFolderTheUsersCopyIsUsed)
{
    {
        UnitFolders folders(kFile, false);  // no program folder at all: nothing to write beside
        RecordMessages messages;
        UnitsPage page;
        EXPECT_EQ(page.filePath(), (folders.places().userDir / "data.ini").string());
        EXPECT_TRUE(fs::is_regular_file(page.filePath()));  // made, empty, as nothing is shipped
        EXPECT_TRUE(messages.messages.empty());
    }
    // A shipped file that cannot be opened for writing, even by root (a folder of that
    // name): the user's copy again.
    UnitFolders folders;
    fs::remove(folders.file());
    fs::create_directory(folders.file());
    RecordMessages messages;
    UnitsPage page;
    EXPECT_EQ(page.filePath(), (folders.places().userDir / "data.ini").string());
    EXPECT_TRUE(messages.messages.empty());
}

TEST(UnitsPage, TheProgramAndQelvoCalcLookInTheSameFolders)
{
    // The page asks Qt; qelvo-calc works it out itself. For the program's names they agree.
    QStandardPaths::setTestModeEnabled(false);
    const QString organisation = QCoreApplication::organizationName(), application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName("Qelvo");
    QCoreApplication::setApplicationName("Qelvo");
    const tools::UnitFilePlaces qt = programUnitFilePlaces(), own = tools::standardUnitFilePlaces();
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    QStandardPaths::setTestModeEnabled(true);
    EXPECT_EQ(qt.userDir, own.userDir);
    EXPECT_EQ(qt.programDir, own.programDir);
}

}  // namespace
}  // namespace qelvo::ui
