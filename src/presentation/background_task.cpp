#include "presentation/background_task.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <algorithm>
#include <exception>

#include "presentation/messages.h"

namespace qelvo::ui {
namespace {

TaskHandler& handler()
{
    static TaskHandler h;
    return h;
}

// Closing the dialog through its frame asks the task to stop, like "取消"; the dialog stays
// until the task has stopped.
class CloseMeansCancel : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Close) return false;
        event->ignore();
        emit static_cast<QProgressDialog*>(watched)->canceled();
        return true;
    }
};

}  // namespace

TaskOutcome runTaskHere(const Task& task, std::function<bool()> cancelWhen)
{
    TaskControl control(std::move(cancelWhen));
    task(control);
    return control.cancelled() ? TaskOutcome::Cancelled : TaskOutcome::Finished;
}

TaskHandler setTaskHandler(TaskHandler h)
{
    TaskHandler previous = std::move(handler());
    handler() = std::move(h);
    return previous;
}

TaskOutcome runInBackground(QWidget* parent, const Task& task, const QString& text)
{
    if (handler()) return handler()(parent, task, text);

    QProgressDialog dialog(text, QString(), 0, 0, parent);
    dialog.setWindowTitle(kProgramTitle);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    auto* cancelButton = new QPushButton(QStringLiteral("取消"), &dialog);
    dialog.setCancelButton(cancelButton);  // the dialog takes it over
    CloseMeansCancel closeFilter;
    dialog.installEventFilter(&closeFilter);

    // Progress reaches the dialog through its own event queue; once the dialog is gone,
    // whatever is still queued for it is dropped with it.
    QPointer<QProgressDialog> shown(&dialog);
    TaskControl control({}, [shown](int percent, const QString& message) {
        QMetaObject::invokeMethod(
            shown.data(),
            [shown, percent, message] {
                if (!shown) return;
                shown->setMaximum(100);
                shown->setValue(std::clamp(percent, 0, 100));
                if (!message.isEmpty()) shown->setLabelText(message);
            },
            Qt::QueuedConnection);
    });
    // "取消", Esc or closing the dialog: the task is asked to stop and the dialog stays until
    // it has.
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        control.cancel();
        dialog.setLabelText(kTaskCancelling);
        cancelButton->setEnabled(false);
    });

    std::exception_ptr error;
    QEventLoop loop;
    QThread* worker = QThread::create([&] {
        try {
            task(control);
        } catch (...) {
            error = std::current_exception();
        }
    });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    dialog.show();
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    dialog.hide();
    if (error) std::rethrow_exception(error);
    return control.cancelled() ? TaskOutcome::Cancelled : TaskOutcome::Finished;
}

}  // namespace qelvo::ui
