// Seam for what the desktop does outside the program: opening a web page, a mail link or a
// local help file in its default application, and starting another program.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace qelvo::ui {

struct DesktopServices {
    std::function<bool(const QUrl&)> openUrl;
    std::function<bool(const QString& program)> startProgram;
};

// The services in use; tests replace them to observe what would have been opened.
DesktopServices& desktop();

// The real desktop (QDesktopServices, QProcess::startDetached).
DesktopServices realDesktop();

}  // namespace qelvo::ui
