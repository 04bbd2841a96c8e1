// One running copy per user: a lock file that the running copy holds until it ends.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

class SingleInstance {
public:
    // name: the lock's name, one per program.
    explicit SingleInstance(const QString& name);
    ~SingleInstance();
    // True when no other running copy holds the lock; this copy then holds it. A lock file
    // that no process holds open (one a crash or power cut left, empty or unreadable) is
    // stale and taken over.
    bool Acquire();
    // The lock file.
    QString LockPath() const { return path_; }
    // The process named in the lock file, when it names one.
    bool Holder(qint64* pid, QString* program) const;

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};
