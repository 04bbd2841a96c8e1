// The command-string audio device: "open", "play", "stop", "seek", "status" ... sent as
// text, answered by a code (0 when the command took effect) and, for "status", a text.
//
// Commands are synchronous: when mciSendString returns, the command has taken effect ("open"
// has loaded the file or failed; a position asked right after "play ... from N" is N or
// later; at the end of a file the position equals the length). No Qt event loop runs inside a
// command. Positions and lengths are milliseconds.
//
// A device whose stream failed (the sound server went away, the file broke off) stands still
// where it was: "status … mode" answers "not ready" and "status … position" the place it
// stopped at. The next "play" tries again from there and answers why when it cannot.
//
// Beyond the original device's commands, "rename ALIAS to NEW" gives an opened file another
// alias (a file opened ahead takes the place of the one that played).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace mcierr {
constexpr long UnrecognizedCommand = 261;
constexpr long NotOpen = 263;
constexpr long MissingParameter = 274;
constexpr long FileNotFound = 275;
constexpr long OutOfRange = 282;
constexpr long DuplicateAlias = 289;
constexpr long CannotPlay = 296;
constexpr long DeviceFailed = 297;
// Our own: the sound server went away under a playing file, or none answers.
constexpr long SoundServerGone = 298;
// Our own: the stream broke off in the middle of the file (damaged, or replaced while playing).
constexpr long StreamBroken = 299;
} // namespace mcierr

class MciDevice {
public:
    virtual ~MciDevice();
    // Runs one command; returnText (may be null) receives a status answer.
    virtual long mciSendString(const QString& command, QString* returnText = nullptr) = 0;
    // A short text, in our own words and the operator's language, for an error code.
    QString mciGetErrorString(long code) const;
};

// A file name as one word of a command: in double quotes, a double quote inside it doubled.
QString MciQuoted(const QString& name);

// The words of a command: blanks separate them; a double-quoted part is one word, two double
// quotes in it stand for one. (Every device, and the test device, reads commands the same way.)
QStringList MciWords(const QString& command);

// A number of milliseconds in a command ("play wav1 from 1500"): nullopt for a text that is
// no finite number; huge values are held at about three centuries, so that they stay out of
// range of any file without overflowing anything.
std::optional<qint64> MciMilliseconds(const QString& text);

// The audio device the program uses: GStreamer, unless a test installed another.
MciDevice& mci();
// Installs another device (tests); nullptr restores the real one. The caller keeps ownership.
void SetMci(MciDevice* device);
