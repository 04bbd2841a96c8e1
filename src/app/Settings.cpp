#include "app/Settings.h"

#include "app/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
const char* const kFileName = "Scenolux.ini";

bool holdsControlBytes(const QByteArray& data) {
    for (const char c : data) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\r' && b != '\n' && b != '\t') || b == 0x7F) return true;
    }
    return false;
}

QString programFile() {
    return ProgramFolder() + u'/' + QLatin1String(kFileName);
}
} // namespace

QString SettingsPath() {
    // An installed copy never writes among its own files, whoever runs it.
    if (!InstalledCopy() && QFileInfo(ProgramFolder()).isWritable()) return programFile();
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
    const QByteArray data = file.readAll();
    if (holdsControlBytes(data)) return true; // garbage is no setting: the defaults hold
    // A byte-order mark is no part of any value: one left inside a line would be written back
    // at the start of the file, where the next read drops it, and the settings would drift.
    const QStringList lines = QString::fromUtf8(data)
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

bool SettingsDamaged(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return false;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) return true;
    return holdsControlBytes(file.readAll());
}

QString SetSettingsAside(const QString& path) {
    const QString kept = path + QStringLiteral(".damaged");
    QFile::remove(kept);
    return QFile::rename(path, kept) ? kept : path;
}
