// The settings written at every start.
#include "app/app_settings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>

#include "app/link_label.h"

namespace qelvo::ui {
namespace {

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
