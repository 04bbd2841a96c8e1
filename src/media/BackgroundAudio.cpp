#include "media/BackgroundAudio.h"

#include "platform/MediaPlayerControl.h"

BackgroundAudio::BackgroundAudio(MediaPlayerControl& player, Transport& transport)
    : timer(0), watch(player, transport), player_(player) {
    timer.onTimer = [this] { Tick(); };
}

void BackgroundAudio::FadeIn() {
    level_ = player_.settings.volume();
    direction_ = +1;
    timer.setInterval(kStepMs);
}

void BackgroundAudio::FadeOut() {
    level_ = player_.settings.volume();
    direction_ = -1;
    timer.setInterval(kStepMs);
}

void BackgroundAudio::SetVolume(int volume) {
    direction_ = 0;
    timer.setInterval(0);
    player_.settings.setVolume(volume);
}

void BackgroundAudio::ToggleLoop() {
    player_.settings.setLoop(!player_.settings.loop());
}

void BackgroundAudio::Tick() {
    if (direction_ == 0) return;
    level_ = qBound(0.0, level_ + direction_ * kStep, 100.0);
    player_.settings.setVolume(int(level_ + 0.5));
    const bool done = direction_ > 0 ? level_ >= 100.0 : level_ <= 0.0;
    if (!done) return;
    if (direction_ < 0) player_.controls.pause();
    direction_ = 0;
    timer.setInterval(0);
}
