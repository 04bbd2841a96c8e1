// Keeps a transport up to date from the player it watches, for a player that several hands
// drive (cues, its own strip, the projector switch, the panic): its state at every change the
// player reports, and its place at each change and every tick while it plays.
#pragma once

#include "platform/Timer.h"

#include <QObject>

class MediaPlayerControl;
class Transport;

class PlayerWatch {
public:
    PlayerWatch(MediaPlayerControl& player, Transport& transport);

    // Reads the player: its state, and its place and length, or that it has none.
    void Update();

    static constexpr int kTickMs = 100;
    // Runs Update while the player plays.
    Timer tick;

private:
    MediaPlayerControl& player_;
    Transport& transport_;
    QObject connections_; // ends the watch on the player with this object
};
