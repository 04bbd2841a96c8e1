// The texts of the show check and the pack, in each of the languages the program ships (the
// same choice of language as the other messages: the active language file's).
#pragma once

#include <QString>

enum class Ct {
    KindCommand,
    KindAudio,
    KindVideo,
    KindMidi,
    KindPicture,
    KindUnknown,
    Missing,
    CaseOnly, // %1 the file found
    Outside,
    Empty,
    NoDecoder, // %1 what is missing
    Damaged,   // %1 the reason
    NoSound,
    NoPicture,
    UnknownCommand,
    NotANumber,    // %1 the text, %2 the number it acts as
    NoNumber,      //
    NumberAbove,   // %1 the number, %2 the largest
    NumberBelow,   // %1 the number
    Length,        // %1 m:ss.t
    Sound,         // %1 channels, %2 rate
    Picture,       // %1 width, %2 height
    FrameRate,     // %1 frames a second
    Line,          // %1 line number
    Summary,       // %1 cues, %2 with problems
    AllGood,       // %1 cues
    Cancelled,     //
    ScriptDamaged, // %1 the reason
    CutShort,
    NotText,
    MenuCheck,
    MenuPack,
    WindowTitle,
    ColumnLine,
    ColumnCue,
    ColumnKind,
    ColumnFile,
    ColumnDetails,
    Progress, // %1 done, %2 of
    CheckAgain,
    Close,
    PackChoose,
    PackSaveFirst,
    PackNotEmpty, // %1 folder
    PackFailed,   // %1 file, %2 reason, %3 folder
    PackDone,     // %1 folder, %2 number of media files
    PackMissing,  // %1 the cues, one a line
    PackDamaged,  // %1 script, %2 the reason
    Usage,
    Count
};

QString ShowCheckText(Ct id);
