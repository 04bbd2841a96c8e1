#include "app/Lifecycle.h"

#include "app/Commands.h"
#include "app/ControlPanel.h"
#include "app/Recovery.h"
#include "app/Settings.h"
#include "display/ProjectorWindow.h"
#include "display/ZoomWindow.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "media/AudioPlayer.h"
#include "media/VolumeFades.h"
#include "platform/Dialogs.h"
#include "platform/Locale.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "platform/RichTextBox.h"
#include "script/EditCommands.h"
#include "script/Interprete.h"
#include "ui/Form1.h"
#include "ui/Localization.h"
#include "ui/PlayState.h"
#include "ui/WindowVisuals.h"

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
    Form1& f = form_;
    f.volume->ApriMixer();
    f.visuals->PosizionaManopola();
    f.visuals->AdattaBarraStrumenti();
    f.edit->CaricaFont();
    f.Modificato = 0;

    Impostazioni settings;
    settings.Read(SettingsReadPath());
    NomeLingua = settings.line[0];
    applyKnobSettings(settings.line[1], settings.line[2]);
    f.controlPanel->SetScreenSaverOption(NumericValue(settings.line[3]) != 0);
    f.UltimaCartella = settings.line[6];

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
    f.audio->InizializzaPannello();
    f.lingua->CambiaLingua2();
    f.NumeroCopione = 1;
    for (PlayState* state : {f.playA.get(), f.playV.get()}) {
        state->set(false);
        state->showMenuWord(false);
    }
    applyVolumeSetting(settings.line[1]);
    f.core.session.TitleUntitled();
    f.OpenCommandLineScript(commandLine);
    f.edit->InizializzaAnnulla();
    f.shell->ControllaAggiornamenti();
    f.shell->CreaImmaginiMenu();
}

void Lifecycle::applyKnobSettings(const QString& level, const QString& top) {
    // A knob position off the track (a damaged line, or none) must not pull the knob to an end
    // of it: the knob goes where the saved level puts it, or stays where start-up put it.
    PictureBox& knob = *form_.Image2;
    const PictureBox& track = *form_.Image3;
    const double highest = track.Top();
    const double lowest = track.Top() + track.Height() - knob.Height();
    const double saved = NumericValue(top);
    if (saved >= highest && saved <= lowest) {
        knob.setTop(saved);
        return;
    }
    const double max = double(form_.volume->VolumeMax);
    if (const std::optional<double> value = savedLevel(level, max); value && max > 0)
        knob.setTop(lowest - (lowest - highest) * *value / max);
}

void Lifecycle::applyVolumeSetting(const QString& level) {
    if (const std::optional<double> value = savedLevel(level, double(form_.volume->VolumeMax)))
        form_.Image2->Tag = DecimalText(*value);
    else
        form_.volume->TagFromKnob(); // no level saved: the level of the knob's position
    form_.volume->ImpostaVolume();
}

void Lifecycle::SalvaImpostazioni() {
    Form1& f = form_;
    Impostazioni settings;
    settings.line = {NomeLingua,
                     f.Image2->Tag,
                     DecimalText(f.Image2->Top()),
                     f.controlPanel->ScreenSaverOff() ? QStringLiteral("1") : QStringLiteral("0"),
                     QStringLiteral("0"),
                     QStringLiteral("1"),
                     f.UltimaCartella,
                     f.isVisible() ? QStringLiteral("0") : QStringLiteral("1")};
    settings.Write(SettingsPath()); // a failed write is not reported: exit goes on
}

void Lifecycle::Form_Unload(bool& cancel) {
    Form1& f = form_;
    SalvaImpostazioni();
    f.edit->ChiudiTrova();
    if (f.RTB->TextLength() > 0 && f.Modificato == 1 && !UscitaInCorso) {
        QString name;
        if (!f.FileCorrente.isEmpty()) {
            f.AggiornaTitolo(f.FileCorrente);
            name = f.NomeCopione;
        } else {
            name = f.BaseCopione + QString::number(f.NumeroCopione);
        }
        const int answer = dialogs().MsgBox(Lingua[75] + u' ' + name + u'?',
                                            vbmsg::YesNoCancel | vbmsg::Exclamation);
        if (answer == vbmsg::Cancel) {
            cancel = true;
            return;
        }
        if (answer == vbmsg::Yes) {
            if (!f.FileCorrente.isEmpty())
                f.shell->Label2_Click(2);
            else if (f.shell->SalvaConNome() == QLatin1String("1"))
                cancel = true;
            // A save that did not happen keeps the window: quitting would lose the changes.
            if (f.Modificato >= 1) {
                cancel = true;
                return;
            }
            if (cancel) return;
        }
    }
    UscitaInCorso = true;
    // Saved, or discarded as the operator chose: nothing is left to recover.
    f.recovery->Remove();
    f.audio->RiavvolgiAllUscita();
}

bool Lifecycle::ShowRunning() const {
    Form1& f = form_;
    auto going = [](const MediaPlayerControl& player) {
        const QString state = player.State();
        return state == QLatin1String("playing") || state == QLatin1String("paused");
    };
    if (f.playA->playing() || going(*f.WMP2) || going(*f.WMP3)) return true;
    QString mode;
    if (mci().mciSendString(QStringLiteral("status wav1 mode"), &mode) == 0 &&
        (mode == QLatin1String("playing") || mode == QLatin1String("paused")))
        return true;
    if (f.HasProjectorWindow() &&
        (f.ProjectorWindow().isVisible() || going(*f.ProjectorWindow().WMP1)))
        return true;
    return f.HasZoomWindow() && f.ZoomWindow().isVisible();
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
    if (!cancel) form_.close();
}
