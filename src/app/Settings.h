// The settings file "Scenolux.ini": eight lines, each a value, ended by CR LF.
//   1 language file name   2 volume level (the knob's tag)   3 knob top in twips
//   4 screen saver held off ("1"/"0")   5 "0"   6 "1"   7 last folder   8 "0" when the
//   main window was shown at the time of writing, else "1"
#pragma once

#include <QString>
#include <array>

struct Impostazioni {
    std::array<QString, 8> line; // line[0] is line 1

    // Reads the file; missing lines read as empty. False when there is no file to read.
    bool Read(const QString& path);
    // Writes the eight lines whole; the old file stays until the new one is complete.
    bool Write(const QString& path) const;
};

// Where the settings live: in the program folder, or, when that folder cannot be written
// (an installed copy), in the user's configuration folder.
QString SettingsPath();
// Where they are read from: the file of SettingsPath() when it exists, else the default file
// laid beside the program.
QString SettingsReadPath();
