#include "app/qt_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace qelvo::ui {

QTranslator* installQtChinese()
{
    auto* app = QCoreApplication::instance();
    if (!app) return nullptr;
    const QStringList folders = {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    auto* translator = new QTranslator(app);
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qtbase_zh_CN"), folder) && QCoreApplication::installTranslator(translator))
            return translator;
    }
    delete translator;
    return nullptr;
}

}  // namespace qelvo::ui
