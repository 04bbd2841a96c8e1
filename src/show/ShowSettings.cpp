#include "show/ShowSettings.h"

#include "app/Settings.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const char* const kShowMode = "show/mode";
const char* const kRemoteOn = "remote/on";
const char* const kPort = "remote/port";
const char* const kAllInterfaces = "remote/allInterfaces";
const char* const kGoProtection = "show/goProtectionMs";
} // namespace

QString ShowSettingsPath() {
    return QFileInfo(SettingsPath()).absolutePath() + QStringLiteral("/ShowControl.ini");
}

void ShowSettings::Read(const QString& path) {
    const QSettings file(path, QSettings::IniFormat);
    showMode = file.value(QLatin1String(kShowMode), showMode).toBool();
    remoteOn = file.value(QLatin1String(kRemoteOn), remoteOn).toBool();
    bool ok = false;
    const int p = file.value(QLatin1String(kPort)).toInt(&ok);
    if (ok && p > 0 && p < 65536) port = p;
    allInterfaces = file.value(QLatin1String(kAllInterfaces), allInterfaces).toBool();
    const int guard = file.value(QLatin1String(kGoProtection)).toInt(&ok);
    if (ok && guard >= 0 && guard <= kMaxGoProtectionMs) goProtectionMs = guard;
}

bool ShowSettings::Write(const QString& path) const {
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QLatin1String(kShowMode), showMode);
    file.setValue(QLatin1String(kRemoteOn), remoteOn);
    file.setValue(QLatin1String(kPort), port);
    file.setValue(QLatin1String(kAllInterfaces), allInterfaces);
    file.setValue(QLatin1String(kGoProtection), goProtectionMs);
    file.sync();
    return file.status() == QSettings::NoError;
}
