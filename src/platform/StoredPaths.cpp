#include "platform/StoredPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

QString NativePath(const QString& storedPath) {
    QString path = storedPath;
    path.replace(u'\\', u'/');
    return path;
}

QString FindIgnoringCase(const QString& path) {
    const QString native = NativePath(path);
    if (native.isEmpty()) return QString();
    QString found = native.startsWith(u'/') ? QStringLiteral("/") : QString();
    const QStringList parts = native.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        const QString& part = parts[i];
        const QDir folder(found.isEmpty() ? QStringLiteral(".") : found);
        QString chosen;
        if (part == QLatin1String(".") || part == QLatin1String("..") || folder.exists(part)) {
            chosen = part;
        } else {
            QStringList matches;
            const QDir::Filters kind = last ? QDir::Files : QDir::Dirs;
            for (const QString& entry : folder.entryList(kind | QDir::NoDotAndDotDot))
                if (entry.compare(part, Qt::CaseInsensitive) == 0) matches << entry;
            if (matches.isEmpty()) return QString();
            std::sort(matches.begin(), matches.end());
            chosen = matches.first();
        }
        found +=
            (found.isEmpty() || found.endsWith(u'/') ? QString() : QStringLiteral("/")) + chosen;
    }
    const QFileInfo file(found);
    return file.isFile() && !file.isHidden() ? found : QString();
}
