#include "media/VolumeFades.h"

#include "core/MasterVolume.h"
#include "core/ShowState.h"
#include "core/VideoOutputs.h"
#include "i18n/Lingua.h"
#include "platform/Dialogs.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Mixer.h"
#include "platform/Numbers.h"
#include "script/Interprete.h"
#include "ui/Form1.h"

#include <cmath>
#include <limits>

VolumeFades::VolumeFades(Form1& form, MasterVolume& master, ShowState& state, VideoOutputs& outputs)
    : form_(form), master_(master), state_(state), outputs_(outputs) {
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
    const PictureBox& knob = *form_.Image2;
    const PictureBox& track = *form_.Image3;
    const double max = double(VolumeMax);
    const double value =
        std::fabs((knob.Top() - track.Top()) * max / (track.Height() - knob.Height()) - max);
    form_.Image2->Tag = DecimalText(std::trunc(value));
}

void VolumeFades::ImpostaVolume() {
    ValoreVolume = long(NumericValue(form_.Image2->Tag));
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
    form_.Timer2->setEnabled(true);
    form_.Timer3->setEnabled(false); // touching the knob stops a fade
    TastoManopola = button;
}

void VolumeFades::Image2_MouseMove(int button, int, double, double y) {
    PictureBox& knob = *form_.Image2;
    const PictureBox& track = *form_.Image3;
    TastoManopola = button;
    const double f = knob.Top() + y - 310;
    const double a = track.Top() - knob.Height() * 1.15;
    MetaManopola = std::max(a, f);
    ImpostaVolume();
    if (knob.Top() < track.Top()) knob.setTop(track.Top());
    if (knob.Top() + knob.Height() > track.Top() + track.Height())
        knob.setTop(track.Top() + track.Height() - knob.Height());
}

void VolumeFades::Timer2_Timer() {
    PictureBox& knob = *form_.Image2;
    const PictureBox& track = *form_.Image3;
    if (TastoManopola == 1) {
        double n = RoundInt(MetaManopola - knob.Height() / 2 + track.Top());
        if (n + knob.Height() - track.Top() > track.Height())
            n = RoundInt(track.Height() - knob.Height() + track.Top());
        if (n < 0) n = 0;
        if (knob.Top() != n) knob.setTop(n);
    }
    TagFromKnob();
}

void VolumeFades::Image2_MouseUp(int button, int, double, double) {
    form_.Timer2->setEnabled(false);
    TastoManopola = button;
    ImpostaVolume();
}

void VolumeFades::Image3_MouseUp(int button, int, double, double y) {
    PictureBox& knob = *form_.Image2;
    const PictureBox& track = *form_.Image3;
    TastoManopola = button;
    knob.setTop(track.Top() + y - knob.Height() / 2);
    if (knob.Top() < track.Top()) knob.setTop(track.Top());
    if (knob.Top() + knob.Height() > track.Top() + track.Height())
        knob.setTop(track.Top() + track.Height() - knob.Height());
    TagFromKnob();
    ImpostaVolume();
}

void VolumeFades::Image3_Click() {
    form_.Timer3->setEnabled(false);
}

void VolumeFades::startFade(qint16 step) {
    form_.Timer3->setEnabled(true);
    PassoFade = step;
    PosizioneFade = qint16(qBound(double(std::numeric_limits<qint16>::min()),
                                  double(RoundInt(form_.Image2->Top())),
                                  double(std::numeric_limits<qint16>::max())));
}

void VolumeFades::Timer3_Timer() {
    PictureBox& knob = *form_.Image2;
    const PictureBox& track = *form_.Image3;
    // 16-bit arithmetic, as the position is kept: an overflowing step is skipped.
    const int next = int(PosizioneFade) + int(PassoFade);
    if (next >= std::numeric_limits<qint16>::min() && next <= std::numeric_limits<qint16>::max())
        PosizioneFade = qint16(next);
    knob.setTop(PosizioneFade);
    TagFromKnob();
    ImpostaVolume();
    if (knob.Top() + knob.Height() > track.Top() + track.Height()) {
        knob.setTop(track.Top() + track.Height() - knob.Height());
        form_.Timer3->setEnabled(false);
        form_.Image2->Tag = QStringLiteral("0");
        ImpostaVolume();
    }
    if (knob.Top() < track.Top()) {
        knob.setTop(track.Top());
        form_.Timer3->setEnabled(false);
        form_.Image2->Tag = QString::number(VolumeMax);
        ImpostaVolume();
    }
}
