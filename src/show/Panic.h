// Panic: every player fades to silence in one second and stops; a second panic within that
// second stops at once. The volume the operator had set comes back once all is stopped, so the
// next cue is heard as it would have been.
#pragma once

#include "platform/Timer.h"

#include <QElapsedTimer>
#include <functional>

class AudioPlayer;
class BackgroundAudio;
class MediaPlayerControl;
class Transport;
class VideoPlayer;
class VolumeFades;

// What the panic silences and stops.
struct PanicPlayers {
    VolumeFades& volume;       // the master volume
    Timer& volumeFade;         // the master volume's fade, which would fight the panic's
    Transport& audioTransport; // whether the audio player plays
    AudioPlayer& audio;
    VideoPlayer& video;
    MediaPlayerControl& videoOutput; // the video player on the main window
    MediaPlayerControl& backgroundPlayer;
    BackgroundAudio& background;
    // The projector's player; null while its window has not been made.
    std::function<MediaPlayerControl*()> projector;
};

class Panic {
public:
    explicit Panic(const PanicPlayers& players);

    // Starts the fade; while one runs, stops at once.
    void Start();
    bool Running() const { return phase_ != Phase::Idle; }
    // One step: the volume follows the time since the start.
    void Tick();

    static constexpr int kFadeMs = 1000;
    static constexpr int kTickMs = 10;
    // After the stop, the players' buffers have drained before the volume comes back.
    static constexpr int kRestoreAfterMs = 250;

    Timer timer;
    // Milliseconds since an arbitrary start (tests drive their own clock).
    std::function<qint64()> now;

private:
    enum class Phase { Idle, Fading, Stopped };
    void applyLevel(double fraction);
    void stopAll();
    void restore();

    PanicPlayers p_;
    Phase phase_ = Phase::Idle;
    qint64 started_ = 0;
    qint64 stoppedAt_ = 0;
    long master_ = 0; // the mixer value at the start
    int video_ = 0, projector_ = 0, background_ = 0;
    QElapsedTimer clock_;
};
