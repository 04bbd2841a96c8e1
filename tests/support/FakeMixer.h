// A master volume for tests: it keeps the last value set, so that no test changes the volume
// of the machine's sound server unless it means to.
#pragma once

#include "platform/Mixer.h"

#include <algorithm>

struct FakeMixer : Mixer {
    bool mixerOpen() override { return opens; }
    bool GetMixerControl() override { return opens; }
    long VolumeMax() const override { return 65536; }
    bool SetMixerControlValue(long v) override {
        value = std::clamp(v, 0L, VolumeMax());
        ++sets;
        return true;
    }
    bool opens = true;
    long value = -1;
    int sets = 0;
};

// The fake every test starts with (installed by the test entry point).
FakeMixer& TestMixer();
