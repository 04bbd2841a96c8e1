// Cue lookup: the script editor's handlers. A click inside [[...]] finds the cue around the
// caret and runs it; typing the second "]" of "]]" puts a command in its canonical form; the
// editor's keyboard shortcuts reach their commands.
#pragma once

#include <QString>
#include <functional>
#include <utility>

class AudioPlayer;
class EditCommands;
class Interprete;
class MediaRouting;
class Notices;
class ScriptDocument;
class ScriptSession;
class ShellCommands;
class ShowState;
class Transport;
class VideoPlayer;

// What a click in a cue and the editor's keys reach: the show's state, the script, the
// subsystems a cue or a key runs, and what the window shows for them.
struct CueLookupParts {
    ShowState& state;
    ScriptSession& session;
    ScriptDocument& script;
    Notices& notices;
    Transport& audioTransport;
    Transport& videoTransport;
    Interprete& interprete;
    MediaRouting& routing;
    AudioPlayer& audio;
    VideoPlayer& video;
    EditCommands& edit;
    ShellCommands& shell;
    // The window's part: the player's menu once a cue has loaded its medium, the play
    // button's look under the pointer, the toolbar's highlight put out, and the Edit menu
    // opened at a point of the editor (twips).
    std::function<void(bool audio)> showPlayerMenu;
    std::function<void()> playButtonHover;
    std::function<void()> clearHighlight;
    std::function<void(double x, double y)> showEditMenu;
};

class CueLookup {
public:
    explicit CueLookup(CueLookupParts parts) : p_(std::move(parts)) {}

    void RTB_Click();
    void RTB_DblClick();
    void RTB_KeyPress(int& keyAscii);
    void RTB_KeyDown(int& keyCode, int& shift);
    void RTB_KeyUp(int& keyCode, int& shift);
    void RTB_MouseDown(int button, int shift, double x, double y);
    void RTB_MouseMove(int button, int shift, double x, double y);
    // Runs a cue text as a click in a cue with that text would, without touching the script
    // (a cue from the remote control).
    void RunCue(const QString& text);

    // The file a cue's text names, found as a click finds it; empty when none exists.
    QString CueFile(const QString& text) const;

    // True for the keys whose commands the key handlers run; while the editor has the
    // focus they are its own, so a menu accelerator for the same key does not run it twice.
    bool HandlesKey(int keyCode, int shift) const;

    // The text of the cue last clicked, resolved to an existing file name when it names one
    // (the show state's).
    QString CueCorrente() const;
    void setCueCorrente(const QString& cue);

    // Told the text of a cue that names neither a command nor an existing file.
    std::function<void(const QString& cue)> onCueFailed;

    // True once the interpreter has run a command for the current click.
    bool ComandoEseguito = false;
    // True when the last click loaded an audio or video file.
    bool MediaDaCue = false;

    // The shortest cue, [[x]], has five characters.
    static constexpr int kShortestCue = 5;
    // The closing "]]" must start within this many characters after the caret.
    static constexpr int kForwardReach = 256;

private:
    // The click's end when the cue is no command: the media file it names, or the notice.
    void loadCueFile();
    // The command Ctrl + the key runs; empty when the key has none.
    std::function<void()> controlCommand(int keyCode) const;
    CueLookupParts p_;
};

// True when a normal (not hidden) file exists under the name, "\" or "/" separated.
bool FileExists(const QString& name);
// The Italian language file's own Ctrl keys: Ctrl+G bold and Ctrl+S underline, where the
// other languages have Ctrl+B and Ctrl+U (and Ctrl+S saves).
bool ItalianShortcuts();
// A cue's text with the blanks (spaces only) at both ends removed, as a click reads it.
QString TrimBlanks(const QString& text);

// The file a cue names, as an absolute path: the name under the script's own folder (when the
// script has a file), else the name itself (absolute, or relative to the current folder),
// else the name under the program folder; failing all, the same ignoring case. Empty when
// none exists. Folders may be written with "\" or "/".
QString ResolveCueFile(const QString& cue, const QString& scriptFolder = QString());
