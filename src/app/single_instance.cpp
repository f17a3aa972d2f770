#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace qelvo::ui {

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) { lock_.setStaleLockTime(0); }

bool SingleInstance::acquire() { return lock_.tryLock(0); }

QString SingleInstance::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("qelvo.lock"));
}

}  // namespace qelvo::ui
