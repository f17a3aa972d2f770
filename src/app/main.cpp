#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstdlib>

#include "app/app_settings.h"
#include "app/main_window.h"
#include "app/qt_translation.h"
#include "app/single_instance.h"
#include "app/start_options.h"
#include "presentation/messages.h"
#include "presentation/page_style.h"

namespace {

bool hasDisplay()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv)
{
    if (!hasDisplay()) {
        std::fputs("qelvo: 找不到图形显示（DISPLAY 未设置）。请在桌面会话中启动，或用命令行版 build/qelvo-calc 计算。\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Qelvo"));
    QApplication::setApplicationName(QStringLiteral("Qelvo"));
    QApplication::setApplicationVersion(QStringLiteral(QELVO_VERSION));
    qelvo::ui::applyProgramStyle(app);
    qelvo::ui::installQtChinese();  // without the catalogue Qt's own texts stay English

    qelvo::ui::SingleInstance instance;
    if (!instance.acquire()) {
        qelvo::ui::showMessage(nullptr, qelvo::ui::kAlreadyRunning);
        return 0;
    }

    QSettings settings;
    qelvo::ui::writeStartupSettings(settings);

    qelvo::ui::MainWindow window;
    QObject::connect(&window, &qelvo::ui::MainWindow::ended, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    qelvo::ui::applyStartOptions(window, qelvo::ui::parseStartOptions(QApplication::arguments()));
    return app.exec();
}
