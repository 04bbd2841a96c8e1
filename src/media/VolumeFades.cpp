#include "media/VolumeFades.h"

#include "core/MasterVolume.h"
#include "core/ShowState.h"
#include "core/VideoOutputs.h"
#include "core/VolumeKnob.h"
#include "i18n/Lingua.h"
#include "platform/Dialogs.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Mixer.h"
#include "platform/Numbers.h"
#include "platform/Timer.h"
#include "script/Interprete.h"

#include <cmath>
#include <limits>

VolumeFades::VolumeFades(MasterVolume& master, ShowState& state, VideoOutputs& outputs,
                         VolumeKnob& knob, Timer& drag, Timer& fade)
    : master_(master), state_(state), outputs_(outputs), knob_(knob), drag_(drag), fade_(fade) {
    master_.SetMax(VolumeMax);
    QObject::connect(&master, &MasterVolume::levelSet, &connections_,
                     [this](long value, double percent) { apply(value, percent); });
}

void VolumeFades::setRange(long max) {
    VolumeMax = max;
    master_.SetMax(max);
}

void VolumeFades::ApriMixer() {
    Mixer& m = mixer();
    if (!m.mixerOpen()) {
        dialogs().MsgBox(Lingua[29], vbmsg::OKOnly);
        return;
    }
    if (m.GetMixerControl()) {
        setRange(m.VolumeMax());
        MixerConnected = true;
    }
}

void VolumeFades::ReconnectMixer() {
    Mixer& m = mixer();
    m.mixerClose();
    MixerConnected = m.mixerOpen() && m.GetMixerControl();
    if (!MixerConnected) return;
    setRange(m.VolumeMax());
    ImpostaVolume();
}

void VolumeFades::TagFromKnob() {
    const double max = double(VolumeMax);
    const double value = std::fabs(
        (knob_.Top() - knob_.TrackTop()) * max / (knob_.TrackHeight() - knob_.Height()) - max);
    knob_.SetLevel(DecimalText(std::trunc(value)));
}

void VolumeFades::ImpostaVolume() {
    ValoreVolume = long(NumericValue(knob_.Level()));
    master_.SetValue(ValoreVolume);
}

void VolumeFades::apply(long value, double percent) {
    ValoreVolume = value;
    if (MixerConnected) mixer().SetMixerControlValue(value);
    const int volume = RoundInt(percent);
    outputs_.PanelPlayer().settings.setVolume(volume);
    if (state_.ProjectorRequested()) outputs_.ProjectorPlayer().settings.setVolume(volume);
}

void VolumeFades::Image2_MouseDown(int button, int, double, double) {
    drag_.setEnabled(true);
    fade_.setEnabled(false); // touching the knob stops a fade
    TastoManopola = button;
}

void VolumeFades::Image2_MouseMove(int button, int, double, double y) {
    TastoManopola = button;
    const double f = knob_.Top() + y - 310;
    const double a = knob_.TrackTop() - knob_.Height() * 1.15;
    MetaManopola = std::max(a, f);
    ImpostaVolume();
    if (knob_.Top() < knob_.TrackTop()) knob_.SetTop(knob_.TrackTop());
    if (knob_.Top() + knob_.Height() > knob_.TrackTop() + knob_.TrackHeight())
        knob_.SetTop(knob_.TrackTop() + knob_.TrackHeight() - knob_.Height());
}

void VolumeFades::Timer2_Timer() {
    if (TastoManopola == 1) {
        double n = RoundInt(MetaManopola - knob_.Height() / 2 + knob_.TrackTop());
        if (n + knob_.Height() - knob_.TrackTop() > knob_.TrackHeight())
            n = RoundInt(knob_.TrackHeight() - knob_.Height() + knob_.TrackTop());
        if (n < 0) n = 0;
        if (knob_.Top() != n) knob_.SetTop(n);
    }
    TagFromKnob();
}

void VolumeFades::Image2_MouseUp(int button, int, double, double) {
    drag_.setEnabled(false);
    TastoManopola = button;
    ImpostaVolume();
}

void VolumeFades::Image3_MouseUp(int button, int, double, double y) {
    TastoManopola = button;
    knob_.SetTop(knob_.TrackTop() + y - knob_.Height() / 2);
    if (knob_.Top() < knob_.TrackTop()) knob_.SetTop(knob_.TrackTop());
    if (knob_.Top() + knob_.Height() > knob_.TrackTop() + knob_.TrackHeight())
        knob_.SetTop(knob_.TrackTop() + knob_.TrackHeight() - knob_.Height());
    TagFromKnob();
    ImpostaVolume();
}

void VolumeFades::Image3_Click() {
    fade_.setEnabled(false);
}

void VolumeFades::startFade(qint16 step) {
    fade_.setEnabled(true);
    PassoFade = step;
    PosizioneFade =
        qint16(qBound(double(std::numeric_limits<qint16>::min()), double(RoundInt(knob_.Top())),
                      double(std::numeric_limits<qint16>::max())));
}

void VolumeFades::Timer3_Timer() {
    // 16-bit arithmetic, as the position is kept: an overflowing step is skipped.
    const int next = int(PosizioneFade) + int(PassoFade);
    if (next >= std::numeric_limits<qint16>::min() && next <= std::numeric_limits<qint16>::max())
        PosizioneFade = qint16(next);
    knob_.SetTop(PosizioneFade);
    TagFromKnob();
    ImpostaVolume();
    if (knob_.Top() + knob_.Height() > knob_.TrackTop() + knob_.TrackHeight()) {
        knob_.SetTop(knob_.TrackTop() + knob_.TrackHeight() - knob_.Height());
        fade_.setEnabled(false);
        knob_.SetLevel(QStringLiteral("0"));
        ImpostaVolume();
    }
    if (knob_.Top() < knob_.TrackTop()) {
        knob_.SetTop(knob_.TrackTop());
        fade_.setEnabled(false);
        knob_.SetLevel(QString::number(VolumeMax));
        ImpostaVolume();
    }
}
