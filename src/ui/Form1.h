// The main window: the view of the show's engine. It holds every control of the window under
// its own name, the view's parts, and handles on the engine's players and subsystems.
#pragma once

#include "app/ShowEngine.h"
#include "core/Notices.h"
#include "core/Show.h"
#include "platform/Timer.h"
#include "ui/Controls.h"
#include "ui/PlayState.h"

#include <QMainWindow>
#include <array>
#include <memory>

class AudioPanel;
class AudioPlayer;
class Lifecycle;
class Localization;
class BackgroundAudio;
class clsMonitors;
class ControlPanel;
class CueLookup;
class EditCommands;
class FindReplace;
class frmZoom;
class Form2;
class Interprete;
class MediaPlayerControl;
class MediaPlayerView;
class MediaRouting;
class Projector;
class Recovery;
class RichTextBox;
class ScriptEditor;
class FormatBar;
class ShellCommands;
class ShowMode;
class ShowModeView;
class WebRemote;
class ShowCheckMenu;
class VideoPanel;
class VideoPlayer;
class VolumeFades;
class VolumeKnob;
class WindowShowView;
class WindowVideoOutputs;
class WindowVisuals;

class Form1 : public QMainWindow, public Notices {
    Q_OBJECT
    std::unique_ptr<ShowEngine> ownEngine_; // the engine, when the window was not given one

public:
    // The window of engine, which main builds first: the window attaches as its view.
    explicit Form1(ShowEngine& engine, QWidget* parent = nullptr);
    // A window with an engine of its own (tests and tools).
    explicit Form1(QWidget* parent = nullptr);
    // A window with an engine of its own whose subsystems factory builds (tests' spies).
    explicit Form1(const SubsystemFactory& factory, QWidget* parent = nullptr);
    ~Form1() override;

    // The engine this window shows and drives, and its show.
    ShowEngine& engine;
    Show& core;

    QString Caption() const { return windowTitle(); }

    // Opens the script named on the command line, if any: the whole text, untrimmed, is the
    // path. A script that cannot be read is reported and the editor stays as it was.
    void OpenCommandLineScript(const QString& commandLine);

    // Window caption "Scenolux - " + the file name of path (after its last "/" or "\").
    void AggiornaTitolo(const QString& path) { core.session.AggiornaTitolo(path); }

    // The picture window, created on first use.
    frmZoom& ZoomWindow();
    // The projector window, created on first use.
    Form2& ProjectorWindow();
    bool HasProjectorWindow() const { return projector_ != nullptr; }
    bool HasZoomWindow() const { return zoom_ != nullptr; }

    // The window's size in twips, as the layout counts it: the client area plus the frame,
    // title and menu bar of the window the layout was designed for.
    double WindowWidth() const;
    double WindowHeight() const;
    // Sets the window's size in twips, counted the same way.
    void SetWindowSize(double width, double height);
    static constexpr double kFrameWidth = 120;  // left and right borders
    static constexpr double kFrameHeight = 690; // title bar, menu bar and borders

    // Top of the video output and of the picture preview: under the video panel.
    double VideoOutputTop() const;
    // Gives the video output WMP2 its place under the video panel (not its visibility).
    void PlaceVideoOutput();
    // Shows one red notice in Label11; Timer5 hides it after ms milliseconds.
    void ShowNotice(const QString& text, int ms) override;
    void ClearNotice() override;
    static constexpr int kNoticeMs = ::kNoticeMs;
    // The notice for a media file that cannot be loaded or played, with the reason given by
    // the device or player.
    void ShowMediaFailure(const QString& file, const QString& reason, int ms = kNoticeMs) override;

    // The window's client area, on which the controls are placed.
    QWidget* Client() const { return client_; }

    // ---- controls ----
    RichTextBox* RTB;
    PictureBox* Image1;              // toolbar picture
    std::array<Label*, 17> Label2{}; // toolbar hotspots
    std::array<Label*, 5> Label3{};  // style letters over hotspots 4-7; Label3[4] is the "-"
    Shape* Shape5;                   // toolbar hover frame
    Line* Line1;
    Line* Line2;
    ComboBox* Combo1; // font name
    ComboBox* Combo2; // font size
    Label* Label1;    // frame behind the editor
    Label* Label11;   // notice line

    Panel* Picture2; // audio panel
    Shape* Shape4;
    Shape* Shape3;
    Shape* Shape9;
    Label* Label7;
    Label* Label9;
    Label* Label6;      // volume percentage
    PictureBox* Image3; // volume track
    PictureBox* Image2; // volume knob
    Label* Label4;
    // The fade buttons: in fast, normal, slow; out fast, normal, slow.
    PictureBox *Image4, *Image5, *Image6, *Image7, *Image8, *Image9;
    Label* lblWMP1; // audio panel title, shown once audio is loaded
    PictureBox* cmdPlayA;
    PictureBox* cmdStopA;
    PictureBox* cmdBacA;
    PictureBox* cmdForA;
    Shape* Shape2; // audio progress track
    Shape* Shape1; // audio progress bar
    Label* lblContatore;

    Panel* Picture3; // video panel
    Shape* Shape6;
    Label* Label8;
    PictureBox* cmdPlayV;
    PictureBox* cmdStopV;
    PictureBox* cmdBacV;
    PictureBox* cmdForV;
    Shape* Shape8; // video progress track
    Shape* Shape7; // video progress bar
    Label* lblContatoreV;
    CheckBox* Check1; // projector switch
    Label* Label5;

