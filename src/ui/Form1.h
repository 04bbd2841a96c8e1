// The main window: the composition root that holds every control of the window under its
// own name and one object per subsystem.
#pragma once

#include "ui/Controls.h"
#include "ui/Timer.h"

#include <QMainWindow>
#include <array>
#include <memory>

class AudioPlayer;
class BackgroundAudio;
class clsMonitors;
class CueLookup;
class EditCommands;
class frmZoom;
class Interprete;
class MediaPlayerControl;
class MediaRouting;
class Projector;
class RichTextBox;
class ShellCommands;
class VideoPlayer;
class VolumeFades;
class WindowVisuals;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    QString Caption() const { return windowTitle(); }

    // Opens the script named on the command line, if any: the whole text, untrimmed, is the
    // path. A script that cannot be read is reported and the editor stays as it was.
    void OpenCommandLineScript(const QString& commandLine);

    // Window caption "Scenolux - " + the file name of path (after its last "/" or "\").
    void AggiornaTitolo(const QString& path);

    // The picture window, created on first use.
    frmZoom& ZoomWindow();

    // ---- controls ----
    RichTextBox* RTB;
    std::array<Label*, 17> Label2{}; // toolbar hotspots; Label2[15]'s tag is the current cue
    Label* Label11;                  // notice line
    Panel* Picture2;                 // audio panel
    Panel* Picture3;                 // video panel
    Label* lblWMP1;                  // audio panel title, shown once audio is loaded
    Label* Label6;                   // volume percentage
    PictureBox* Image2;              // volume knob
    PictureBox* Image3;              // volume track
    PictureBox* cmdPlayA;
    Label* lblContatore;
    PictureBox* cmdPlayV;
    Label* lblContatoreV;
    CheckBox* Check1; // projector switch
    PictureBox* imgZoom;
    MediaPlayerControl* WMP2; // video on the main window
    MediaPlayerControl* WMP3; // background audio
    std::unique_ptr<Timer> Timer1, Timer2, Timer3, Timer4, Timer5, Timer6, Timer7;

    Menu* mnuModifica;
    Menu* mnuAudio;
    MenuItem* mnuPlayAudio;
    Menu* mnuVideo;

    // ---- subsystems ----
    std::unique_ptr<clsMonitors> Monitors;
    std::unique_ptr<CueLookup> cues;
    std::unique_ptr<Interprete> interprete;
    std::unique_ptr<MediaRouting> routing;
    std::unique_ptr<AudioPlayer> audio;
    std::unique_ptr<VideoPlayer> video;
    std::unique_ptr<VolumeFades> volume;
    std::unique_ptr<BackgroundAudio> background;
    std::unique_ptr<Projector> projector;
    std::unique_ptr<EditCommands> edit;
    std::unique_ptr<ShellCommands> shell;
    std::unique_ptr<WindowVisuals> visuals;

    // ---- shared state ----
    int TipoMedia = 0; // 1 audio, 2 video or MIDI: the last medium loaded
    QString FileCorrente;
    QString NomeCopione;

private:
    void buildControls();
    frmZoom* zoom_ = nullptr;
};
