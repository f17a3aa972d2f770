#include "presentation/desktop.h"

#include <QDesktopServices>
#include <QProcess>

namespace qelvo::ui {

DesktopServices realDesktop()
{
    return {[](const QUrl& url) { return QDesktopServices::openUrl(url); },
            [](const QString& program) { return QProcess::startDetached(program, {}); }};
}

DesktopServices& desktop()
{
    static DesktopServices services = realDesktop();
    return services;
}

}  // namespace qelvo::ui
