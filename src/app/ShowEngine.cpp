#include "app/ShowEngine.h"

#include "app/Commands.h"
#include "app/ControlPanel.h"
#include "app/Lifecycle.h"
#include "app/Recovery.h"
#include "app/ShowView.h"
#include "core/Notices.h"
#include "core/ScriptEditor.h"
#include "core/VideoOutputs.h"
#include "display/Projector.h"
#include "media/AudioPlayer.h"
#include "media/BackgroundAudio.h"
#include "media/MediaRouting.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "platform/SoundServer.h"
#include "platform/Timer.h"
#include "script/CueLookup.h"
#include "script/EditCommands.h"
#include "script/Interprete.h"
#include "show/ShowMode.h"
#include "show/WebRemote.h"

namespace {

// The panel's and the background's players: each medium waits for its play, or, in the
// background, starts at once; both keep the medium's own size.
MediaPlayerControl::Design windowPlayer(bool autoStart, const char* uiMode) {
    MediaPlayerControl::Design d;
    d.autoStart = autoStart;
    d.uiMode = QString::fromLatin1(uiMode);
    d.stretchToFit = false;
    d.fullScreen = false;
    d.volume = 50;
    return d;
}

// The projector's player starts each medium at once and fills its window.
MediaPlayerControl::Design projectorPlayer() {
    MediaPlayerControl::Design d;
    d.autoStart = true;
    d.uiMode = QStringLiteral("none");
    d.stretchToFit = true;
    d.fullScreen = true;
    d.volume = 50;
    return d;
}

const SubsystemFactory& realSubsystems() {
    static const SubsystemFactory real;
    return real;
}

} // namespace

std::unique_ptr<AudioPlayer> SubsystemFactory::Audio(ShowEngine& e, ShowView& view) const {
    return std::make_unique<AudioPlayer>(e.core.audio, *e.Timer1, view.NoticeLine(), e.core.video,
                                         *e.panelPlayer);
}

std::unique_ptr<VideoPlayer> SubsystemFactory::Video(ShowEngine& e, ShowView& view) const {
    return std::make_unique<VideoPlayer>(e.core.video, e.core.state, view.Outputs(), *e.Timer4);
}

std::unique_ptr<VolumeFades> SubsystemFactory::Volume(ShowEngine& e, ShowView& view) const {
    return std::make_unique<VolumeFades>(e.core.masterVolume, e.core.state, view.Outputs(),
                                         *e.Timer3);
}

std::unique_ptr<MediaRouting> SubsystemFactory::Routing(ShowEngine& e, ShowView& view) const {
    // The players are built after the routing, so they are found when a file is routed.
    return std::make_unique<MediaRouting>(
        e.core.state, e.core.audio, e.core.video, view.Outputs(),
        MediaRouting::Players{[&e]() -> AudioPlayer& { return *e.audio; },
                              [&e]() -> VideoPlayer& { return *e.video; },
                              [&e]() -> Projector& { return *e.projector; }});
}

std::unique_ptr<Projector> SubsystemFactory::ProjectorSwitch(ShowEngine& e, ShowView& view) const {
    return std::make_unique<Projector>(e.core.state, e.core.video, view.Outputs(),
                                       view.NoticeLine(), *e.Timer4, *e.projectorPlayer,
                                       e.core.projector);
}

EditParts MakeEditParts(ShowEngine& e, ShowView& view) {
    return {view.Script(), e.core.session, view.Formats(), [&view] { view.CloseFind(); }};
}

ShellParts MakeShellParts(ShowEngine& e, ShowView& view) {
    // Exit and the control panel are built after these commands, so they are found late.
    return {e.core.session,
            view.Script(),
            *e.edit,
            *e.recovery,
            view.NoticeLine(),
            view.DialogOwner(),
            *e.Timer4,
            [&e] { e.lifecycle->mnuEsci_Click(); },
            [&e] { e.controlPanel->mnuImpostaAudio_Click(); },
            [&view] { view.LoadMenuPictures(); },
            [&view] { view.Print(); },
            [&view] { view.AddCommand(); },
            [&view] { view.About(); }};
}

std::unique_ptr<EditCommands> SubsystemFactory::Edit(ShowEngine& e, ShowView& view) const {
    return std::make_unique<EditCommands>(MakeEditParts(e, view));
}

std::unique_ptr<ShellCommands> SubsystemFactory::Shell(ShowEngine& e, ShowView& view) const {
    return std::make_unique<ShellCommands>(MakeShellParts(e, view));
}

ShowEngine::ShowEngine(const QString& applicationTitle, const SubsystemFactory* factory)
    : core(applicationTitle), factory_(factory ? factory : &realSubsystems()) {
    panelPlayer = std::make_unique<MediaPlayerControl>(windowPlayer(false, "none"));
    backgroundPlayer = std::make_unique<MediaPlayerControl>(windowPlayer(true, "mini"));
    projectorPlayer = std::make_unique<MediaPlayerControl>(::projectorPlayer());
    Timer1 = std::make_unique<Timer>(0);
    Timer3 = std::make_unique<Timer>(10, false);
    Timer4 = std::make_unique<Timer>(0);
    Timer6 = std::make_unique<Timer>(0);
}

ShowEngine::~ShowEngine() {
    Detach();
}

