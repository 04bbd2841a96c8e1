// The main window's life: loading in its fixed order, the settings file, and the exit
// sequence with its question about unsaved changes.
#pragma once

#include <QString>
#include <functional>
#include <utility>

class AudioPlayer;
class ControlPanel;
class EditCommands;
class MasterVolume;
class MediaPlayerControl;
class Recovery;
class ScriptDocument;
class ScriptSession;
class ShellCommands;
class Transport;
class VolumeFades;

// What the window's life goes through: the script, the players and their transports, the
// master volume and its fades (the settings keep its place on the knob's travel), the edit and
// file commands, the control panel's option, the crash copy, and the window's own part.
struct LifecycleParts {
    ScriptSession& session;
    ScriptDocument& script;
    Transport& audioTransport;
    Transport& videoTransport;
    VolumeFades& volume;
    MasterVolume& masterVolume;
    AudioPlayer& audio;
    MediaPlayerControl& videoOutput; // the video player on the main window
    Transport& backgroundTransport;
    Transport& projectorTransport;
    EditCommands& edit;
    ShellCommands& shell;
    ControlPanel& controlPanel;
    Recovery& recovery;
    // The window's part: the knob and the toolbar laid out, the captions in the language
    // loaded, the script of the command line opened, whether the window is on screen, its
    // closing, and whether a window on the second monitor shows (the projector's or the
    // picture's).
    std::function<void()> layOut;
    std::function<void()> translate;
    std::function<void(const QString& commandLine)> openScript;
    std::function<bool()> windowVisible;
    std::function<void()> closeWindow;
    std::function<bool()> secondMonitorShowing;
};

class Lifecycle {
public:
    explicit Lifecycle(LifecycleParts parts) : p_(std::move(parts)) {}

    // Loads the main window: every subsystem in order, the settings, the language, and the
    // script named on the command line.
    void Form_Load(const QString& commandLine);
    // The exit sequence. Sets cancel when the operator keeps the window open.
    void Form_Unload(bool& cancel);
    // Writes the settings file.
    void SalvaImpostazioni();
    // File > Exit and Escape: the exit sequence, then the window closes unless cancelled.
    void mnuEsci_Click();
    // Escape outside show mode: while the show runs (a player playing or paused, the
    // projector or the picture on the second monitor showing) it first asks, No the default.
    void EscapeKey();
    // True while a player plays or is paused, or the second monitor shows something.
    bool ShowRunning() const;

    // False until the exit question has been passed.
    bool UscitaInCorso = false;

private:
    void applyKnobSettings(const QString& level, const QString& top);
    void applyVolumeSetting(const QString& level);
    LifecycleParts p_;
};
