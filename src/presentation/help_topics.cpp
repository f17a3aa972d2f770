#include "presentation/help_topics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "common/shipped_files.h"
#include "presentation/help_window.h"

namespace qelvo::ui {

QString helpDirectory()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    QStringList candidates;
    if (const QString env = qEnvironmentVariable("QELVO_HELP_DIR"); !env.isEmpty()) candidates << env;
    // Beside the program, else where an installation puts it.
    candidates << QString::fromStdString((shippedFolder(exeDir.toStdString(), "help") / "help").string());
#ifdef QELVO_SOURCE_HELP_DIR
    candidates << QStringLiteral(QELVO_SOURCE_HELP_DIR);
#endif
    for (const QString& dir : candidates)
        if (QFileInfo(dir).isDir()) return QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    return QDir(exeDir).filePath(QStringLiteral("help"));
}

QString locatorTopic(const QString& locator)
{
    const auto sep = locator.indexOf(QStringLiteral("::"));
    QString topic = sep >= 0 ? locator.mid(sep + 2) : locator;
    topic.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (topic.startsWith(QLatin1Char('/'))) topic.remove(0, 1);
    return topic;
}

QString calculatorTopic(const std::string& calculatorId)
{
    return QStringLiteral("calculators/%1.html").arg(QString::fromStdString(calculatorId));
}

QString helpFilePath(const QString& topicOrLocator)
{
    return QDir(helpDirectory()).filePath(locatorTopic(topicOrLocator));
}

void openHelpTopic(QWidget* parent, const QString& locator)
{
    showHelp(parent, locatorTopic(locator));
}

}  // namespace qelvo::ui
