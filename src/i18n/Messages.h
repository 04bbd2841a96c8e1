// The texts the program shows that the language table has no entry for (failed opens and
// saves, the audio device's errors, the start-up's errors, the Cancel buttons, the show check
// and the pack), in each of the languages the program ships. The language follows the active
// language file; a language file of the operator's own gets the English texts.
#pragma once

#include "platform/PlatformTexts.h"

#include <QString>

enum class Msg {
    Cancel,            // caption of a dialog's Cancel button
    General,           // the add-command window's first column
    ScriptNotOpened,   // %1 script, %2 reason
    FileNotOpened,     // %1 file, %2 reason (Open)
    FileNotSaved,      // %1 file, %2 reason (Save)
    LanguageRefused,   // %1 chosen file, %2 language folder
    LanguageNotUsable, // %1 chosen file, %2 line number
    NoSoundSettings,   // no sound settings program to open
    NoDisplaySettings, // no display settings program to open
    NoWebSite,         // this build has no web site to open
    NoHelpViewer,      // %1 the help page: no browser to show it
    MenuAudio,         // the titles of the players' menus
    MenuVideo,
    RecoveryOffer,    // %1 script (a name or RecoveryUntitled), %2 time of the copy
    RecoveryUntitled, // the script in RecoveryOffer when it never had a file
    RecoveryNewer,    // %1 file name, %2 time the file changed
    RecoveryReplaces, // %1 script opened from the command line
    RecoveryOpen,     // the offer's three buttons
    RecoveryKeep,
    RecoveryDiscard,
    RecoveryDamaged,    // %1 recovery copy, %2 reason, %3 where it is kept
    RecoveryIncomplete, // reason: the copy is cut short or damaged
    ShowModeMenu,       // the Options entry of show mode
    ShowModeTitle,      // the mark of show mode in the title and over the toolbar
    ShowStandby,        // %1 the standby cue's text
    ShowNoStandby,      // no cue after the caret
    ShowKeys,           // the keys of show mode, on its mark
    RemoteMenu,         // the Options entry of the remote control
    RemoteTitle,        // its window
    RemoteOn,
    RemotePort,
    RemoteLocal,
    RemoteAll,
    RemoteFailed,     // %1 port, %2 reason
    ShowCueFailed,    // %1 the text of a cue that names neither a command nor a file
    ExitStopShow,     // Escape while something plays or the projector shows
    SettingsDamaged,  // %1 settings file, %2 where it is kept
    LanguageFallback, // %1 language file, %2 the language file used instead
    LockFile,         // %1 lock file (after the "already running" text)
    LockHeldBy,       // %1 lock file, %2 process number, %3 process name
    // The show check and the pack.
    CheckKindCommand,
    CheckKindAudio,
    CheckKindVideo,
    CheckKindMidi,
    CheckKindPicture,
    CheckKindUnknown,
    CheckMissing,
    CheckCaseOnly, // %1 the file found
    CheckOutside,
    CheckEmpty,
    CheckNoDecoder, // %1 what is missing
    CheckDamaged,   // %1 the reason
    CheckNoSound,
    CheckNoPicture,
    CheckUnknownCommand,
    CheckNotANumber, // %1 the text, %2 the number it acts as
    CheckNoNumber,
    CheckNumberAbove, // %1 the number, %2 the largest
    CheckNumberBelow, // %1 the number
    CheckLength,      // %1 m:ss.t
    CheckSound,       // %1 channels, %2 rate
    CheckPicture,     // %1 width, %2 height
    CheckFrameRate,   // %1 frames a second
    CheckLine,        // %1 line number
    CheckSummary,     // %1 cues, %2 with problems
    CheckAllGood,     // %1 cues
    CheckCancelled,
    CheckScriptDamaged, // %1 the reason
    CheckCutShort,
    CheckNotText,
    CheckMenu,
    PackMenu,
    CheckWindowTitle,
    CheckColumnLine,
    CheckColumnCue,
    CheckColumnKind,
    CheckColumnFile,
    CheckColumnDetails,
    CheckProgress, // %1 done, %2 of
    CheckCheckAgain,
    CheckClose,
    PackChoose,
    PackSaveFirst,
    PackNotEmpty, // %1 folder
    PackFailed,   // %1 file, %2 reason, %3 folder
    PackDone,     // %1 folder, %2 number of media files
    PackMissing,  // %1 the cues, one a line
    PackDamaged,  // %1 script, %2 the reason
    CheckUsage,
    // The protection from a double GO and MIDI control.
    GoProtectionMenu,  // the Options entry
    GoProtectionTitle, // its window
    GoProtectionLabel,
    GoProtectionOff, // the spin box at 0
    MidiMenu,        // the Options entry of MIDI control
    MidiTitle,       // its window
    MidiOn,
    MidiPort,
    MidiAllPorts,
    MidiChannel,
    MidiAnyChannel,
    MidiDeviceId,
    MidiLearn,
    MidiLearnWaiting, // on a learn button while it waits for the device
    MidiNotSet,
    MidiActionGo,
    MidiActionBack,
    MidiActionPanic,
    MidiActionShowMode,
    MidiActionCue, // run cue N: the learned message is the first cue, the next numbers the next
    MidiConnected, // the mark on the show bar
    MidiDisconnected,
    // The remote page and its window.
    WebMenu,  // the Options entry of the remote page
    WebTitle, // its window
    WebOn,
    WebPort,
    WebCode, // the pass code, on the page and in the window
    WebRenew,
    WebAddress, // the page's address with its code
    WebGo,      // the page's buttons and labels
    WebBack,
    WebPanic,
    WebShowMode,
    WebStandby,
    WebLast,
    WebVolume,
    WebOffline,
    WebWrongCode,
    WebEnter,
    WebPlaying,
    WebPaused,
    WebStopped,
    WebLanguage, // the page's language code
    WebFailed,   // %1 port, %2 reason
    Count
};

// The message in the active language (NomeLingua).
QString MessageText(Msg id);
// A text of the stand-ins (the audio device's errors, why a file could not be read) in the
// active language.
QString MessageText(PlatformText id);

// The languages the messages are written in, in the order of the table; Qt's own texts use
// the same choice (QtLanguageCode).
enum class MessageLanguage { Italiano, English, Francais, Deutsch, Russian, Bulgarian, Brazilian };
// The language of a language file name ("Deutsch.lng"); English for one the program does not
// know.
MessageLanguage LanguageOfFile(const QString& fileName);
// The locale name of Qt's translations for a language ("it", "pt_BR").
QString QtLanguageCode(MessageLanguage language);

// Qt's own texts (message box buttons, file, colour and printer dialogs) in the language of
// the active language file.
void UseQtTextsOfLanguage();
