// Test doubles for the modal seams: record messages, run modal windows without blocking,
// and note what would have been opened on the desktop.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <ostream>
#include <vector>

#include "presentation/background_task.h"
#include "presentation/desktop.h"
#include "presentation/messages.h"

// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace qelvo::ui::testing {

class RecordMessages {
public:
    RecordMessages()
        : previous_(setMessageHandler([this](QWidget*, const Message& m) { messages.push_back(m); }))
    {
    }
    ~RecordMessages() { setMessageHandler(previous_); }
    RecordMessages(const RecordMessages&) = delete;
    RecordMessages& operator=(const RecordMessages&) = delete;

    QStringList texts() const
    {
        QStringList list;
        for (const auto& m : messages) list << m.text;
        return list;
    }

    std::vector<Message> messages;

private:
    MessageHandler previous_;
};

// Each modal window is handed to `inspect` (while it exists) instead of being run.
class InterceptModals {
public:
    explicit InterceptModals(std::function<int(QDialog&)> inspect = [](QDialog&) { return 0; })
        : previous_(setModalHandler([this, inspect](QDialog& d) {
              titles.push_back(d.windowTitle());
              return inspect(d);
          }))
    {
    }
    ~InterceptModals() { setModalHandler(previous_); }
    InterceptModals(const InterceptModals&) = delete;
    InterceptModals& operator=(const InterceptModals&) = delete;

    QStringList titles;

private:
    ModalHandler previous_;
};

class RecordDesktop {
public:
    RecordDesktop() : previous_(desktop())
    {
        desktop().openUrl = [this](const QUrl& url) {
            urls.push_back(url);
            return true;
        };
        desktop().startProgram = [this](const QString& program) {
            programs.push_back(program);
            return true;
        };
    }
    ~RecordDesktop() { desktop() = previous_; }
    RecordDesktop(const RecordDesktop&) = delete;
    RecordDesktop& operator=(const RecordDesktop&) = delete;

    std::vector<QUrl> urls;
    QStringList programs;

private:
    DesktopServices previous_;
};

// Background tasks run on the test's own thread; `cancelWhen` plays the "取消" button.
class RunTasksHere {
public:
    explicit RunTasksHere(std::function<bool()> cancelWhen = {})
        : previous_(setTaskHandler([this, cancelWhen](QWidget*, const Task& task, const QString& text) {
              texts.push_back(text);
              return runTaskHere(task, cancelWhen);
          }))
    {
    }
    ~RunTasksHere() { setTaskHandler(previous_); }
    RunTasksHere(const RunTasksHere&) = delete;
    RunTasksHere& operator=(const RunTasksHere&) = delete;

    QStringList texts;  // the dialog text of each task

private:
    TaskHandler previous_;
};

}  // namespace qelvo::ui::testing
