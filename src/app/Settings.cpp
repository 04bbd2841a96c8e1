#include "app/Settings.h"

#include "app/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
const char* const kFileName = "Scenolux.ini";

QString programFile() {
    return ProgramFolder() + u'/' + QLatin1String(kFileName);
}
} // namespace

QString SettingsPath() {
    if (QFileInfo(ProgramFolder()).isWritable()) return programFile();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return folder + u'/' + QLatin1String(kFileName);
}

QString SettingsReadPath() {
    const QString path = SettingsPath();
    return QFileInfo::exists(path) ? path : programFile();
}

bool Impostazioni::Read(const QString& path) {
    line.fill(QString());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // A byte-order mark is no part of any value: one left inside a line would be written back
    // at the start of the file, where the next read drops it, and the settings would drift.
    const QStringList lines = QString::fromUtf8(file.readAll())
                                  .remove(u'\r')
                                  .remove(QChar(0xFEFF))
                                  .split(u'\n', Qt::KeepEmptyParts);
    for (qsizetype i = 0; i < qsizetype(line.size()) && i < lines.size(); ++i)
        line[size_t(i)] = lines[i];
    return true;
}

bool Impostazioni::Write(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QByteArray data;
    for (const QString& value : line)
        data += value.toUtf8() + "\r\n";
    return file.write(data) == data.size() && file.commit();
}
