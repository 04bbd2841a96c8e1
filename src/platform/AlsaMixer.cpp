// The master volume over ALSA's simple mixer on the default device (PulseAudio or PipeWire
// behind it): the element "Master", else the first element with a playback volume.
#include "platform/Mixer.h"

#include <algorithm>
#include <alsa/asoundlib.h>
#include <future>
#include <string>

namespace {

// The default device's simple mixer, loaded; nullptr when there is none.
snd_mixer_t* openDefault() {
    snd_mixer_t* h = nullptr;
    if (snd_mixer_open(&h, 0) < 0) return nullptr;
    if (snd_mixer_attach(h, "default") < 0 || snd_mixer_selem_register(h, nullptr, nullptr) < 0 ||
        snd_mixer_load(h) < 0) {
        snd_mixer_close(h);
        return nullptr;
    }
    return h;
}

class AlsaMixer : public Mixer {
public:
    ~AlsaMixer() override {
        if (ahead_.valid()) handle_ = ahead_.get();
        if (handle_) snd_mixer_close(handle_);
    }

    bool mixerOpen() override {
        if (handle_) return true;
        handle_ = ahead_.valid() ? ahead_.get() : openDefault();
        return handle_ != nullptr;
    }

    void mixerClose() override {
        if (ahead_.valid()) handle_ = ahead_.get();
        if (handle_) snd_mixer_close(handle_);
        handle_ = nullptr;
        element_ = nullptr;
    }

    void openAhead() {
        if (!handle_ && !ahead_.valid()) ahead_ = std::async(std::launch::async, openDefault);
    }

    bool GetMixerControl() override {
        if (!handle_) return false;
        element_ = nullptr;
        for (snd_mixer_elem_t* e = snd_mixer_first_elem(handle_); e; e = snd_mixer_elem_next(e)) {
            if (!snd_mixer_selem_has_playback_volume(e)) continue;
            if (!element_) element_ = e;
            if (std::string(snd_mixer_selem_get_name(e)) == "Master") {
                element_ = e;
                break;
            }
        }
        if (!element_) return false;
        long low = 0, high = 0;
        snd_mixer_selem_get_playback_volume_range(element_, &low, &high);
        low_ = low;
        high_ = high;
        return high_ > low_;
    }

    long VolumeMax() const override { return high_ - low_; }

    bool SetMixerControlValue(long value) override {
        if (!element_) return false;
        const long clamped = std::clamp(value, 0L, VolumeMax());
        return snd_mixer_selem_set_playback_volume_all(element_, low_ + clamped) == 0;
    }

private:
    snd_mixer_t* handle_ = nullptr;
    // The opening started ahead, on its own thread, until mixerOpen() takes it.
    std::future<snd_mixer_t*> ahead_;
    snd_mixer_elem_t* element_ = nullptr;
    long low_ = 0, high_ = 0;
};

Mixer* installed = nullptr;

AlsaMixer& alsaMixer() {
    static AlsaMixer alsa;
    return alsa;
}

} // namespace

Mixer::~Mixer() = default;

Mixer& mixer() {
    if (installed) return *installed;
    return alsaMixer();
}

void OpenMixerAhead() {
    alsaMixer().openAhead();
}

void SetMixer(Mixer* replacement) {
    installed = replacement;
}
