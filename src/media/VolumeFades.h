// The volume knob, the six fade buttons and the master volume.
#pragma once

class Form1;

class VolumeFades {
public:
    explicit VolumeFades(Form1& form) : form_(form) {}
    virtual ~VolumeFades() = default;

    // Fades in (fast, normal, slow) and out (fast, normal, slow), and applying the knob's
    // volume: they come with the mixer; until then they do nothing.
    virtual void Image4_Click() {}
    virtual void Image5_Click() {}
    virtual void Image6_Click() {}
    virtual void Image7_Click() {}
    virtual void Image8_Click() {}
    virtual void Image9_Click() {}
    virtual void ImpostaVolume() {}
    // Opens the system mixer at start-up: comes with the mixer; until then it does nothing.
    virtual void ApriMixer() {}

    // Maximum of the master volume control (the ALSA range under PulseAudio).
    long VolumeMax = 65536;

protected:
    Form1& form_;
};
