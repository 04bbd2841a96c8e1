#include "app/Paths.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
QString& programFolderOverride() {
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder() {
    const QString& other = programFolderOverride();
    return other.isEmpty() ? QCoreApplication::applicationDirPath() : other;
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
