// Start-up services: single instance and the settings written at every start.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>

#include "app/app_settings.h"
#include "app/link_label.h"
#include "app/single_instance.h"

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

TEST(AppSettings, WrittenAtStart)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("qelvo.ini"), QSettings::IniFormat);
    writeStartupSettings(settings);
    EXPECT_EQ(settings.value("Settings/Version").toString(), "1.6.2.1");
    EXPECT_EQ(settings.value("Settings/AppName").toString(), QCoreApplication::applicationFilePath());
    EXPECT_EQ(settings.value("Settings/URL").toString(), kUpdateUrl);
}

}  // namespace
}  // namespace qelvo::ui
