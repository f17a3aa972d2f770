#include "presentation/help_topics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "common/shipped_files.h"
#include "presentation/desktop.h"
#include "presentation/messages.h"

namespace qelvo::ui {

QString helpFilePath(const QString& locator)
{
    const auto sep = locator.indexOf(QStringLiteral("::"));
    QString topic = sep >= 0 ? locator.mid(sep + 2) : locator;
    topic.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (topic.startsWith(QLatin1Char('/'))) topic.remove(0, 1);
    const std::string folder = shippedFolder(QCoreApplication::applicationDirPath().toStdString(), "help").string();
    return QDir(QString::fromStdString(folder)).filePath(QStringLiteral("help/") + topic);
}

void openHelpTopic(QWidget* parent, const QString& locator)
{
    const QString path = helpFilePath(locator);
    if (!QFileInfo::exists(path)) {
        showMessage(parent, QStringLiteral("找不到参考资料文件：%1").arg(QDir::toNativeSeparators(path)));
        return;
    }
    desktop().openUrl(QUrl::fromLocalFile(path));
}

}  // namespace qelvo::ui
