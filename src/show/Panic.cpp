#include "show/Panic.h"

#include "display/ProjectorWindow.h"
#include "media/AudioPlayer.h"
#include "media/BackgroundAudio.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Mixer.h"
#include "ui/Form1.h"

#include <cmath>

Panic::Panic(Form1& form) : timer(0), form_(form) {
    clock_.start();
    now = [this] { return clock_.elapsed(); };
    timer.onTimer = [this] { Tick(); };
}

void Panic::Start() {
    if (phase_ != Phase::Idle) {
        stopAll();
        return;
    }
    // A fade of the knob or of the background player would fight this one.
    form_.Timer3->setEnabled(false);
    VolumeFades& volume = *form_.volume;
    master_ = volume.ValoreVolume;
    video_ = form_.WMP2->settings.volume();
    projector_ = form_.HasProjectorWindow() ? form_.ProjectorWindow().WMP1->settings.volume() : 0;
    background_ = form_.WMP3->settings.volume();
    form_.background->SetVolume(background_);
    started_ = now();
    phase_ = Phase::Fading;
    timer.setInterval(kTickMs);
}

void Panic::Tick() {
    const qint64 t = now();
    if (phase_ == Phase::Fading) {
        const double elapsed = double(t - started_);
        if (elapsed >= kFadeMs)
            stopAll();
        else
            applyLevel(1.0 - elapsed / kFadeMs);
    } else if (phase_ == Phase::Stopped && t - stoppedAt_ >= kRestoreAfterMs) {
        restore();
    }
}

void Panic::applyLevel(double fraction) {
    VolumeFades& volume = *form_.volume;
    if (volume.MixerConnected) mixer().SetMixerControlValue(std::lround(master_ * fraction));
    form_.WMP2->settings.setVolume(int(std::lround(video_ * fraction)));
    if (form_.HasProjectorWindow())
        form_.ProjectorWindow().WMP1->settings.setVolume(int(std::lround(projector_ * fraction)));
    form_.background->SetVolume(int(std::lround(background_ * fraction)));
}

void Panic::stopAll() {
    applyLevel(0);
    if (form_.playA->playing()) form_.audio->cmdPlayA_Click(); // pauses the device
    form_.audio->cmdStopA_Click();
    form_.video->cmdStopV_Click();
    if (form_.HasProjectorWindow()) form_.ProjectorWindow().WMP1->controls.stop();
    form_.WMP3->controls.stop();
    phase_ = Phase::Stopped;
    stoppedAt_ = now();
}

void Panic::restore() {
    timer.setInterval(0);
    phase_ = Phase::Idle;
    // The knob never moved: applying it puts the mixer and the video players back.
    form_.volume->ImpostaVolume();
    if (form_.HasProjectorWindow()) form_.ProjectorWindow().WMP1->settings.setVolume(projector_);
    form_.background->SetVolume(background_);
}
