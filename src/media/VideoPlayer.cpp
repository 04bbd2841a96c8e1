#include "media/VideoPlayer.h"

#include "core/ShowState.h"
#include "core/Transport.h"
#include "core/VideoOutputs.h"
#include "display/Projector.h"
#include "media/MediaRouting.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Pointer.h"
#include "platform/Timer.h"
#include "script/CueLookup.h" // FileExists

#include <cmath>

namespace {
constexpr int kTickMs = 100;
constexpr double kStepSeconds = 5;
} // namespace

VideoPlayer::VideoPlayer(Transport& transport, ::ShowState& state, VideoOutputs& outputs,
                         Timer& panelTick)
    : transport_(transport), state_(state), outputs_(outputs), tick_(panelTick) {
    QObject::connect(&transport, &Transport::seekRequested, &connections_,
                     [this](double ms) { lblContatoreV_Click(ms / 1000); });
}

MediaPlayerControl& VideoPlayer::player() {
    return Projector::ProjectorMode(state_, outputs_) ? outputs_.ProjectorPlayer()
                                                      : outputs_.PanelPlayer();
}

void VideoPlayer::ShowState(bool playing) {
    transport_.SetPlaying(playing);
    transport_.SetMenuWordPlaying(playing);
    transport_.SetButtonWordPlaying(playing, false);
}

void VideoPlayer::NewFile() {
    if (Projector::ProjectorMode(state_, outputs_)) {
        // The projector's player starts a new file by itself: the panel follows it.
        ShowState(true);
        outputs_.SetProjectorTick(kTickMs);
    } else {
        // The main window's player holds a new file stopped at its start.
        tick_.setInterval(0);
        ShowState(false);
    }
}

void VideoPlayer::cmdPlayV_Click() {
    const bool projector = Projector::ProjectorMode(state_, outputs_);
    MediaPlayerControl& panel = outputs_.PanelPlayer();
    if (!transport_.Playing()) {
        // Playing, the counter spans the track (the panel follows the transport).
        transport_.SetPlaying(true);
        ShowWaitPointer();
        if (projector) {
            MediaPlayerControl& projectorPlayer = outputs_.ProjectorPlayer();
            tick_.setInterval(0);
            panel.controls.stop();
            outputs_.ShowPanelOutput(false); // the picture goes to the projector only
            // A command cue is no file: the projector keeps the file the last media cue loaded.
            const QString cue = state_.CueCorrente();
            if (transport_.AtStart() && projectorPlayer.URL() != cue && FileExists(cue))
                projectorPlayer.setURL(cue);
            outputs_.HidePanelPicture();
            projectorPlayer.controls.play();
            outputs_.RaiseProjectorWindow();
            outputs_.SetProjectorTick(kTickMs);
        } else {
            if (outputs_.HasProjectorWindow()) {
                outputs_.SetProjectorTick(0);
                outputs_.ProjectorPlayer().controls.stop();
            }
            outputs_.PlacePanelOutput();
            outputs_.HidePanelPicture();
            // The picture shows in the panel from the first frame; MIDI has none to show.
            const bool picture = MediaRouting::Classify(panel.URL()) == MediaRouting::Kind::Video;
            outputs_.ShowPanelOutput(picture);
            if (picture) outputs_.RaisePanelOutput();
            panel.controls.play();
            tick_.setInterval(kTickMs);
        }
    } else {
        transport_.SetPlaying(false);
        MediaPlayerControl* projectorPlayer =
            outputs_.HasProjectorWindow() ? &outputs_.ProjectorPlayer() : nullptr;
        if (projector) {
            if (projectorPlayer) projectorPlayer->controls.pause();
            panel.controls.pause();
            if (outputs_.HasProjectorWindow()) outputs_.SetProjectorTick(0);
        } else {
            panel.controls.pause();
            if (projectorPlayer) projectorPlayer->controls.pause();
            tick_.setInterval(0);
        }
        RestoreDefaultPointer();
    }
    const bool idle = !transport_.Playing();
    transport_.SetMenuWordPlaying(!idle);
    transport_.SetButtonWordPlaying(!idle);
}

void VideoPlayer::cmdStopV_Click() {
    transport_.ShowStart();
    if (Projector::ProjectorMode(state_, outputs_)) {
        MediaPlayerControl& projectorPlayer = outputs_.ProjectorPlayer();
        outputs_.SetProjectorTick(0);
        projectorPlayer.controls.stop();
        outputs_.HideProjectorWindow();
    } else {
        tick_.setInterval(0);
        outputs_.PanelPlayer().controls.stop();
    }
    // Stopped: the counter shows no time (the panel follows the transport).
    transport_.Stop();
    transport_.SetMenuWordPlaying(false);
    transport_.SetButtonWordPlaying(false, false);
    RestoreDefaultPointer();
}

void VideoPlayer::tick() {
    if (Projector::ProjectorMode(state_, outputs_))
        Form2_Timer1_Timer();
    else
        Timer4_Timer();
}

void VideoPlayer::cmdForV_Click() {
    MediaPlayerControl& p = player();
    p.controls.setCurrentPosition(p.controls.currentPosition() + kStepSeconds);
    tick();
}

void VideoPlayer::cmdBacV_Click() {
    MediaPlayerControl& p = player();
    p.controls.setCurrentPosition(p.controls.currentPosition() - kStepSeconds);
    tick();
    RestoreDefaultPointer();
}

void VideoPlayer::lblContatoreV_MouseMove(int, int, double x, double, double width) {
    if (width <= 0) return;
    seekTarget_ = std::floor(player().currentMedia.duration() / width * x);
}

void VideoPlayer::lblContatoreV_Click(double seconds) {
    player().controls.setCurrentPosition(seconds);
}

bool VideoPlayer::ShowProgress(MediaPlayerControl& p) {
    // A player that stopped by itself (the sound server went, the file broke off) is never shown
    // playing.
    const QString state = p.State();
    if (transport_.Playing() &&
        (state == QLatin1String("stopped") || state == QLatin1String("closed")))
        ShowState(false);
    if (p.controls.currentPositionString().isEmpty()) {
        transport_.SetNoPlace();
        return false;
    }
    transport_.SetProgress(p.controls.currentPosition() * 1000, p.currentMedia.duration() * 1000);
    // The end is the player's own, on exact times: the texts agree a second before it.
    if (p.State() == QLatin1String("ended") && transport_.Playing()) ShowState(false);
    return true;
}

void VideoPlayer::Timer4_Timer() {
    if (ShowProgress(outputs_.PanelPlayer())) RestoreDefaultPointer();
}

void VideoPlayer::Form2_Timer1_Timer() {
    const bool placeWasShown = transport_.HasPlace();
    if (ShowProgress(outputs_.ProjectorPlayer()) && !placeWasShown) RestoreDefaultPointer();
}
