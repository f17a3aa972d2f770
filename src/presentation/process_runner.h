// Seam for running another program (SCREEN3): start it with arguments in a work folder,
// feed a file to its standard input, wait for its end within a time limit or until the
// caller cancels, and collect its exit status, its output and the files it wrote.
//
// QtCore only, so the command line can use it too. The call blocks its thread; a page runs
// it off the GUI thread (see background_task.h) and passes its cancel flag. Tests install a
// fake runner (tests/support/fake_process_runner.h) that records requests and plays back
// scripted outcomes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace qelvo::ui {

struct ProcessRequest {
    QString program;  // the program file
    QStringList arguments;
    // Files written into the work folder before the start: name, contents.
    std::vector<std::pair<QString, QByteArray>> inputFiles;
    // A file of the work folder fed to the standard input ("screen3.exe <screen3.inp");
    // empty: the program reads nothing.
    QString standardInputFile;
    // Files read back from the work folder after the end (those that exist).
    QStringList outputFiles;
    int timeLimitMs = 0;  // 0: no limit
    // The folder the program runs in. Empty: a fresh temporary folder, created for the run
    // and removed with everything in it afterwards.
    QString workFolder;
};

struct ProcessOutcome {
    enum class Status {
        Finished,       // ended by itself; see exitCode
        FailedToStart,  // no such program, no work folder, an input file not written
        Crashed,        // ended by a signal or an abnormal exit
        TimedOut,       // stopped at the time limit
        Cancelled,      // stopped because the caller cancelled
    };
    Status status = Status::FailedToStart;
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
    std::map<QString, QByteArray> outputFiles;  // the requested files that existed
    QString problem;  // what went wrong, as the user reads it; empty when Finished

    bool finished() const { return status == Status::Finished; }
};

class ProcessRunner {
public:
    virtual ~ProcessRunner() = default;
    // Runs one program to its end. `cancelled` is asked every few tens of milliseconds; when
    // it answers true the program is killed and the outcome is Cancelled.
    virtual ProcessOutcome run(const ProcessRequest& request, const std::function<bool()>& cancelled = {}) = 0;
};

// The runner on QProcess.
class SystemProcessRunner : public ProcessRunner {
public:
    ProcessOutcome run(const ProcessRequest& request, const std::function<bool()>& cancelled = {}) override;
};

// The runner in use: the system's, unless a test replaced it.
ProcessRunner& processRunner();

// Replaces the runner in use (not owned; null restores the system's) and returns the one it
// replaces (null for the system's). Set it before any run starts.
ProcessRunner* setProcessRunner(ProcessRunner* runner);

// The messages of the outcomes that are not Finished.
QString processProblem(ProcessOutcome::Status status, const QString& program, int timeLimitMs = 0);

}  // namespace qelvo::ui
