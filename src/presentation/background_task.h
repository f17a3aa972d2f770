// A long computation off the GUI thread: a page hands it over, a modal progress dialog with
// "取消" blocks the page until it ends, and the computation polls a cancel flag.
//
// The computation must not touch widgets; it reads what it needs before it starts and
// leaves its results where the page picks them up afterwards. Models are plain functions
// without mutable state, so any of them may run here. UI tests install a handler (see
// setTaskHandler) that runs the task on their own thread.
#pragma once

#include <QString>
#include <atomic>
#include <functional>

class QWidget;

namespace qelvo::ui {

inline const QString kTaskRunning = QStringLiteral("正在计算，请稍候……");
inline const QString kTaskCancelling = QStringLiteral("正在取消，请稍候……");

// What the computation sees of its dialog. Safe to use from the worker thread.
class TaskControl {
public:
    using Report = std::function<void(int percent, const QString& text)>;
    explicit TaskControl(std::function<bool()> cancelWhen = {}, Report report = {})
        : cancelWhen_(std::move(cancelWhen)), report_(std::move(report))
    {
    }

    // Polled by the computation; once true it stays true.
    bool cancelled() const
    {
        if (!cancelled_ && cancelWhen_ && cancelWhen_()) cancelled_ = true;
        return cancelled_;
    }
    void cancel() { cancelled_ = true; }
    // 0 … 100; until the first call the dialog shows a busy bar. An empty text keeps the
    // dialog's text.
    void progress(int percent, const QString& text = {}) const
    {
        if (report_) report_(percent, text);
    }

private:
    std::function<bool()> cancelWhen_;
    Report report_;
    mutable std::atomic<bool> cancelled_{false};
};

using Task = std::function<void(TaskControl& control)>;

enum class TaskOutcome { Finished, Cancelled };

// Runs the task on a worker thread while a modal progress dialog (the program's title,
// `text`, a progress bar and "取消") blocks the page; returns when the task has returned.
// Cancelled when "取消" was pressed (the task has seen cancelled() and stopped). An
// exception thrown by the task is thrown again here, on the GUI thread.
TaskOutcome runInBackground(QWidget* parent, const Task& task, const QString& text = kTaskRunning);

// Runs the task on the calling thread; `cancelWhen` plays the "取消" button.
TaskOutcome runTaskHere(const Task& task, std::function<bool()> cancelWhen = {});

// Test seam: tasks go to this handler instead (an empty handler restores the real one);
// returns the handler it replaces.
using TaskHandler = std::function<TaskOutcome(QWidget* parent, const Task& task, const QString& text)>;
TaskHandler setTaskHandler(TaskHandler handler);

}  // namespace qelvo::ui
