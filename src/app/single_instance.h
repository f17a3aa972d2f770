// Only one Qelvo runs per user: a lock file held for the life of the process. A lock left
// by a crashed process is stale and taken over.
#pragma once

#include <QLockFile>
#include <QString>

namespace qelvo::ui {

inline const QString kAlreadyRunning = QStringLiteral("该程序你已经运行，请注意查看任务栏等！");

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());

    // True when this process is the only instance (and now holds the lock).
    bool acquire();

    static QString defaultLockPath();

private:
    QLockFile lock_;
};

}  // namespace qelvo::ui