    PictureBox* imgZoom;
    MediaPlayerView* WMP2; // video on the main window: shows panelPlayer
    MediaPlayerView* WMP3; // background audio: shows backgroundPlayer
    // The engine's timers: the audio counter's tick, the master volume's fade, the video
    // counter's tick and the control panel's wait.
    Timer *Timer1, *Timer3, *Timer4, *Timer6;
    // The view's: the knob's drag, the notice's time and the spare one.
    std::unique_ptr<Timer> Timer2, Timer5, Timer7;

    // ---- menus ----
    Menu* mnuFile;
    MenuItem *mnuNuovo, *mnuApri, *mnuSalva, *mnuSalvaConNome, *mnuStampa, *mnuEsci;
    Menu* mnuModifica;
    MenuItem *mnuAnnulla, *mnuRipeti, *mnuTaglia, *mnuCopia, *mnuIncolla, *mnuAggiungiMultimedia,
        *mnuAddCommand, *mnuAddImg, *mnuSelezionaTutto, *mnuTrova, *mnuSostituisci;
    Menu* mnuAudio;
    MenuItem *mnuPlayAudio, *mnuStopAudio, *mnuBacAudio, *mnuForAudio;
    Menu* mnuVideo;
    MenuItem *mnuPlayVideo, *mnuStopVideo, *mnuBacVideo, *mnuForVideo;
    Menu* mnuStrumenti;
    MenuItem* mnuOrtografia;
    Menu* mnuOpzioni;
    MenuItem *mnuImpostaAudio, *mnuMonitorSettings, *mnuScreenSaver, *mnuLingua, *mnuAggLingua;
    Menu* mnuDonazioni;
    MenuItem* mnuFaiDonazione;
    Menu* mnuHelp;
    MenuItem *mnuGuida, *mnuVersioni, *mnuAggiornamenti, *mnuInfo;

    // ---- the engine's players and subsystems, as the window's handlers reach them ----
    MediaPlayerControl *panelPlayer, *backgroundPlayer, *projectorPlayer;
    MediaRouting* routing = nullptr;
    AudioPlayer* audio = nullptr;
    VideoPlayer* video = nullptr;
    VolumeFades* volume = nullptr;
    BackgroundAudio* background = nullptr;
    Interprete* interprete = nullptr;
    Projector* projector = nullptr;
    EditCommands* edit = nullptr;
    ControlPanel* controlPanel = nullptr;
    Recovery* recovery = nullptr; // the copy of a changed script kept against a crash
    ShellCommands* shell = nullptr;
    Lifecycle* lifecycle = nullptr;
    CueLookup* cues = nullptr;
    ShowMode* showMode = nullptr;   // show mode, panic and the remote control
    WebRemote* webRemote = nullptr; // the remote page in a browser

    // ---- the view's parts ----
    // The script as the subsystems read, rewrite and edit it: the editor RTB.
    std::unique_ptr<ScriptEditor> scriptDocument;
    // The font boxes and the formatting hotspots of the toolbar, as the Edit commands show the
    // selection's formatting on them.
    std::unique_ptr<FormatBar> formatBar;
    std::unique_ptr<clsMonitors> Monitors;
    // The panel's video output, the projector window and the picture window, as the
    // projector switch and the players ask for them.
    std::unique_ptr<WindowVideoOutputs> videoOutputs;
    // What the engine asks of this window.
    std::unique_ptr<WindowShowView> showView;
    std::unique_ptr<VolumeKnob> volumeKnob; // Image2 on Image3, following the master volume
    std::unique_ptr<FindReplace> findReplace;
    std::unique_ptr<WindowVisuals> visuals;
    std::unique_ptr<Localization> lingua;
    // The Play entries of the Audio and the Video menu, following the players' transports.
    std::unique_ptr<PlayState> playA, playV;
    // The audio and video panels' counters, bars and pictures, following the transports.
    std::unique_ptr<AudioPanel> audioPanel;
    std::unique_ptr<VideoPanel> videoPanel;
    std::unique_ptr<ShowModeView> showModeView; // show mode's entries, bar and marks, and keys
    // The show check and the pack (File menu).
    std::unique_ptr<ShowCheckMenu> showCheck;

    // ---- shared state ----
    int& TipoMedia; // the show state's: 1 audio, 2 video or MIDI, the last medium loaded
    // The script state lives in the show's session; these names reach it while the code
    // that uses them moves to the session.
    QString& FileCorrente;
    QString& NomeCopione;
    int& NumeroCopione;
    QString& BaseCopione;
    QString& UltimaCartella;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form1(ShowEngine* engine, const SubsystemFactory* factory, QWidget* parent);
    // Takes the handles on the subsystems the engine built on this window.
    void takeSubsystems();
    // Gives the editor's clicks, keys and mouse to the cue lookup.
    void connectEditor();
    void buildControls();
    void buildAudioPanel();
    void buildVideoPanel();
    void buildMenus();
    void connectHandlers();
    int menuHeight() const;
    QWidget* client_ = nullptr;
    frmZoom* zoom_ = nullptr;
    Form2* projector_ = nullptr;
};
