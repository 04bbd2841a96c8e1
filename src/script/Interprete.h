// The command interpreter: recognises a cue's command word, writes it back in its canonical
// form coloured blue and, when asked to execute, drives the same controls the operator's
// buttons drive.
#pragma once

#include "platform/VbColor.h"

#include <QString>
#include <functional>
#include <span>

class AudioPlayer;
class BackgroundAudio;
class MediaPlayerControl;
class ScriptDocument;
class ShowState;
class Transport;
class VideoPlayer;
class VolumeFades;

// A command word: the spellings a cue may use, lower case (the second may be absent), and the
// form the cue is rewritten to.
struct CommandWord {
    const char* spellings[2];
    const char* canonical;
};
// A command that takes a number after its word, and the range the interpreter holds it to.
struct NumberCommandWord {
    const char* prefix; // lower case
    const char* canonical;
    double low;
    double high; // kNoUpperBound: none
};
inline constexpr double kNoUpperBound = 1e300;

// Every command word the interpreter knows, in the order it tries them.
std::span<const CommandWord* const> CommandWords();
// The commands that take a number, in the order the interpreter tries them: "vol" before the
// rest, so a name starting with "vol" is always a volume; "bg vol" only after "bg ".
std::span<const NumberCommandWord* const> NumberCommandWords();

// Command cues stand in the script in this blue.
inline constexpr long kCueBlue = RGB(0, 0, 255);

// What the commands act on: the show state, the script they are written in, the players and
// the master volume, and the two outputs the window keeps (the knob and the picture).
struct InterpreteParts {
    ShowState& state;
    ScriptDocument& script;
    Transport& audioTransport;
    Transport& videoTransport;
    VolumeFades& fades;
    AudioPlayer& audio;
    VideoPlayer& video;
    MediaPlayerControl& backgroundPlayer;
    BackgroundAudio& background;
    // Sets the master volume to a percentage (0-100).
    std::function<void(double percent)> setVolume;
    // Shows or hides the picture of the last picture cue.
    std::function<void(bool shown)> showPicture;
};

class Interprete {
public:
    explicit Interprete(InterpreteParts parts) : p_(std::move(parts)) {}

    // text: the trimmed cue text (rewritten in place to the canonical form on a match);
    // start: 1-based position of the first character after "[["; end: 1-based position of
    // the first "]" of the closing delimiter (from a click) or of the "]" just typed;
    // execute: true from a click, false from the closing keystroke.
    void InterpretaComando(QString& text, int& start, int& end, bool execute);
    // True when the last InterpretaComando ran a command.
    bool Executed() const { return executed_; }

private:
    InterpreteParts p_;
    bool executed_ = false;
};

// A number as plain decimal text ("12.5", "-3", "0").
QString DecimalText(double value);
