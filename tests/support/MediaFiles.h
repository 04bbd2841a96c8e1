// Media made by the tests themselves, and listening to the sound server.
#pragma once

#include "support/Wav.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <functional>

// A small MP4 (moving test picture and a tone of hz) made with ffmpeg; false when ffmpeg is
// missing.
bool MakeMp4(const QString& path, double seconds, int hz = 440);

// A short MIDI file (a few notes, about a second); a write error fails the test and gives false.
bool MakeMidi(const QString& path);

// Runs the event loop until done() or the timeout; returns done().
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 5000);

// True when a PulseAudio server with the sink "show" answers. Where one must be there (CI or
// SCENOLUX_REQUIRE_SOUND set, as the test command does) a missing server fails the calling
// test; elsewhere the caller skips, visibly.
bool SoundServerUp(); // and puts the sink at full volume

// Records the sink "show" for about ms milliseconds while the event loop runs; returns the
// RMS level of what was played (0 for silence, about 0.7 for a full-scale sine).
double RecordedLevel(int ms);

// Records the sink until the level of the last ms milliseconds heard satisfies wanted; false
// when it never does within timeoutMs. A wait for what the audience would notice, never a sleep.
bool HeardAtSink(const std::function<bool(double)>& wanted, int ms, int timeoutMs = 5000);
// The sink has been silent for the last ms milliseconds heard.
inline bool SilenceHeard(int ms, int timeoutMs = 5000) {
    return HeardAtSink([](double level) { return level < 0.01; }, ms, timeoutMs + ms);
}

// Records the sink "show" from its making until stop(), whatever the test does meanwhile.
class SinkRecording {
public:
    SinkRecording();
    ~SinkRecording();
    // Ends the recording tailMs after now, so what was sent just before is heard too.
    void stop(int tailMs = 150);
    // Levels of what was heard, 0 to 1: RMS and the largest single sample. A recording with
    // nothing in it fails the test: a dead recorder must not pass for silence.
    double rms() const;
    double peak() const;
    // While recording: the RMS level of the last ms milliseconds heard so far (-1 until that
    // much has been heard).
    double recentLevel(int ms);
    // Records on until ms more milliseconds of sound have been heard (counted in sound, not in
    // wall time: on a busy machine the recorder lags); false when that takes far longer.
    bool listenFor(int ms);
    // What was heard: mono signed 16-bit samples at 44.1 kHz, little-endian.
    const QByteArray& pcm() const { return pcm_; }
    bool started() const { return started_; }

private:
    QProcess rec_;
    QByteArray pcm_;
    bool started_ = false;
};
