// The words the stand-ins say to the operator (the audio device's errors, a medium that
// cannot play, the background strip's tooltips, why a file could not be read or written).
// The language table lives above this layer: it installs the lookup, and the stand-ins only
// name the text they need.
#pragma once

#include <QString>

enum class PlatformText {
    MediumCannotPlay,
    BackgroundOpen, // tooltips and dialog of the background audio strip
    BackgroundPlay,
    BackgroundStop,
    BackgroundTitle,
    AudioFiles,
    AllFiles,
    MciDone, // the audio device's error texts
    MciUnrecognized,
    MciNotOpen,
    MciMissingParameter,
    MciFileNotFound,
    MciOutOfRange,
    MciDuplicateAlias,
    MciCannotPlay,
    MciDeviceFailed,
    MciSoundServerGone,
    MciStreamBroken,
    MciOther,          // %1 code
    IsFolder,          // %1 path
    NotFound,          // reason: the file does not exist
    NoReadPermission,  // reason
    NoWritePermission, // reason
    NotReadable,       // reason: any other failure to read
    NotWritable,       // reason: any other failure to write
    Count
};

using PlatformTextLookup = QString (*)(PlatformText);

// Installs the lookup of the texts in the operator's language.
void SetPlatformTexts(PlatformTextLookup lookup);
// The text in the operator's language; empty until a lookup is installed.
QString PlatformTextOf(PlatformText id);

// Why the file at path could not be read, or written, in the operator's language (the
// system's own texts are in the system's).
QString ReadFailure(const QString& path);
QString WriteFailure(const QString& path);
