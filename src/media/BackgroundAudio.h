// The background player's own fades: its volume moves by one step every 10 ms, two seconds
// for the whole 0-100 range; a fade out ends by pausing the player. Its transport follows the
// player, whoever drives it.
#pragma once

#include "media/PlayerWatch.h"
#include "platform/Timer.h"

class MediaPlayerControl;
class Transport;

class BackgroundAudio {
public:
    BackgroundAudio(MediaPlayerControl& player, Transport& transport);

    void FadeIn();
    void FadeOut();
    // Sets the volume at once, stopping a fade.
    void SetVolume(int volume);
    // Repeats the media when it ends, or stops repeating.
    void ToggleLoop();
    // One step of a running fade.
    void Tick();
    bool Fading() const { return direction_ != 0; }

    static constexpr int kStepMs = 10;
    static constexpr double kStep = 100.0 * kStepMs / 2000.0;

    Timer timer;
    PlayerWatch watch;

private:
    MediaPlayerControl& player_;
    double level_ = 0;
    int direction_ = 0; // +1 fading in, -1 fading out
};
