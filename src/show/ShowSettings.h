// The show-control settings, in a small file of their own beside the settings file (whose
// eight lines stay as they are): show mode, the remote control's switch, port and reach, the
// protection from a double GO, MIDI control and the remote page's settings.
#pragma once

#include "show/MidiTrigger.h"

#include <QString>

struct ShowSettings {
    bool showMode = false;
    bool remoteOn = false;
    int port = 53100;
    bool allInterfaces = false; // false: only this machine
    int goProtectionMs = 250;   // the least time between two GOs; 0: off
    MidiSettings midi;

    // The remote page in a browser: off by default, its port, its reach and its pass code.
    bool webOn = false;
    int webPort = 53180;
    bool webAllInterfaces = false; // false: only this machine
    QString webCode;

    static constexpr int kDefaultPort = 53100;
    static constexpr int kMaxGoProtectionMs = 5000;
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
