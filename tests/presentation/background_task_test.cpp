// Computations off the GUI thread with the modal progress dialog, and the test seam.
#include "presentation/background_task.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <stdexcept>

#include "presentation/messages.h"
#include "support/fake_process_runner.h"
#include "support/ui_seams.h"

namespace qelvo::ui {
namespace {

QProgressDialog* openProgressDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible()) return d;
    return nullptr;
}

// Calls `act` with the progress dialog once it is shown.
void whenDialogShows(std::function<void(QProgressDialog*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (QProgressDialog* d = openProgressDialog()) {
            timer->stop();
            timer->deleteLater();
            act(d);
        }
    });
    timer->start();
}

TEST(BackgroundTask, RunsOffTheGuiThreadBehindAModalDialog)
{
    QWidget page;
    QThread* worker = nullptr;
    QString title, label;
    bool modal = false;
    whenDialogShows([&](QProgressDialog* d) {
        title = d->windowTitle();
        label = d->labelText();
        modal = d->isModal();
    });
    const TaskOutcome outcome = runInBackground(&page, [&](TaskControl& control) {
        worker = QThread::currentThread();
        control.progress(50, QStringLiteral("第1个污染物"));
        // Long enough for the dialog to be seen.
        for (int i = 0; i < 40 && !control.cancelled(); ++i) QThread::msleep(10);
    });
    EXPECT_EQ(outcome, TaskOutcome::Finished);
    EXPECT_NE(worker, QThread::currentThread());
    EXPECT_EQ(title, kProgramTitle);
    EXPECT_TRUE(label == kTaskRunning || label == "第1个污染物") << label.toStdString();
    EXPECT_TRUE(modal);
    EXPECT_EQ(openProgressDialog(), nullptr);  // gone when the task has returned
}

TEST(BackgroundTask, CancelButtonStopsTheTask)
{
    QWidget page;
    QString button;
    whenDialogShows([&](QProgressDialog* d) {
        auto* cancel = d->findChild<QPushButton*>();
        button = cancel->text();
        cancel->click();
    });
    int polls = 0;
    const TaskOutcome outcome = runInBackground(&page, [&](TaskControl& control) {
        while (!control.cancelled() && polls < 2000) {
            ++polls;
            QThread::msleep(5);
        }
    });
    EXPECT_EQ(outcome, TaskOutcome::Cancelled);
    EXPECT_EQ(button, "取消");
    EXPECT_LT(polls, 2000);  // stopped by the button, not by running out
}

TEST(BackgroundTask, ClosingTheDialogCancelsToo)
{
    whenDialogShows([](QProgressDialog* d) { d->close(); });
    const TaskOutcome outcome = runInBackground(nullptr, [](TaskControl& control) {
        for (int i = 0; i < 2000 && !control.cancelled(); ++i) QThread::msleep(5);
    });
    EXPECT_EQ(outcome, TaskOutcome::Cancelled);
}

TEST(BackgroundTask, ExceptionReachesTheCaller)
{
    EXPECT_THROW(runInBackground(nullptr, [](TaskControl&) { throw std::runtime_error("boom"); }), std::runtime_error);
}

TEST(BackgroundTask, TestSeamRunsTheTaskHereWithTheFakeProgram)
{
    testing::FakeProcessRunner fake;
    ProcessOutcome listing;
    listing.status = ProcessOutcome::Status::Finished;
    listing.exitCode = 0;
    listing.outputFiles["SCREEN.OUT"] = "listing";
    fake.script(listing);
    testing::RunTasksHere here;

    QByteArray read;
    const QThread* ranOn = nullptr;
    const TaskOutcome outcome = runInBackground(nullptr, [&](TaskControl& control) {
        ranOn = QThread::currentThread();
        ProcessRequest request;
        request.program = "screen3.exe";
        request.inputFiles = {{"screen3.inp", "deck"}};
        request.standardInputFile = "screen3.inp";
        request.outputFiles = {"SCREEN.OUT"};
        request.timeLimitMs = 120'000;
        const ProcessOutcome o = processRunner().run(request, [&] { return control.cancelled(); });
        read = o.outputFiles.at("SCREEN.OUT");
    }, QStringLiteral("正在运行SCREEN3……"));
    EXPECT_EQ(outcome, TaskOutcome::Finished);
    EXPECT_EQ(ranOn, QThread::currentThread());
    EXPECT_EQ(here.texts, QStringList{"正在运行SCREEN3……"});
    EXPECT_EQ(read, "listing");
    ASSERT_EQ(fake.calls().size(), 1u);
    EXPECT_EQ(fake.calls()[0].standardInputFile, "screen3.inp");
    EXPECT_EQ(fake.calls()[0].inputFiles[0].second, "deck");
}

TEST(BackgroundTask, TestSeamCancelReachesTheFakeProgram)
{
    testing::FakeProcessRunner fake;
    fake.setRespond([](const ProcessRequest&, const std::function<bool()>& cancelled) {
        ProcessOutcome o;
        o.status = cancelled && cancelled() ? ProcessOutcome::Status::Cancelled : ProcessOutcome::Status::Finished;
        return o;
    });
    testing::RunTasksHere cancelling([] { return true; });
    ProcessOutcome::Status status = ProcessOutcome::Status::Finished;
    const TaskOutcome outcome = runInBackground(nullptr, [&](TaskControl& control) {
        status = processRunner().run({}, [&] { return control.cancelled(); }).status;
    });
    EXPECT_EQ(outcome, TaskOutcome::Cancelled);
    EXPECT_EQ(status, ProcessOutcome::Status::Cancelled);
}

}  // namespace
}  // namespace qelvo::ui
