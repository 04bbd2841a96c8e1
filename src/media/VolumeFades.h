// The six fade buttons, which move the show's master volume along the knob's travel, and the
// mixer and the players, which follow the level.
#pragma once

#include <QObject>
#include <QString>

class MasterVolume;
class ShowState;
class Timer;
class VideoOutputs;

class VolumeFades {
public:
    // The fade timer steps a fade.
    VolumeFades(MasterVolume& master, ShowState& state, VideoOutputs& outputs, Timer& fade);
    virtual ~VolumeFades() = default;

    // Start-up: opens the system mixer; says so once when there is none.
    virtual void ApriMixer();
    // The level chosen (by the knob's place or a fade's end) becomes the master volume, which
    // the mixer and the players follow.
    virtual void ImpostaVolume();
    // The sound server is back (or came for the first time): the mixer is opened on it again
    // and the knob's level put on it, so the room is never louder than the knob says.
    void ReconnectMixer();

    // Touching the knob or its track stops a fade.
    void StopFade();

    // Fades in (fast, normal, slow) and out (fast, normal, slow).
    virtual void Image4_Click() { startFade(-10); }
    virtual void Image5_Click() { startFade(-5); }
    virtual void Image6_Click() { startFade(-1); }
    virtual void Image7_Click() { startFade(+10); }
    virtual void Image8_Click() { startFade(+5); }
    virtual void Image9_Click() { startFade(+1); }
    void Timer3_Timer();
    // The level of the master volume's place on the travel (VolumeMax at the top, 0 at the
    // bottom) becomes the chosen level.
    void ChooseLevelFromPlace();

    // Maximum of the master volume control (the ALSA range under PulseAudio), kept when there
    // is no mixer so that the knob still drives the players; the master volume's range.
    long VolumeMax = 65536;
    bool MixerConnected = false;
    long ValoreVolume = 0; // the master volume's value, for the code that still reads it here
    // A fade's place and step on the travel, in the travel's steps, kept in 16 bits.
    qint16 PosizioneFade = 0;
    qint16 PassoFade = 0;

protected:
    MasterVolume& master_;
    ShowState& state_;
    VideoOutputs& outputs_;
    Timer& fade_;

private:
    void startFade(qint16 step);
    void setRange(long max);
    // Puts the master volume on the mixer and the players.
    void apply(long value, double percent);
    QObject connections_; // ends the master volume's connection with this object
};
