#include "app/Lifecycle.h"

#include "app/Commands.h"
#include "app/ControlPanel.h"
#include "app/Recovery.h"
#include "app/Settings.h"
#include "core/MasterVolume.h"
#include "core/ScriptDocument.h"
#include "core/ScriptSession.h"
#include "core/Transport.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "media/AudioPlayer.h"
#include "media/VolumeFades.h"
#include "platform/Dialogs.h"
#include "platform/Locale.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "script/EditCommands.h"
#include "script/Interprete.h"

#include <cmath>
#include <optional>

namespace {

// The level the settings hold, within the mixer's range: the numeric value of the line (0 when
// it holds no number, so a damaged line starts the show silent, never loud), or none when the
// line is empty, where the knob's position gives the level.
std::optional<double> savedLevel(const QString& line, double max) {
    if (line.trimmed().isEmpty()) return std::nullopt;
    return std::trunc(qBound(0.0, NumericValue(line), max));
}

} // namespace

void Lifecycle::Form_Load(const QString& commandLine) {
    ScriptSession& session = p_.session;
    p_.volume.ApriMixer();
    p_.layOut();
    p_.edit.CaricaFont();
    session.SetModificato(0);

    Impostazioni settings;
    settings.Read(SettingsReadPath());
    NomeLingua = settings.line[0];
    applyKnobSettings(settings.line[1], settings.line[2]);
    p_.controlPanel.SetScreenSaverOption(NumericValue(settings.line[3]) != 0);
    session.UltimaCartella = settings.line[6];

    if (NomeLingua.trimmed().isEmpty())
        NomeLingua = LinguaDellaFinestra(UserCountryCode(), LanguageFolder());
    const QString languageFile = LanguageFolder() + u'/' + NomeLingua;
    if (!CaricaLingua(languageFile, nullptr, true)) {
        // Replaced by the start-up already, or (a portable copy) replaced here, saying so.
        const bool told = !LinguaSostituita.isEmpty() && NomeLingua == LinguaSostituita;
        const QString used = LinguaDiRiserva(LanguageFolder());
        if (!told)
            dialogs().MsgBox(MessageText(Msg::LanguageFallback).arg(languageFile, used),
                             vbmsg::OKOnly | vbmsg::Information);
        NomeLingua = used;
    }
    p_.audio.InizializzaPannello();
    p_.translate();
    session.NumeroCopione = 1;
    for (Transport* transport : {&p_.audioTransport, &p_.videoTransport}) {
        transport->SetPlaying(false);
        transport->SetMenuWordPlaying(false);
    }
    applyVolumeSetting(settings.line[1]);
    session.TitleUntitled();
    p_.openScript(commandLine);
    p_.edit.InizializzaAnnulla();
    p_.shell.ControllaAggiornamenti();
    p_.shell.CreaImmaginiMenu();
}

void Lifecycle::applyKnobSettings(const QString& level, const QString& top) {
    // A knob position off the track (a damaged line, or none) must not pull the knob to an end
    // of it: the knob goes where the saved level puts it, or stays where start-up put it.
    MasterVolume& master = p_.masterVolume;
    const double highest = master.TravelTop();
    const double lowest = master.TravelBottom();
    const double saved = NumericValue(top);
    if (saved >= highest && saved <= lowest) {
        master.SetPosition(saved);
        return;
    }
    const double max = double(p_.volume.VolumeMax);
    if (const std::optional<double> value = savedLevel(level, max); value && max > 0)
        master.SetPosition(lowest - (lowest - highest) * *value / max);
}

void Lifecycle::applyVolumeSetting(const QString& level) {
    if (const std::optional<double> value = savedLevel(level, double(p_.volume.VolumeMax)))
        p_.masterVolume.SetChosenLevel(DecimalText(*value));
    else
        p_.volume.ChooseLevelFromPlace(); // no level saved: the level of the knob's position
    p_.volume.ImpostaVolume();
}

void Lifecycle::SalvaImpostazioni() {
    Impostazioni settings;
    settings.line = {NomeLingua,
                     p_.masterVolume.ChosenLevel(),
                     DecimalText(p_.masterVolume.Position()),
                     p_.controlPanel.ScreenSaverOff() ? QStringLiteral("1") : QStringLiteral("0"),
                     QStringLiteral("0"),
                     QStringLiteral("1"),
                     p_.session.UltimaCartella,
                     p_.windowVisible() ? QStringLiteral("0") : QStringLiteral("1")};
    settings.Write(SettingsPath()); // a failed write is not reported: exit goes on
}

void Lifecycle::Form_Unload(bool& cancel) {
    ScriptSession& session = p_.session;
    SalvaImpostazioni();
    p_.edit.ChiudiTrova();
    if (!p_.script.Text().isEmpty() && session.Modificato() == 1 && !UscitaInCorso) {
        QString name;
        if (!session.FileCorrente.isEmpty()) {
            session.AggiornaTitolo(session.FileCorrente);
            name = session.NomeCopione;
        } else {
            name = session.BaseCopione + QString::number(session.NumeroCopione);
        }
        const int answer = dialogs().MsgBox(Lingua[75] + u' ' + name + u'?',
                                            vbmsg::YesNoCancel | vbmsg::Exclamation);
        if (answer == vbmsg::Cancel) {
            cancel = true;
            return;
        }
        if (answer == vbmsg::Yes) {
            if (!session.FileCorrente.isEmpty())
                p_.shell.Label2_Click(2);
            else if (p_.shell.SalvaConNome() == QLatin1String("1"))
                cancel = true;
            // A save that did not happen keeps the window: quitting would lose the changes.
            if (session.Modificato() >= 1) {
                cancel = true;
                return;
            }
            if (cancel) return;
        }
    }
    UscitaInCorso = true;
    // Saved, or discarded as the operator chose: nothing is left to recover.
    p_.recovery.Remove();
    p_.audio.RiavvolgiAllUscita();
}

bool Lifecycle::ShowRunning() const {
    auto going = [](const MediaPlayerControl& player) {
        const QString state = player.State();
        return state == QLatin1String("playing") || state == QLatin1String("paused");
    };
    const auto started = [](const Transport& transport) {
        return transport.state() != Transport::State::Stopped;
    };
    if (p_.audioTransport.Playing() || going(p_.videoOutput) || started(p_.backgroundTransport))
        return true;
    QString mode;
    if (mci().mciSendString(QStringLiteral("status wav1 mode"), &mode) == 0 &&
        (mode == QLatin1String("playing") || mode == QLatin1String("paused")))
        return true;
    return started(p_.projectorTransport) || p_.secondMonitorShowing();
}

void Lifecycle::EscapeKey() {
    // One key must not end a running show.
    if (ShowRunning() &&
        dialogs().MsgBox(MessageText(Msg::ExitStopShow),
                         vbmsg::YesNo | vbmsg::Question | vbmsg::DefaultButton2) != vbmsg::Yes)
        return;
    mnuEsci_Click();
}

void Lifecycle::mnuEsci_Click() {
    UscitaInCorso = false;
    bool cancel = false;
    Form_Unload(cancel);
    if (!cancel) p_.closeWindow();
}
