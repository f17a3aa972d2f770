#include "app/app_settings.h"

#include <QCoreApplication>
#include <QSettings>

#include "app/link_label.h"

namespace qelvo::ui {

void writeStartupSettings(QSettings& settings)
{
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("Version"), QStringLiteral(QELVO_VERSION));
    settings.setValue(QStringLiteral("AppName"), QCoreApplication::applicationFilePath());
    settings.setValue(QStringLiteral("URL"), kUpdateUrl);
    settings.endGroup();
    settings.sync();
}

}  // namespace qelvo::ui
