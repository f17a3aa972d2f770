#include "presentation/process_runner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>

#include "common/replaceable.h"

namespace qelvo::ui {
namespace {

constexpr int kPollMs = 50;
constexpr int kStartMs = 10'000;
// Output beyond this is dropped rather than kept in memory.
constexpr qsizetype kMaxCapturedBytes = 16 * 1024 * 1024;

Replaceable<ProcessRunner>& replaced()
{
    static Replaceable<ProcessRunner> runner;
    return runner;
}

void capture(QByteArray& into, const QByteArray& more)
{
    const qsizetype room = kMaxCapturedBytes - into.size();
    if (room > 0) into.append(more.left(room));
}

ProcessOutcome failure(ProcessOutcome::Status status, QString problem)
{
    ProcessOutcome outcome;
    outcome.status = status;
    outcome.problem = std::move(problem);
    return outcome;
}

}  // namespace

QString processProblem(ProcessOutcome::Status status, const QString& program, int timeLimitMs)
{
    const QString name = QFileInfo(program).fileName();
    switch (status) {
    case ProcessOutcome::Status::Finished: return {};
    case ProcessOutcome::Status::FailedToStart:
        return QStringLiteral("无法启动程序“%1”，请检查该程序是否存在！").arg(name);
    case ProcessOutcome::Status::Crashed: return QStringLiteral("程序“%1”异常终止！").arg(name);
    case ProcessOutcome::Status::TimedOut:
        return QStringLiteral("程序“%1”运行超过%2秒仍未结束，已终止！").arg(name).arg(timeLimitMs / 1000.0);
    case ProcessOutcome::Status::Cancelled: return QStringLiteral("计算已取消。");
    }
    return {};
}

ProcessOutcome SystemProcessRunner::run(const ProcessRequest& request, const std::function<bool()>& cancelled)
{
    using Status = ProcessOutcome::Status;
    std::optional<QTemporaryDir> temporary;
    QString folder = request.workFolder;
    if (folder.isEmpty()) {
        temporary.emplace(QDir::temp().filePath(QStringLiteral("qelvo-run-XXXXXX")));
        if (!temporary->isValid()) return failure(Status::FailedToStart, QStringLiteral("无法创建临时工作文件夹！"));
        folder = temporary->path();
    }
    const QDir dir(folder);
    for (const auto& [name, contents] : request.inputFiles) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) != contents.size())
            return failure(Status::FailedToStart, QStringLiteral("无法写入工作文件“%1”！").arg(name));
    }

    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProgram(request.program);
    process.setArguments(request.arguments);
    process.setStandardInputFile(request.standardInputFile.isEmpty() ? QProcess::nullDevice()
                                                                      : dir.filePath(request.standardInputFile));
    process.start();
    if (!process.waitForStarted(kStartMs))
        return failure(Status::FailedToStart, processProblem(Status::FailedToStart, request.program));

    ProcessOutcome outcome;
    QElapsedTimer clock;
    clock.start();
    std::optional<Status> stopped;
    while (process.state() != QProcess::NotRunning) {
        if (process.waitForFinished(kPollMs)) break;
        capture(outcome.standardOutput, process.readAllStandardOutput());
        capture(outcome.standardError, process.readAllStandardError());
        if (cancelled && cancelled()) stopped = Status::Cancelled;
        else if (request.timeLimitMs > 0 && clock.elapsed() > request.timeLimitMs) stopped = Status::TimedOut;
        if (stopped) {
            process.kill();
            process.waitForFinished(kStartMs);
            break;
        }
    }
    capture(outcome.standardOutput, process.readAllStandardOutput());
    capture(outcome.standardError, process.readAllStandardError());

    if (stopped) {
        outcome.status = *stopped;
    } else if (process.exitStatus() == QProcess::CrashExit) {
        outcome.status = Status::Crashed;
    } else {
        outcome.status = Status::Finished;
        outcome.exitCode = process.exitCode();
    }
    if (!outcome.finished()) outcome.problem = processProblem(outcome.status, request.program, request.timeLimitMs);
    for (const QString& name : request.outputFiles) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly)) outcome.outputFiles[name] = file.read(kMaxCapturedBytes);
    }
    return outcome;
}

ProcessRunner& processRunner()
{
    static SystemProcessRunner system;
    return replaced().get(system);
}

ProcessRunner* setProcessRunner(ProcessRunner* runner) { return replaced().install(runner); }

}  // namespace qelvo::ui
