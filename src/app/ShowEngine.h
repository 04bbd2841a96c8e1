// The show and what runs it: the state, the players and their timers, and every subsystem,
// without a window. main builds it before the window; the window attaches as its view, and the
// subsystems are built on what that view lends them (the script's text, the video outputs,
// the notice line). Tests give a factory that builds spies in place of some subsystems.
#pragma once

#include "core/Show.h"

#include <QString>
#include <memory>

class AudioPlayer;
class BackgroundAudio;
class ControlPanel;
class CueLookup;
class EditCommands;
class Interprete;
class Lifecycle;
class MediaPlayerControl;
class MediaRouting;
class Projector;
class Recovery;
class ShellCommands;
class ShowEngine;
class ShowMode;
class ShowView;
class Timer;
class VideoPlayer;
class VolumeFades;
class WebRemote;

struct EditParts;
struct ShellParts;

// What the edit and the shell commands are built on, for the factory and its replacements.
EditParts MakeEditParts(ShowEngine& engine, ShowView& view);
ShellParts MakeShellParts(ShowEngine& engine, ShowView& view);

// Builds the subsystems a test may want to watch; the default builds the real ones.
class SubsystemFactory {
public:
    virtual ~SubsystemFactory() = default;
    virtual std::unique_ptr<AudioPlayer> Audio(ShowEngine& engine, ShowView& view) const;
    virtual std::unique_ptr<VideoPlayer> Video(ShowEngine& engine, ShowView& view) const;
    virtual std::unique_ptr<VolumeFades> Volume(ShowEngine& engine, ShowView& view) const;
    virtual std::unique_ptr<MediaRouting> Routing(ShowEngine& engine, ShowView& view) const;
    virtual std::unique_ptr<Projector> ProjectorSwitch(ShowEngine& engine, ShowView& view) const;
    virtual std::unique_ptr<EditCommands> Edit(ShowEngine& engine, ShowView& view) const;
    virtual std::unique_ptr<ShellCommands> Shell(ShowEngine& engine, ShowView& view) const;
};

class ShowEngine {
public:
    // factory, when given, must outlive the engine.
    explicit ShowEngine(const QString& applicationTitle, const SubsystemFactory* factory = nullptr);
    ~ShowEngine();
    ShowEngine(const ShowEngine&) = delete;
    ShowEngine& operator=(const ShowEngine&) = delete;

    // Builds the subsystems on view. One view at a time; Detach before the view goes.
    void Attach(ShowView& view);
    // Lets the subsystems go (they hold on to the view).
    void Detach();
    bool Attached() const { return view_ != nullptr; }

    Show core;

    // The players the subsystems drive: the video panel's, the background's and the
    // projector's.
    std::unique_ptr<MediaPlayerControl> panelPlayer, backgroundPlayer, projectorPlayer;
    // The audio counter's tick, the master volume's fade, the video counter's tick and the
    // control panel's wait for the desktop's settings.
    std::unique_ptr<Timer> Timer1, Timer3, Timer4, Timer6;

    // ---- built on the view ----
    std::unique_ptr<MediaRouting> routing;
    std::unique_ptr<AudioPlayer> audio;
    std::unique_ptr<VideoPlayer> video;
    std::unique_ptr<VolumeFades> volume;
    std::unique_ptr<BackgroundAudio> background;
    std::unique_ptr<Interprete> interprete;
    std::unique_ptr<Projector> projector;
    std::unique_ptr<EditCommands> edit;
    std::unique_ptr<ControlPanel> controlPanel;
    std::unique_ptr<Recovery> recovery; // the copy of a changed script kept against a crash
    std::unique_ptr<ShellCommands> shell;
    std::unique_ptr<Lifecycle> lifecycle;
    std::unique_ptr<CueLookup> cues;
    std::unique_ptr<ShowMode> showMode; // show mode, panic and the remote control
    std::unique_ptr<WebRemote> webRemote;

private:
    // A cue's volume: the knob's place at percent of its travel, and the level taken from it.
    void setVolume(double percent);
    void connectPlayers();

    const SubsystemFactory* factory_;
    ShowView* view_ = nullptr;
};
