#include "app/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
QString& programFolderOverride() {
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolderFor(const QString& programDir) {
    // The language files decide: a program without them cannot start, whatever else is there.
    const auto holdsLanguages = [](const QString& folder) {
        return QFileInfo(folder + QStringLiteral("/Lang")).isDir();
    };
    if (holdsLanguages(programDir)) return programDir;
    // Set by the build: the data folder relative to the program's, so that a copy installed
    // under any prefix (or into a staging folder) finds its own.
    const QString installed =
        QDir::cleanPath(programDir + u'/' + QStringLiteral(SCENOLUX_DATA_FROM_BIN));
    return holdsLanguages(installed) ? installed : programDir;
}

QString ProgramFolder() {
    const QString& other = programFolderOverride();
    return other.isEmpty() ? ProgramFolderFor(QCoreApplication::applicationDirPath()) : other;
}

QString ProgramFile() {
    const QString& other = programFolderOverride();
    return other.isEmpty() ? QCoreApplication::applicationFilePath()
                           : other + QStringLiteral("/scenolux");
}

bool InstalledCopy() {
    return programFolderOverride().isEmpty() &&
           ProgramFolder() != QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString& folder) {
    programFolderOverride() = folder;
}

QString PictureFile(const QString& name) {
    return ProgramFolder() + QStringLiteral("/Files/") + name;
}

QString CommandLineText(int argc, char** argv) {
    QStringList parts;
    for (int i = 1; i < argc; ++i)
        parts << QString::fromLocal8Bit(argv[i]);
    return parts.join(u' ');
}
