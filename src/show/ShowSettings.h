// The show-control settings, in a small file of their own beside the settings file (whose
// eight lines stay as they are): show mode, the remote control's switch, port and reach, and
// the remote page's.
#pragma once

#include <QString>

struct ShowSettings {
    bool showMode = false;
    bool remoteOn = false;
    int port = 53100;
    bool allInterfaces = false; // false: only this machine

    // The remote page in a browser: off by default, its port, its reach and its pass code.
    bool webOn = false;
    int webPort = 53180;
    bool webAllInterfaces = false; // false: only this machine
    QString webCode;

    static constexpr int kDefaultPort = 53100;
    static constexpr int kDefaultWebPort = 53180;

    // Missing or unreadable values keep their defaults.
    void Read(const QString& path);
    // False when the file could not be written.
    bool Write(const QString& path) const;
};

// A new pass code for the remote page: eight digits, easy to type on a phone.
QString NewPassCode();

// "ShowControl.ini" in the folder of the settings file.
QString ShowSettingsPath();
