// The projector switch (Check1 and its caption Label5) and what goes to the projector
// monitor: video in the projector window, pictures in the picture window.
#pragma once

#include "media/PlayerWatch.h"

#include <QString>

class MediaPlayerControl;
class Notices;
class ShowState;
class Timer;
class Transport;
class VideoOutputs;

class Projector {
public:
    // video is the video panel's transport, panelTick its refresh from its own player;
    // projector's transport follows the projector's player, whoever drives it.
    Projector(ShowState& state, Transport& video, VideoOutputs& outputs, Notices& notices,
              Timer& panelTick, MediaPlayerControl& player, Transport& projector)
        : watch(player, projector), state_(state), video_(video), outputs_(outputs),
          notices_(notices), panelTick_(panelTick) {}
    virtual ~Projector() = default;

    // Switches the projector output to the show's request (shown by Check1).
    virtual void Check1_Click();
    // Re-applies the switch's state without toggling it.
    void Label5_Click();

    // True when video goes to the projector: the projector requested and more than one
    // monitor.
    bool ProjectorMode() const { return ProjectorMode(state_, outputs_); }
    static bool ProjectorMode(const ShowState& state, const VideoOutputs& outputs);
    // Loads a video on the projector's player unless it holds it already.
    virtual void CaricaSulProiettore(const QString& url);
    // Shows the picture window full screen on the projector monitor, picture visible.
    virtual void MostraImmagine();

    PlayerWatch watch;

protected:
    ShowState& state_;
    Transport& video_;
    VideoOutputs& outputs_;
    Notices& notices_;
    Timer& panelTick_;
};
