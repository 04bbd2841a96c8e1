#include "ui/VolumeKnob.h"

#include "core/MasterVolume.h"
#include "media/VolumeFades.h"
#include "platform/Numbers.h"
#include "platform/Timer.h"
#include "platform/Twips.h"
#include "ui/Controls.h"

#include <algorithm>

VolumeKnob::VolumeKnob(MasterVolume& master, std::function<VolumeFades&()> fades, PictureBox& knob,
                       PictureBox& track, Timer& drag)
    : master_(master), fades_(std::move(fades)), knob_(knob), track_(track), drag_(drag) {
    master_.SetTravel(track.Top(), track.Height() - knob.Height(),
                      [](double twips) { return PixelsToTwipsY(TwipsToPixelsY(twips)); });
    QObject::connect(&master, &MasterVolume::positionSet, &connections_,
                     [this](double twips) { knob_.setTop(twips); });
    master_.SetPosition(knob.Top());
}

void VolumeKnob::Image2_MouseDown(int button, int, double, double) {
    drag_.setEnabled(true);
    fades_().StopFade();
    TastoManopola = button;
}

void VolumeKnob::Image2_MouseMove(int button, int, double, double y) {
    TastoManopola = button;
    const double f = knob_.Top() + y - 310;
    const double a = track_.Top() - knob_.Height() * 1.15;
    MetaManopola = std::max(a, f);
    fades_().ImpostaVolume();
    if (knob_.Top() < track_.Top()) master_.SetPosition(track_.Top());
    if (knob_.Top() + knob_.Height() > track_.Top() + track_.Height())
        master_.SetPosition(track_.Top() + track_.Height() - knob_.Height());
}

void VolumeKnob::Timer2_Timer() {
    if (TastoManopola == 1) {
        double n = RoundInt(MetaManopola - knob_.Height() / 2 + track_.Top());
        if (n + knob_.Height() - track_.Top() > track_.Height())
            n = RoundInt(track_.Height() - knob_.Height() + track_.Top());
        if (n < 0) n = 0;
        if (knob_.Top() != n) master_.SetPosition(n);
    }
    fades_().ChooseLevelFromPlace();
}

void VolumeKnob::Image2_MouseUp(int button, int, double, double) {
    drag_.setEnabled(false);
    TastoManopola = button;
    fades_().ImpostaVolume();
}

void VolumeKnob::Image3_MouseUp(int button, int, double, double y) {
    TastoManopola = button;
    master_.SetPosition(track_.Top() + y - knob_.Height() / 2);
    if (knob_.Top() < track_.Top()) master_.SetPosition(track_.Top());
    if (knob_.Top() + knob_.Height() > track_.Top() + track_.Height())
        master_.SetPosition(track_.Top() + track_.Height() - knob_.Height());
    fades_().ChooseLevelFromPlace();
    fades_().ImpostaVolume();
}

void VolumeKnob::Image3_Click() {
    fades_().StopFade();
}
