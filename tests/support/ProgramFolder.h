// A temporary program folder for tests of start-up, settings and languages: it holds copies
// of the real language files and whatever settings file the test writes.
#pragma once

#include "app/Paths.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

struct TempProgramFolder {
    TempProgramFolder() {
        const QString real = QCoreApplication::applicationDirPath();
        QDir().mkpath(dir.path() + QStringLiteral("/Lang"));
        QDir().mkpath(dir.path() + QStringLiteral("/Files"));
        for (const QString& name : QDir(real + QStringLiteral("/Lang")).entryList(QDir::Files))
            QFile::copy(real + QStringLiteral("/Lang/") + name,
                        dir.path() + QStringLiteral("/Lang/") + name);
        SetProgramFolder(dir.path());
    }
    ~TempProgramFolder() { SetProgramFolder(QString()); }

    QString path(const QString& name) const { return dir.path() + u'/' + name; }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};
