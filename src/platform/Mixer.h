// The system's master volume: the speakers' volume control of the default sound device.
#pragma once

class Mixer {
public:
    virtual ~Mixer();
    // Opens the default device; false when there is none.
    virtual bool mixerOpen() = 0;
    // Finds the speakers' volume control; false when the device has none.
    virtual bool GetMixerControl() = 0;
    // The control's maximum value.
    virtual long VolumeMax() const = 0;
    // Sets every channel; a value beyond the range is clamped. False when it failed.
    virtual bool SetMixerControlValue(long value) = 0;
    // Lets go of the device, whose sound server may have gone; the next mixerOpen() opens it
    // anew.
    virtual void mixerClose() {}
};

// The mixer the program uses: ALSA's default device, unless a test installed another.
Mixer& mixer();
// Starts opening the real mixer on a helper thread, so that the sound server answers while
// the window is being built; the first mixerOpen() takes the result. Call once, early.
void OpenMixerAhead();
// Installs another mixer (tests); nullptr restores the real one. The caller keeps ownership.
void SetMixer(Mixer* replacement);
