// The volume knob and the six fade buttons, which set the show's master volume, and the
// mixer and the players, which follow it.
#pragma once

#include <QObject>
#include <QString>

class MasterVolume;
class ShowState;
class Timer;
class VideoOutputs;
class VolumeKnob;

class VolumeFades {
public:
    // The drag timer follows the knob while a button holds it; the fade timer steps a fade.
    VolumeFades(MasterVolume& master, ShowState& state, VideoOutputs& outputs, VolumeKnob& knob,
                Timer& drag, Timer& fade);
    virtual ~VolumeFades() = default;

    // Start-up: opens the system mixer; says so once when there is none.
    virtual void ApriMixer();
    // The knob's value (its tag) becomes the master volume, which the mixer and the players
    // follow.
    virtual void ImpostaVolume();
    // The sound server is back (or came for the first time): the mixer is opened on it again
    // and the knob's level put on it, so the room is never louder than the knob says.
    void ReconnectMixer();

    void Image2_MouseDown(int button, int shift, double x, double y);
    void Image2_MouseMove(int button, int shift, double x, double y);
    void Image2_MouseUp(int button, int shift, double x, double y);
    void Timer2_Timer();
    void Image3_MouseUp(int button, int shift, double x, double y);
    void Image3_Click();

    // Fades in (fast, normal, slow) and out (fast, normal, slow).
    virtual void Image4_Click() { startFade(-10); }
    virtual void Image5_Click() { startFade(-5); }
    virtual void Image6_Click() { startFade(-1); }
    virtual void Image7_Click() { startFade(+10); }
    virtual void Image8_Click() { startFade(+5); }
    virtual void Image9_Click() { startFade(+1); }
    void Timer3_Timer();
    // The knob's value from its position (VolumeMax at the top of the travel, 0 at the
    // bottom), into the knob's tag.
    void TagFromKnob();

    // Maximum of the master volume control (the ALSA range under PulseAudio), kept when there
    // is no mixer so that the knob still drives the players; the master volume's range.
    long VolumeMax = 65536;
    bool MixerConnected = false;
    long ValoreVolume = 0; // the master volume's value, for the code that still reads it here
    int TastoManopola = 0;
    double MetaManopola = 0;
    qint16 PosizioneFade = 0;
    qint16 PassoFade = 0;

protected:
    MasterVolume& master_;
    ShowState& state_;
    VideoOutputs& outputs_;
    VolumeKnob& knob_;
    Timer& drag_;
    Timer& fade_;

private:
    void startFade(qint16 step);
    void setRange(long max);
    // Puts the master volume on the mixer and the players.
    void apply(long value, double percent);
    QObject connections_; // ends the master volume's connection with this object
};
