#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <unistd.h>

SingleInstance::SingleInstance(const QString& name) {
    // The runtime folder is per user; the temporary folder is shared, hence the user number.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(folder +
                                        QStringLiteral("/%1-%2.lock").arg(name).arg(::getuid()));
    // Only a lock whose process has ended (a copy that crashed) is taken over, however long
    // the running copy has held it.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
    return lock_->tryLock(0);
}
