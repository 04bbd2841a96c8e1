#include "registry/FileAssociation.h"

#include "app/Paths.h"
#include "platform/DesktopShell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStringList>

Q_LOGGING_CATEGORY(lcAssociation, "scenolux.association")

namespace {

// The database tools run once after a change; they take well under a second.
constexpr int kToolTimeoutMs = 20000;

QString folderFromEnvironment(const char* variable, const QString& fallback) {
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QDir::homePath() + fallback;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes bytes to path unless it already holds exactly them; true when written.
bool writeIfDifferent(const QString& path, const QByteArray& bytes) {
    if (QFileInfo::exists(path) && readAll(path) == bytes) return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qCWarning(lcAssociation) << "cannot write" << path << file.errorString();
        return false;
    }
    return true;
}

// The type and the desktop entry as the package installs them (one copy of each, built into
// the program), so a build or portable copy registers exactly what an installed one has.
QByteArray mimePackage() {
    return readAll(QStringLiteral(":/desktop/scenolux.xml"));
}

// The installed entry starts "scenolux" from the PATH and takes the theme's icon; this copy's
// entry starts this program file and shows the icon beside it.
QByteArray desktopEntry(const QString& program) {
    QStringList lines =
        QString::fromUtf8(readAll(QStringLiteral(":/desktop/scenolux.desktop"))).split(u'\n');
    const QString icon = ProgramFolder() + QStringLiteral("/scenolux.svg");
    for (QString& line : lines) {
        if (line.startsWith(QStringLiteral("Exec=")))
            line = QStringLiteral("Exec=") + DesktopExecLine(program);
        else if (line.startsWith(QStringLiteral("Icon=")))
            line = QFileInfo::exists(icon) ? QStringLiteral("Icon=") + icon : QString();
    }
    lines.removeAll(QString());
    return (lines.join(u'\n') + u'\n').toUtf8();
}

// mimeapps.list with our entry as the type's default; every other line kept as it was.
QByteArray withDefault(const QByteArray& existing) {
    const QString key = QLatin1String(kScriptMimeType) + u'=';
    const QString wanted = key + QLatin1String(kDesktopEntryName) + u';';
    const QString section = QStringLiteral("[Default Applications]");
    QStringList lines = QString::fromUtf8(existing).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    qsizetype start = -1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].trimmed() == section) start = i;
    if (start < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines << QString();
        lines << section << wanted;
    } else {
        qsizetype end = start + 1;
        while (end < lines.size() && !lines[end].trimmed().startsWith(u'['))
            ++end;
        qsizetype found = -1;
        for (qsizetype i = start + 1; i < end; ++i)
            if (lines[i].trimmed().startsWith(key)) found = i;
        if (found >= 0)
            lines[found] = wanted;
        else
            lines.insert(start + 1, wanted);
    }
    return (lines.join(u'\n') + u'\n').toUtf8();
}

void refresh(const QString& tool, const QString& folder) {
    DesktopShell& shell = desktopShell();
    const QString path = shell.Find(tool);
    if (path.isEmpty()) return; // the desktop reads the files themselves without the cache
    if (!shell.Run(path, {folder}, kToolTimeoutMs))
        qCWarning(lcAssociation) << tool << "failed on" << folder;
}

} // namespace

QString UserDataFolder() {
    return folderFromEnvironment("XDG_DATA_HOME", QStringLiteral("/.local/share"));
}

QString UserConfigFolder() {
    return folderFromEnvironment("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

QString DesktopExecLine(const QString& program) {
    // Inside a quoted argument these four characters take a backslash; then the whole value
    // is a desktop-entry string, where a backslash is written twice; a literal percent sign
    // is doubled so it is not taken for a field code.
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return u'"' + quoted + QStringLiteral("\" %f");
}

bool RegistraTipoFile() {
    // The package registered the type for every user; an entry of the user's own would
    // shadow it and outlive the package's removal.
    if (InstalledCopy()) return false;
    const QString data = UserDataFolder();
    const QString mimeFolder = data + QStringLiteral("/mime");
    const QString applications = data + QStringLiteral("/applications");
    const QString program = ProgramFile();
    const QString mimeApps = UserConfigFolder() + QStringLiteral("/mimeapps.list");

    const bool typeWritten =
        writeIfDifferent(mimeFolder + QStringLiteral("/packages/scenolux.xml"), mimePackage());
    const bool entryWritten = writeIfDifferent(
        applications + u'/' + QLatin1String(kDesktopEntryName), desktopEntry(program));
    const bool defaultWritten = writeIfDifferent(mimeApps, withDefault(readAll(mimeApps)));

    // The database is also built when an earlier start found no tool to build it.
    const bool typeKnown =
        QFileInfo::exists(mimeFolder + u'/' + QLatin1String(kScriptMimeType) + ".xml");
    if (typeWritten || !typeKnown) refresh(QStringLiteral("update-mime-database"), mimeFolder);
    if (entryWritten) refresh(QStringLiteral("update-desktop-database"), applications);
    return typeWritten || entryWritten || defaultWritten;
}
