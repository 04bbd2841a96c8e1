#include "media/VideoPlayer.h"

#include "app/Paths.h"
#include "display/Projector.h"
#include "display/ProjectorWindow.h"
#include "media/MediaRouting.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "platform/Pointer.h"
#include "script/CueLookup.h"
#include "ui/Form1.h"

#include <QApplication>
#include <cmath>

namespace {
constexpr int kTickMs = 100;
constexpr double kStepSeconds = 5;
constexpr double kBarAtStart = 21; // twips: below this the bar has not moved yet
} // namespace

MediaPlayerControl& VideoPlayer::player() {
    return form_.projector->ProjectorMode() ? *form_.ProjectorWindow().WMP1 : *form_.WMP2;
}

void VideoPlayer::showPlayPicture(const char* file) {
    form_.cmdPlayV->LoadPicture(PictureFile(QLatin1String(file)));
}

void VideoPlayer::ShowState(bool playing) {
    form_.playV->set(playing);
    form_.playV->showMenuWord(playing);
    showPlayPicture(playing ? "pause.jpg" : "play.jpg");
}

void VideoPlayer::NewFile() {
    Form1& f = form_;
    if (f.projector->ProjectorMode()) {
        // The projector's player starts a new file by itself: the panel follows it.
        ShowState(true);
        f.ProjectorWindow().Timer1.setInterval(kTickMs);
    } else {
        // The main window's player holds a new file stopped at its start.
        f.Timer4->setInterval(0);
        ShowState(false);
    }
}

void VideoPlayer::cmdPlayV_Click() {
    Form1& f = form_;
    const bool projector = f.projector->ProjectorMode();
    if (!f.playV->playing()) {
        f.playV->set(true);
        ShowWaitPointer();
        if (projector) {
            Form2& window = f.ProjectorWindow();
            f.Timer4->setInterval(0);
            f.WMP2->controls.stop();
            TwipsGeometry(f.WMP2).setVisible(false); // the picture goes to the projector only
            // A command cue is no file: the projector keeps the file the last media cue loaded.
            const QString cue = f.cues->CueCorrente();
            if (f.Shape7->Width() < kBarAtStart && window.WMP1->URL() != cue && FileExists(cue))
                window.WMP1->setURL(cue);
            if (f.imgZoom->Visible()) f.imgZoom->setVisible(false);
            window.WMP1->controls.play();
            window.show();
            window.Timer1.setInterval(kTickMs);
        } else {
            if (f.HasProjectorWindow()) {
                f.ProjectorWindow().Timer1.setInterval(0);
                f.ProjectorWindow().WMP1->controls.stop();
            }
            f.PlaceVideoOutput();
            if (f.imgZoom->Visible()) f.imgZoom->setVisible(false);
            // The picture shows in the panel from the first frame; MIDI has none to show.
            const bool picture = MediaRouting::Classify(f.WMP2->URL()) == MediaRouting::Kind::Video;
            TwipsGeometry(f.WMP2).setVisible(picture);
            if (picture) f.WMP2->raise();
            f.WMP2->controls.play();
            f.lblContatoreV->setLeft(f.Shape8->Left());
            f.lblContatoreV->setWidth(f.Shape8->Width());
            f.Timer4->setInterval(kTickMs);
        }
    } else {
        f.playV->set(false);
        MediaPlayerControl* projectorPlayer =
            f.HasProjectorWindow() ? f.ProjectorWindow().WMP1 : nullptr;
        if (projector) {
            if (projectorPlayer) projectorPlayer->controls.pause();
            f.WMP2->controls.pause();
            if (f.HasProjectorWindow()) f.ProjectorWindow().Timer1.setInterval(0);
        } else {
            f.WMP2->controls.pause();
            if (projectorPlayer) projectorPlayer->controls.pause();
            f.Timer4->setInterval(0);
        }
        RestoreDefaultPointer();
    }
    const bool idle = !f.playV->playing();
    f.playV->showMenuWord(!idle);
    showPlayPicture(idle ? "play2.jpg" : "pause2.jpg");
}

void VideoPlayer::cmdStopV_Click() {
    Form1& f = form_;
    f.Shape7->setWidth(1);
    if (f.projector->ProjectorMode()) {
        Form2& window = f.ProjectorWindow();
        window.Timer1.setInterval(0);
        window.WMP1->controls.stop();
        window.hide();
    } else {
        f.Timer4->setInterval(0);
        f.WMP2->controls.stop();
    }
    f.lblContatoreV->setCaption(QStringLiteral("00:00 / 00:00"));
    ShowState(false);
    RestoreDefaultPointer();
}

void VideoPlayer::tick() {
    if (form_.projector->ProjectorMode())
        form_.ProjectorWindow().Timer1_Timer();
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

void VideoPlayer::lblContatoreV_MouseMove(int, int, double x, double) {
    const double width = form_.lblContatoreV->Width();
    if (width <= 0) return;
    seekTarget_ = std::floor(player().currentMedia.duration() / width * x);
}

void VideoPlayer::lblContatoreV_Click(double seconds) {
    player().controls.setCurrentPosition(seconds);
}

bool VideoPlayer::ShowProgress(MediaPlayerControl& p) {
    Form1& f = form_;
    // A player that stopped by itself (the sound server went, the file broke off) is never shown
    // playing.
    const QString state = p.State();
    if (f.playV->playing() &&
        (state == QLatin1String("stopped") || state == QLatin1String("closed")))
        ShowState(false);
    const QString position = p.controls.currentPositionString();
    if (position.isEmpty()) {
        f.Shape7->setVisible(false);
        return false;
    }
    f.lblContatoreV->setCaption(position + QStringLiteral(" / ") + p.currentMedia.durationString());
    const double length = p.currentMedia.duration();
    const double at = p.controls.currentPosition();
    f.Shape7->setWidth(length > 0 ? ProgressWidth(*f.Shape8, *f.Shape7, at / length) : 1);
    if (!f.Shape7->Visible()) {
        f.Shape7->setVisible(true);
        f.lblContatoreV->setLeft(f.Shape8->Left());
        f.lblContatoreV->setWidth(f.Shape8->Width());
    }
    // The end is the player's own, on exact times: the texts agree a second before it.
    if (p.State() == QLatin1String("ended") && f.playV->playing()) ShowState(false);
    return true;
}

void VideoPlayer::Form2_Timer1_Timer() {
    const bool barWasShown = form_.Shape7->Visible();
    if (ShowProgress(*form_.ProjectorWindow().WMP1) && !barWasShown) RestoreDefaultPointer();
}

void VideoPlayer::Timer4_Timer() {
    if (ShowProgress(*form_.WMP2)) RestoreDefaultPointer();
}
