#include "media/PlayerWatch.h"

#include "core/Transport.h"
#include "platform/MediaPlayerControl.h"

PlayerWatch::PlayerWatch(MediaPlayerControl& player, Transport& transport)
    : tick(0), player_(player), transport_(transport) {
    tick.onTimer = [this] { Update(); };
    QObject::connect(&player, &MediaPlayerControl::changed, &connections_, [this] { Update(); });
}

void PlayerWatch::Update() {
    const QString state = player_.State();
    // Ended, stopped or with nothing loaded, it is stopped.
    const Transport::State now = state == QLatin1String("playing")  ? Transport::State::Playing
                                 : state == QLatin1String("paused") ? Transport::State::Paused
                                                                    : Transport::State::Stopped;
    if (now != transport_.state()) transport_.SetState(now);
    if (player_.controls.currentPositionString().isEmpty()) {
        if (transport_.HasPlace()) transport_.SetNoPlace();
    } else {
        transport_.SetProgress(player_.controls.currentPosition() * 1000,
                               player_.currentMedia.duration() * 1000);
    }
    const int interval = now == Transport::State::Playing ? kTickMs : 0;
    if (tick.Interval() != interval) tick.setInterval(interval);
}
