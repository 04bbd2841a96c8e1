#include "show/ShowSettings.h"

#include "app/Settings.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>

namespace {
const char* const kShowMode = "show/mode";
const char* const kRemoteOn = "remote/on";
const char* const kPort = "remote/port";
const char* const kAllInterfaces = "remote/allInterfaces";
const char* const kWebOn = "web/on";
const char* const kWebPort = "web/port";
const char* const kWebAllInterfaces = "web/allInterfaces";
const char* const kWebCode = "web/code";
} // namespace

QString ShowSettingsPath() {
    return QFileInfo(SettingsPath()).absolutePath() + QStringLiteral("/ShowControl.ini");
}

QString NewPassCode() {
    // The system's generator: the code is all that stands between the booth network and GO.
    return QString::number(QRandomGenerator::system()->bounded(10000000, 100000000));
}

void ShowSettings::Read(const QString& path) {
    const QSettings file(path, QSettings::IniFormat);
    showMode = file.value(QLatin1String(kShowMode), showMode).toBool();
    remoteOn = file.value(QLatin1String(kRemoteOn), remoteOn).toBool();
    bool ok = false;
    const int p = file.value(QLatin1String(kPort)).toInt(&ok);
    if (ok && p > 0 && p < 65536) port = p;
    allInterfaces = file.value(QLatin1String(kAllInterfaces), allInterfaces).toBool();
    webOn = file.value(QLatin1String(kWebOn), webOn).toBool();
    const int w = file.value(QLatin1String(kWebPort)).toInt(&ok);
    if (ok && w > 0 && w < 65536) webPort = w;
    webAllInterfaces = file.value(QLatin1String(kWebAllInterfaces), webAllInterfaces).toBool();
    webCode = file.value(QLatin1String(kWebCode), webCode).toString();
}

bool ShowSettings::Write(const QString& path) const {
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QLatin1String(kShowMode), showMode);
    file.setValue(QLatin1String(kRemoteOn), remoteOn);
    file.setValue(QLatin1String(kPort), port);
    file.setValue(QLatin1String(kAllInterfaces), allInterfaces);
    file.setValue(QLatin1String(kWebOn), webOn);
    file.setValue(QLatin1String(kWebPort), webPort);
    file.setValue(QLatin1String(kWebAllInterfaces), webAllInterfaces);
    file.setValue(QLatin1String(kWebCode), webCode);
    file.sync();
    return file.status() == QSettings::NoError;
}
