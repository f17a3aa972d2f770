// Only one program runs at a time.
#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace qelvo::ui {
namespace {

TEST(SingleInstance, SecondStartIsRefusedWhileTheFirstRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("qelvo.lock");
    {
        SingleInstance first(path);
        ASSERT_TRUE(first.acquire());
        SingleInstance second(path);
        EXPECT_FALSE(second.acquire());
        EXPECT_FALSE(second.acquire());
    }
    // The first has ended: a new start runs.
    SingleInstance third(path);
    EXPECT_TRUE(third.acquire());
}

TEST(SingleInstance, LockOfAProcessThatNoLongerRunsIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("qelvo.lock");
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    // As QLockFile writes it: pid, program, host. No process has that pid.
    stale.write(QByteArray("2147483646\nqelvo\n") + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    SingleInstance instance(path);
    EXPECT_TRUE(instance.acquire());
}

}  // namespace
}  // namespace qelvo::ui