void ShowEngine::Attach(ShowView& view) {
    Detach();
    view_ = &view;
    const SubsystemFactory& make = *factory_;
    Notices& notices = view.NoticeLine();
    ScriptEditor& script = view.Script();

    routing = make.Routing(*this, view);
    audio = make.Audio(*this, view);
    video = make.Video(*this, view);
    volume = make.Volume(*this, view);
    background = std::make_unique<BackgroundAudio>(*backgroundPlayer, core.background);
    interprete = std::make_unique<Interprete>(InterpreteParts{
        core.state, script, core.audio, core.video, *volume, *audio, *video, *backgroundPlayer,
        *background, [this](double percent) { setVolume(percent); },
        [&view](bool shown) { view.ShowPicture(shown); }});
    projector = make.ProjectorSwitch(*this, view);
    edit = make.Edit(*this, view);
    controlPanel = std::make_unique<ControlPanel>(notices, *Timer6);
    controlPanel->onOptionShown = [&view](bool on) { view.ShowScreenSaverOption(on); };
    controlPanel->onOptionChosen = [this] { lifecycle->SalvaImpostazioni(); };
    recovery = std::make_unique<Recovery>(core.session, script, *edit);
    shell = make.Shell(*this, view);
    lifecycle = std::make_unique<Lifecycle>(
        LifecycleParts{core.session,
                       script,
                       core.audio,
                       core.video,
                       *volume,
                       core.masterVolume,
                       *audio,
                       *panelPlayer,
                       core.background,
                       core.projector,
                       *edit,
                       *shell,
                       *controlPanel,
                       *recovery,
                       [&view] { view.LayOut(); },
                       [&view] { view.Translate(); },
                       [&view](const QString& commandLine) { view.OpenScript(commandLine); },
                       [&view] { return view.WindowVisible(); },
                       [&view] { view.CloseWindow(); },
                       [&view] { return view.SecondMonitorShowing(); }});
    cues = std::make_unique<CueLookup>(CueLookupParts{
        core.state, core.session, script, notices, core.audio, core.video, *interprete, *routing,
        *audio, *video, *edit, *shell, [&view](bool audio) { view.ShowPlayerMenu(audio); },
        [&view] { view.PlayButtonHover(); }, [&view] { view.ClearHighlight(); },
        [&view](double x, double y) { view.ShowEditMenu(x, y); }});

    ShowModeParts showParts{
        core.state,
        script,
        notices,
        *cues,
        view.Outputs(),
        PanicPlayers{*volume, *Timer3, core.audio, *audio, *video, *panelPlayer, *backgroundPlayer,
                     *background, [this, &view]() -> MediaPlayerControl* {
                         return view.Outputs().HasProjectorWindow() ? projectorPlayer.get()
                                                                    : nullptr;
                     }}};
    showParts.resume = [this] {
        if (core.audio.state() == Transport::State::Paused) audio->cmdPlayA_Click();
        if (core.video.state() == Transport::State::Paused) video->cmdPlayV_Click();
    };
    showMode = std::make_unique<ShowMode>(std::move(showParts));
    webRemote = std::make_unique<WebRemote>(WebRemoteParts{
        *showMode, core.state, script, core.audio, core.video, core.masterVolume, notices});
    connectPlayers();
}

void ShowEngine::Detach() {
    if (!view_) return;
    QObject::disconnect(&soundServer(), nullptr, &core, nullptr);
    for (MediaPlayerControl* player : {panelPlayer.get(), projectorPlayer.get()})
        player->onError = nullptr;
    for (Timer* timer : {Timer1.get(), Timer3.get(), Timer4.get(), Timer6.get()})
        timer->onTimer = nullptr;
    // The last built goes first: each holds on to those built before it.
    webRemote.reset();
    showMode.reset();
    cues.reset();
    lifecycle.reset();
    shell.reset();
    recovery.reset();
    controlPanel.reset();
    edit.reset();
    projector.reset();
    interprete.reset();
    background.reset();
    volume.reset();
    video.reset();
    audio.reset();
    routing.reset();
    view_ = nullptr;
}

void ShowEngine::setVolume(double percent) {
    MasterVolume& master = core.masterVolume;
    const double top = RoundInt(master.TravelTop());
    const double bottom = RoundInt(master.TravelBottom());
    master.SetPosition(bottom - (bottom - top) / 100.0 * percent);
    volume->ChooseLevelFromPlace();
    volume->ImpostaVolume();
    view_->ShowVolumePercent(percent);
}

void ShowEngine::connectPlayers() {
    Timer1->onTimer = [this] { audio->Timer1_Timer(); };
    Timer3->onTimer = [this] { volume->Timer3_Timer(); };
    Timer4->onTimer = [this] { video->Timer4_Timer(); };
    Timer6->onTimer = [this] { controlPanel->Timer6_Timer(); };
    // A medium that broke off while playing is told until the next cue.
    for (MediaPlayerControl* player : {panelPlayer.get(), projectorPlayer.get()}) {
        player->onError = [this, player](const QString& reason) {
            view_->NoticeLine().ShowMediaFailure(player->URL(), reason,
                                                 player->FailedWhilePlaying() ? 0 : kNoticeMs);
        };
    }
    // Every player stops when the sound server goes; when it is back, the master volume is put
    // on it again.
    QObject::connect(&soundServer(), &SoundServer::Back, &core,
                     [this] { volume->ReconnectMixer(); });
}
