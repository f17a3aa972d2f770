// The process runner on real programs (the system shell), and the fake tests use instead.
#include "presentation/process_runner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <atomic>

#include "support/fake_process_runner.h"

namespace qelvo::ui {
namespace {

using Status = ProcessOutcome::Status;

ProcessRequest shell(const QString& script)
{
    ProcessRequest request;
    request.program = QStringLiteral("/bin/sh");
    request.arguments = {QStringLiteral("-c"), script};
    return request;
}

TEST(SystemProcessRunner, FeedsAFileToStdinAndCollectsOutputExitCodeAndFiles)
{
    ProcessRequest request = shell("cat > copy.txt; pwd > where.txt; echo out; echo err >&2; exit 3");
    request.inputFiles = {{"screen3.inp", "deck\nline 2\n"}};
    request.standardInputFile = "screen3.inp";
    request.outputFiles = {"copy.txt", "where.txt", "missing.txt"};
    const ProcessOutcome outcome = SystemProcessRunner().run(request);
    ASSERT_EQ(outcome.status, Status::Finished) << outcome.problem.toStdString();
    EXPECT_EQ(outcome.exitCode, 3);
    EXPECT_EQ(outcome.standardOutput, "out\n");
    EXPECT_EQ(outcome.standardError, "err\n");
    EXPECT_TRUE(outcome.problem.isEmpty());
    EXPECT_EQ(outcome.outputFiles.at("copy.txt"), "deck\nline 2\n");
    EXPECT_EQ(outcome.outputFiles.count("missing.txt"), 0u);
    // The program ran in a fresh temporary folder, gone with its files afterwards.
    const QString folder = QString::fromUtf8(outcome.outputFiles.at("where.txt")).trimmed();
    EXPECT_TRUE(folder.contains("qelvo-run-")) << folder.toStdString();
    EXPECT_FALSE(QDir(folder).exists());
}

TEST(SystemProcessRunner, GivenWorkFolderIsUsedAndKept)
{
    QTemporaryDir dir;
    ProcessRequest request = shell("echo made > made.txt");
    request.workFolder = dir.path();
    EXPECT_TRUE(SystemProcessRunner().run(request).finished());
    EXPECT_TRUE(QFile::exists(dir.filePath("made.txt")));
}

TEST(SystemProcessRunner, TimeLimitCancelCrashAndMissingProgram)
{
    ProcessRequest sleeper = shell("sleep 20");
    sleeper.timeLimitMs = 200;
    const ProcessOutcome late = SystemProcessRunner().run(sleeper);
    EXPECT_EQ(late.status, Status::TimedOut);
    EXPECT_EQ(late.problem, "程序“sh”运行超过0.2秒仍未结束，已终止！");

    sleeper.timeLimitMs = 0;
    std::atomic<int> asked{0};
    const ProcessOutcome stopped = SystemProcessRunner().run(sleeper, [&] { return ++asked >= 3; });
    EXPECT_EQ(stopped.status, Status::Cancelled);
    EXPECT_EQ(asked.load(), 3);  // asked until it said yes, then no more
    EXPECT_EQ(stopped.problem, "计算已取消。");

    const ProcessOutcome crashed = SystemProcessRunner().run(shell("kill -9 $$"));
    EXPECT_EQ(crashed.status, Status::Crashed);
    EXPECT_EQ(crashed.problem, "程序“sh”异常终止！");

    ProcessRequest missing;
    missing.program = "/no/such/folder/screen3.exe";
    const ProcessOutcome none = SystemProcessRunner().run(missing);
    EXPECT_EQ(none.status, Status::FailedToStart);
    EXPECT_EQ(none.problem, "无法启动程序“screen3.exe”，请检查该程序是否存在！");
}

TEST(SystemProcessRunner, InputFileThatCannotBeWrittenStartsNothing)
{
    QTemporaryDir dir;
    ProcessRequest request = shell("echo ran > ran.txt");
    request.workFolder = dir.path();
    request.inputFiles = {{"no/such/sub/folder.inp", "x"}};
    const ProcessOutcome outcome = SystemProcessRunner().run(request);
    EXPECT_EQ(outcome.status, Status::FailedToStart);
    EXPECT_EQ(outcome.problem, "无法写入工作文件“no/such/sub/folder.inp”！");
    EXPECT_FALSE(QFile::exists(dir.filePath("ran.txt")));
}

TEST(FakeProcessRunner, StandsInWhileItLivesRecordingAndPlayingBack)
{
    ProcessRunner* system = &processRunner();
    {
        testing::FakeProcessRunner fake;
        EXPECT_EQ(&processRunner(), &fake);
        ProcessOutcome late;
        late.status = Status::TimedOut;
        fake.script(late);
        ProcessRequest request = shell("anything");
        request.timeLimitMs = 120'000;
        EXPECT_EQ(processRunner().run(request).status, Status::TimedOut);
        EXPECT_EQ(processRunner().run(request).status, Status::Finished);  // nothing scripted
        ASSERT_EQ(fake.calls().size(), 2u);
        EXPECT_EQ(fake.calls()[0].timeLimitMs, 120'000);
    }
    EXPECT_EQ(&processRunner(), system);
}

}  // namespace
}  // namespace qelvo::ui
