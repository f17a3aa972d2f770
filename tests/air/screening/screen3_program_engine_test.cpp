// The external engine through the fake process runner (the request it makes, the listing it
// reads back, time-out and failures), where it finds the program, and one real run of a
// stand-in program through the system's runner.
#include "air/screening/screen3_program_engine.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include "replay_engine.h"
#include "support/fake_process_runner.h"

namespace qelvo::air {
namespace {

using ui::ProcessOutcome;
using ui::testing::FakeProcessRunner;

const char* kCase = "01_point_flat_default";

ProcessOutcome finishedWith(std::map<QString, QByteArray> files, int exitCode = 0)
{
    ProcessOutcome o;
    o.status = ProcessOutcome::Status::Finished;
    o.exitCode = exitCode;
    o.outputFiles = std::move(files);
    return o;
}

ProcessOutcome stopped(ProcessOutcome::Status status, const QString& program)
{
    ProcessOutcome o;
    o.status = status;
    o.problem = ui::processProblem(status, program, kScreen3TimeLimitMs);
    return o;
}

// An environment variable set for one test, restored afterwards.
class Variable {
public:
    Variable(const char* name, const QByteArray& value) : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value.isNull()) qunsetenv(name);
        else qputenv(name, value);
    }
    ~Variable()
    {
        if (had_) qputenv(name_, old_);
        else qunsetenv(name_);
    }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

QString makeProgram(const QString& path, const QByteArray& script = "#!/bin/sh\nexit 0\n")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(script);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

TEST(Screen3ProgramEngine, HandsTheDeckToTheProgramAndReadsItsListing)
{
    const std::string deck = testing::storedFile(kCase, "screen3.inp");
    const QByteArray listing = QByteArray::fromStdString(testing::storedFile(kCase, "SCREEN.OUT"));
    FakeProcessRunner runner;
    runner.script(finishedWith({{QStringLiteral("SCREEN.OUT"), listing}}));
    runner.script(finishedWith({{QStringLiteral("screen.out"), listing}}));  // either spelling
    Screen3ProgramEngine engine(QStringLiteral("/opt/screen3/screen3"));
    EXPECT_EQ(engine.name(), "SCREEN3");
    EXPECT_EQ(engine.distanceLimit(), 50);
    for (int i = 0; i < 2; ++i) {
        const ScreeningOutcome out = engine.run(deck);
        ASSERT_TRUE(out.ok()) << out.failure;
        const SummaryRow* simple = out.result->summaryRow(kSimpleTerrainLabel);
        ASSERT_NE(simple, nullptr);
        EXPECT_EQ(simple->concentration, 41.59);
        EXPECT_EQ(simple->distance, 280);
        EXPECT_EQ(out.result->engine, "SCREEN3");
        EXPECT_EQ(out.result->automated.size(), 2u);
    }
    const auto calls = runner.calls();
    ASSERT_EQ(calls.size(), 2u);
    const auto& request = calls[0];
    EXPECT_EQ(request.program, QStringLiteral("/opt/screen3/screen3"));
    EXPECT_TRUE(request.arguments.isEmpty());
    ASSERT_EQ(request.inputFiles.size(), 1u);
    EXPECT_EQ(request.inputFiles[0].first, QStringLiteral("screen3.inp"));
    EXPECT_EQ(request.inputFiles[0].second, QByteArray::fromStdString(deck));  // byte for byte
    EXPECT_EQ(request.standardInputFile, QStringLiteral("screen3.inp"));
    EXPECT_TRUE(request.outputFiles.contains(QStringLiteral("SCREEN.OUT")));
    EXPECT_EQ(request.timeLimitMs, 120'000);
    EXPECT_TRUE(request.workFolder.isEmpty());  // a fresh temporary folder per run
}

TEST(Screen3ProgramEngine, FailuresAreTexts)
{
    const QString program = QStringLiteral("/opt/screen3/screen3");
    FakeProcessRunner runner;
    runner.script(stopped(ProcessOutcome::Status::TimedOut, program));
    runner.script(stopped(ProcessOutcome::Status::FailedToStart, program));
    runner.script(finishedWith({}, 2));
    runner.script(finishedWith({{QStringLiteral("SCREEN.OUT"), "SCREEN3 stopped: bad input\n"}}));
    Screen3ProgramEngine engine(program);
    EXPECT_EQ(engine.run("t\n").failure, "程序“screen3”运行超过120秒仍未结束，已终止！");
    EXPECT_EQ(engine.run("t\n").failure, "无法启动程序“screen3”，请检查该程序是否存在！");
    EXPECT_EQ(engine.run("t\n").failure, "SCREEN3没有写出结果文件SCREEN.OUT（退出代码2），请检查输入！");
    EXPECT_EQ(engine.run("t\n").failure, "SCREEN3的结果文件SCREEN.OUT中没有计算结果，请检查输入！");

    // No program: no process, the message says where to put one.
    const std::string missing = Screen3ProgramEngine(QString()).run("t\n").failure;
    EXPECT_EQ(runner.calls().size(), 4u);
    EXPECT_EQ(missing, screen3MissingMessage());
    EXPECT_TRUE(missing.starts_with("找不到SCREEN3程序！请把screen3放在本程序所在的文件夹（")) << missing;
    EXPECT_NE(missing.find(ownProgramFolder().toStdString()), std::string::npos);
    // Without an application object, the folder of the running program: this test program's.
    EXPECT_TRUE(QDir(ownProgramFolder()).exists(QStringLiteral("qelvo_core_tests"))) << ownProgramFolder().toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(ownProgramFolder()));
    EXPECT_NE(missing.find("环境变量QELVO_SCREEN3"), std::string::npos);
}

TEST(Screen3ProgramEngine, FoundByVariableThenSettingsThenBesideUsThenPath)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString byVariable = makeProgram(root.filePath("v/screen3"));
    const QString bySetting = makeProgram(root.filePath("s/my-screen3"));
    const QString beside = makeProgram(root.filePath("ours/screen3"));
    const QString onPath = makeProgram(root.filePath("path/screen3"));
    QSettings settings(root.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue(kScreen3PathKey, bySetting);
    const QString ours = root.filePath("ours");

    const Variable path("PATH", root.filePath("path").toLocal8Bit());
    {
        const Variable variable(kScreen3Variable, byVariable.toLocal8Bit());
        EXPECT_EQ(findScreen3(settings, ours), byVariable);
    }
    // A variable naming no program is passed over.
    const Variable variable(kScreen3Variable, root.filePath("nothing").toLocal8Bit());
    EXPECT_EQ(findScreen3(settings, ours), bySetting);
    settings.setValue(kScreen3PathKey, root.filePath("s"));  // a folder is no program
    EXPECT_EQ(findScreen3(settings, ours), beside);
    EXPECT_EQ(findScreen3(settings, root.filePath("elsewhere")), onPath);
    QFile::remove(onPath);
    EXPECT_EQ(findScreen3(settings, root.filePath("elsewhere")), QString());
    // Not executable: not a program.
    QFile(beside).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(findScreen3(settings, ours), QString());
}

TEST(Screen3ProgramEngine, RunsAProgramInAFolderOfItsOwn)
{
    // A stand-in for SCREEN3: it keeps the deck it reads and the folder it runs in, and writes
    // the stored listing as SCREEN.OUT.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString listing = QString::fromUtf8(QELVO_SCREENING_DATA) + "/" + kCase + "/SCREEN.OUT";
    const QString program = makeProgram(root.filePath("screen3"),
                                        "#!/bin/sh\ncat > \"$RECORD.deck\"\npwd > \"$RECORD.folder\"\n"
                                        "cp \"$LISTING\" SCREEN.OUT\n");
    const Variable record("RECORD", root.filePath("record").toLocal8Bit());
    const Variable source("LISTING", listing.toLocal8Bit());
    const std::string deck = testing::storedFile(kCase, "screen3.inp");
    const ScreeningOutcome out = Screen3ProgramEngine(program).run(deck);
    ASSERT_TRUE(out.ok()) << out.failure;
    EXPECT_EQ(out.result->summaryRow(kSimpleTerrainLabel)->concentration, 41.59);

    QFile deckSeen(root.filePath("record.deck")), folderSeen(root.filePath("record.folder"));
    ASSERT_TRUE(deckSeen.open(QIODevice::ReadOnly));
    EXPECT_EQ(deckSeen.readAll().toStdString(), deck);
    ASSERT_TRUE(folderSeen.open(QIODevice::ReadOnly));
    const QString folder = QString::fromLocal8Bit(folderSeen.readAll()).trimmed();
    EXPECT_FALSE(folder.isEmpty());
    EXPECT_NE(QDir(folder).canonicalPath(), QDir::current().canonicalPath());
    EXPECT_FALSE(QDir(folder).exists());  // removed after the run
}

}  // namespace
}  // namespace qelvo::air
