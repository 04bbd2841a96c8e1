#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QString& name) {
    // The runtime folder is per user; the temporary folder is shared, hence the user number.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    path_ = folder + QStringLiteral("/%1-%2.lock").arg(name).arg(::getuid());
    lock_ = std::make_unique<QLockFile>(path_);
    // Only a lock whose process has ended (a copy that crashed) is taken over, however long
    // the running copy has held it.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

namespace {
// A running copy holds its lock file open under an exclusive lock from the moment it creates
// it, before it writes its process number: a file nobody holds is stale, whatever it holds.
bool heldOpen(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}
} // namespace

bool SingleInstance::Acquire() {
    if (lock_->tryLock(0)) return true;
    if (lock_->error() != QLockFile::LockFailedError || heldOpen(path_)) return false;
    qint64 pid = 0;
    QString host, program;
    // What names a process that runs is left to QLockFile's own judgement.
    if (lock_->getLockInfo(&pid, &host, &program)) return false;
    return lock_->removeStaleLockFile() && lock_->tryLock(0);
}

bool SingleInstance::Holder(qint64* pid, QString* program) const {
    QString host;
    return lock_->getLockInfo(pid, &host, program);
}
