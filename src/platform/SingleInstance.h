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
    // True when no other running copy holds the lock; this copy then holds it.
    bool Acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};
