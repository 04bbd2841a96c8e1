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

QByteArray mimePackage() {
    return QByteArrayLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"") +
           kScriptMimeType +
           QByteArrayLiteral("\">\n"
                             "    <comment>Scenolux script</comment>\n"
                             "    <comment xml:lang=\"it\">Copione di Scenolux</comment>\n"
                             "    <glob pattern=\"*.snx\" weight=\"80\"/>\n"
                             "  </mime-type>\n"
                             "</mime-info>\n");
}

QByteArray desktopEntry(const QString& program) {
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Scenolux\n"
                                        "Comment=Runs the sound, video and pictures of a show\n"
                                        "Comment[it]=Gestisce audio, video e immagini di uno "
                                        "spettacolo\n"
                                        "Exec=%1\n"
                                        "Terminal=false\n"
                                        "MimeType=%2;\n"
                                        "Categories=AudioVideo;\n")
                             .arg(DesktopExecLine(program), QLatin1String(kScriptMimeType));
    return text.toUtf8();
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
    const QString data = UserDataFolder();
    const QString mimeFolder = data + QStringLiteral("/mime");
    const QString applications = data + QStringLiteral("/applications");
    const QString program = ProgramFolder() + QStringLiteral("/scenolux");
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
