// Temporary data and configuration folders for the user, for tests that start the program
// as installed: the file association is written there, never into the real home.
#pragma once

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QList>
#include <QMap>
#include <QTemporaryDir>

// Temporary data and configuration folders for the user, put back afterwards. The generic
// desktop is forced so that xdg-mime reads the freedesktop files themselves.
struct TempXdg {
    TempXdg() {
        for (const char* name : kVariables)
            saved << qgetenv(name);
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path() + QStringLiteral("/data")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path() + QStringLiteral("/config")));
        qunsetenv("XDG_CURRENT_DESKTOP");
        qunsetenv("DESKTOP_SESSION");
        qunsetenv("KDE_FULL_SESSION");
        qunsetenv("GNOME_DESKTOP_SESSION_ID");
    }
    ~TempXdg() {
        for (int i = 0; i < kVariables.size(); ++i) {
            if (saved[i].isNull())
                qunsetenv(kVariables[i]);
            else
                qputenv(kVariables[i], saved[i]);
        }
    }
    // Every file under the two folders with its last change time.
    QMap<QString, QDateTime> files() const {
        QMap<QString, QDateTime> found;
        QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            found[path] = QFileInfo(path).lastModified();
        }
        return found;
    }
    static inline const QList<const char*> kVariables = {
        "XDG_DATA_HOME",   "XDG_CONFIG_HOME",  "XDG_CURRENT_DESKTOP",
        "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"};
    QList<QByteArray> saved;
    QTemporaryDir dir;
};
