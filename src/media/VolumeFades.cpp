#include "media/VolumeFades.h"

#include "core/MasterVolume.h"
#include "core/ShowState.h"
#include "core/VideoOutputs.h"
#include "i18n/Lingua.h"
#include "platform/Dialogs.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Mixer.h"
#include "platform/Numbers.h"
#include "platform/Timer.h"
#include "script/Interprete.h"

#include <cmath>
#include <limits>

VolumeFades::VolumeFades(MasterVolume& master, ShowState& state, VideoOutputs& outputs, Timer& fade)
    : master_(master), state_(state), outputs_(outputs), fade_(fade) {
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

void VolumeFades::ChooseLevelFromPlace() {
    master_.SetChosenLevel(DecimalText(std::trunc(master_.LevelAt(master_.Position()))));
}

void VolumeFades::ImpostaVolume() {
    ValoreVolume = long(NumericValue(master_.ChosenLevel()));
    master_.SetValue(ValoreVolume);
}

void VolumeFades::apply(long value, double percent) {
    ValoreVolume = value;
    if (MixerConnected) mixer().SetMixerControlValue(value);
    const int volume = RoundInt(percent);
    outputs_.PanelPlayer().settings.setVolume(volume);
    if (state_.ProjectorRequested()) outputs_.ProjectorPlayer().settings.setVolume(volume);
}

void VolumeFades::StopFade() {
    fade_.setEnabled(false);
}

void VolumeFades::startFade(qint16 step) {
    fade_.setEnabled(true);
    PassoFade = step;
    PosizioneFade = qint16(qBound(double(std::numeric_limits<qint16>::min()),
                                  double(RoundInt(master_.Position())),
                                  double(std::numeric_limits<qint16>::max())));
}

void VolumeFades::Timer3_Timer() {
    // 16-bit arithmetic, as the position is kept: an overflowing step is skipped.
    const int next = int(PosizioneFade) + int(PassoFade);
    if (next >= std::numeric_limits<qint16>::min() && next <= std::numeric_limits<qint16>::max())
        PosizioneFade = qint16(next);
    master_.SetPosition(PosizioneFade);
    ChooseLevelFromPlace();
    ImpostaVolume();
    if (master_.Position() > master_.TravelBottom()) {
        master_.SetPosition(master_.TravelBottom());
        fade_.setEnabled(false);
        master_.SetChosenLevel(QStringLiteral("0"));
        ImpostaVolume();
    }
    if (master_.Position() < master_.TravelTop()) {
        master_.SetPosition(master_.TravelTop());
        fade_.setEnabled(false);
        master_.SetChosenLevel(QString::number(VolumeMax));
        ImpostaVolume();
    }
}
