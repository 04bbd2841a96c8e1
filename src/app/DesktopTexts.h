// The few notices of desktop integration that the language files do not carry yet, in the
// operator's language (chosen by the active language file), English otherwise.
#pragma once

#include <QString>

enum class DesktopText {
    NoSoundSettings,   // no sound settings program is installed
    NoDisplaySettings, // no display settings program is installed
    NoWebSite,         // this build knows no web site
};

QString Testo(DesktopText which);
