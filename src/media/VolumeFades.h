// The volume knob, the six fade buttons and the master volume.
#pragma once

#include <QString>

class Form1;

class VolumeFades {
public:
    explicit VolumeFades(Form1& form) : form_(form) {}
    virtual ~VolumeFades() = default;

    // Start-up: opens the system mixer; says so once when there is none.
    virtual void ApriMixer();
    // Applies the knob's value (its tag) to the mixer and the players.
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
    // is no mixer so that the knob still drives the players.
    long VolumeMax = 65536;
    bool MixerConnected = false;
    long ValoreVolume = 0;
    int TastoManopola = 0;
    double MetaManopola = 0;
    qint16 PosizioneFade = 0;
    qint16 PassoFade = 0;

protected:
    Form1& form_;

private:
    void startFade(qint16 step);
};
