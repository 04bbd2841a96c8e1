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
const char* const kGoProtection = "show/goProtectionMs";
const char* const kMidiOn = "midi/on";
const char* const kMidiPort = "midi/port";
const char* const kMidiChannel = "midi/channel";
const char* const kMidiDeviceId = "midi/deviceId";
const char* const kMidiTriggers[kMidiActions] = {"midi/go", "midi/back", "midi/panic",
                                                 "midi/showMode", "midi/cue"};
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
    const int guard = file.value(QLatin1String(kGoProtection)).toInt(&ok);
    if (ok && guard >= 0 && guard <= kMaxGoProtectionMs) goProtectionMs = guard;
    midi.on = file.value(QLatin1String(kMidiOn), midi.on).toBool();
    midi.port = file.value(QLatin1String(kMidiPort), midi.port).toString();
    const int channel = file.value(QLatin1String(kMidiChannel)).toInt(&ok);
    if (ok && channel >= 0 && channel <= 16) midi.channel = channel;
    const int id = file.value(QLatin1String(kMidiDeviceId)).toInt(&ok);
    if (ok && id >= 0 && id <= 126) midi.deviceId = id;
    for (int i = 0; i < kMidiActions; ++i)
        midi.triggers[size_t(i)] =
            MidiTrigger::FromText(file.value(QLatin1String(kMidiTriggers[i])).toString());
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
    file.setValue(QLatin1String(kGoProtection), goProtectionMs);
    file.setValue(QLatin1String(kMidiOn), midi.on);
    file.setValue(QLatin1String(kMidiPort), midi.port);
    file.setValue(QLatin1String(kMidiChannel), midi.channel);
    file.setValue(QLatin1String(kMidiDeviceId), midi.deviceId);
    for (int i = 0; i < kMidiActions; ++i)
        file.setValue(QLatin1String(kMidiTriggers[i]), midi.triggers[size_t(i)].ToText());
    file.setValue(QLatin1String(kWebOn), webOn);
    file.setValue(QLatin1String(kWebPort), webPort);
    file.setValue(QLatin1String(kWebAllInterfaces), webAllInterfaces);
    file.setValue(QLatin1String(kWebCode), webCode);
    file.sync();
    return file.status() == QSettings::NoError;
}
