#include "show/Panic.h"

#include "core/Transport.h"
#include "media/AudioPlayer.h"
#include "media/BackgroundAudio.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Mixer.h"

#include <cmath>

Panic::Panic(const PanicPlayers& players) : timer(0), p_(players) {
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
    p_.volumeFade.setEnabled(false);
    master_ = p_.volume.ValoreVolume;
    video_ = p_.videoOutput.settings.volume();
    MediaPlayerControl* projector = p_.projector();
    projector_ = projector ? projector->settings.volume() : 0;
    background_ = p_.backgroundPlayer.settings.volume();
    p_.background.SetVolume(background_);
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
    if (p_.volume.MixerConnected) mixer().SetMixerControlValue(std::lround(master_ * fraction));
    p_.videoOutput.settings.setVolume(int(std::lround(video_ * fraction)));
    if (MediaPlayerControl* projector = p_.projector())
        projector->settings.setVolume(int(std::lround(projector_ * fraction)));
    p_.background.SetVolume(int(std::lround(background_ * fraction)));
}

void Panic::stopAll() {
    applyLevel(0);
    if (p_.audioTransport.Playing()) p_.audio.cmdPlayA_Click(); // pauses the device
    p_.audio.cmdStopA_Click();
    p_.video.cmdStopV_Click();
    if (MediaPlayerControl* projector = p_.projector()) projector->controls.stop();
    p_.backgroundPlayer.controls.stop();
    phase_ = Phase::Stopped;
    stoppedAt_ = now();
}

void Panic::restore() {
    timer.setInterval(0);
    phase_ = Phase::Idle;
    // The knob never moved: applying it puts the mixer and the video players back.
    p_.volume.ImpostaVolume();
    if (MediaPlayerControl* projector = p_.projector()) projector->settings.setVolume(projector_);
    p_.background.SetVolume(background_);
}
