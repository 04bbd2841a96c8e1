// The settings file "Scenolux.ini": eight lines, each a value, ended by CR LF.
//   1 language file name   2 volume level (the knob's tag)   3 knob top in twips
//   4 screen saver held off ("1"/"0")   5 "0"   6 "1"   7 last folder   8 "0" when the
//   main window was shown at the time of writing, else "1"
#pragma once

#include <QString>
#include <array>

struct Impostazioni {
    std::array<QString, 8> line; // line[0] is line 1

    // Reads the file; missing lines read as empty. False when there is no file to read. A
    // damaged file (SettingsDamaged) reads as all lines empty.
    bool Read(const QString& path);
    // Writes the eight lines whole; the old file stays until the new one is complete.
    bool Write(const QString& path) const;
};

// Where the settings live: in the program folder, or, when that folder cannot be written
// (an installed copy), in the user's configuration folder.
QString SettingsPath();
// True when a file exists at path but is no settings file: it cannot be opened, or it holds
// bytes that no text file has (control characters, as random bytes do).
bool SettingsDamaged(const QString& path);
// Moves a damaged settings file aside, to the same name with ".damaged" added (replacing an
// older one), so that the program starts on its defaults and writes a sound file at exit.
// Returns where the file is now: path itself when it could not be moved.
QString SetSettingsAside(const QString& path);

// Where they are read from: the file of SettingsPath() when it exists, else the default file
// laid beside the program.
QString SettingsReadPath();
