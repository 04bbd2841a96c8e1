#include "ui/WindowParts.h"

#include "app/Commands.h"
#include "app/ControlPanel.h"
#include "app/Recovery.h"
#include "core/MasterVolume.h"
#include "core/ScriptEditor.h"
#include "display/Monitors.h"
#include "media/AudioPlayer.h"
#include "media/VideoPlayer.h"
#include "media/VolumeFades.h"
#include "platform/Dialogs.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "platform/Twips.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "ui/AboutWindow.h"
#include "ui/AddCommand.h"
#include "ui/FindReplace.h"
#include "ui/Form1.h"
#include "ui/Localization.h"
#include "ui/MenuImages.h"
#include "ui/ProjectorWindow.h"
#include "ui/WindowVideoOutputs.h"
#include "ui/WindowVisuals.h"
#include "ui/ZoomWindow.h"

#include <QPrinter>
#include <memory>

namespace {

// The knob placed at the percentage of its travel, and the volume taken from it.
void setKnob(Form1& form, double percent) {
    MasterVolume& master = form.core.masterVolume;
    const double top = RoundInt(master.TravelTop());
    const double bottom = RoundInt(master.TravelBottom());
    master.SetPosition(bottom - (bottom - top) / 100.0 * percent);
    form.volume->ChooseLevelFromPlace();
    form.volume->ImpostaVolume();
    form.Label6->setCaption(DecimalText(percent));
}

// The picture on the second monitor's picture window when there is one, else on this window.
void showPicture(Form1& form, bool shown) {
    if (!shown) {
        if (form.imgZoom->Visible()) form.imgZoom->setVisible(false);
        PictureBox* picture = form.ZoomWindow().Image1;
        if (picture->Visible()) picture->setVisible(false);
    } else if (form.Monitors->Count() > 1) {
        PictureBox* picture = form.ZoomWindow().Image1;
        if (!picture->Visible()) picture->setVisible(true);
    } else if (!form.imgZoom->Visible()) {
        form.imgZoom->setVisible(true);
    }
}

} // namespace

EditParts MakeEditParts(Form1& form) {
    return {*form.scriptDocument, form.core.session, *form.formatBar,
            [&form] { form.findReplace->ChiudiTrova(); }};
}

InterpreteParts MakeInterpreteParts(Form1& form) {
    return {form.core.state,
            *form.scriptDocument,
            form.core.audio,
            form.core.video,
            *form.volume,
            *form.audio,
            *form.video,
            *form.backgroundPlayer,
            *form.background,
            [&form](double percent) { setKnob(form, percent); },
            [&form](bool shown) { showPicture(form, shown); }};
}

void BuildCueLookup(Form1& form) {
    // A lookup built again (on a test's spies) keeps who is told of a cue that failed.
    std::function<void(const QString&)> failed = form.cues ? form.cues->onCueFailed : nullptr;
    form.cues = std::make_unique<CueLookup>(CueLookupParts{
        form.core.state, form.core.session, *form.scriptDocument, form, form.core.audio,
        form.core.video, *form.interprete, *form.routing, *form.audio, *form.video, *form.edit,
        *form.shell,
        [&form](bool audio) { (audio ? form.mnuAudio : form.mnuVideo)->setMenuVisible(true); },
        [&form] { form.visuals->cmdPlayA_MouseMove(0, 0, 0, 0); },
        [&form] { form.visuals->SpegniEvidenza(); },
        [&form](double x, double y) {
            const QPoint at(TwipsToPixelsX(x), TwipsToPixelsY(y));
            form.mnuModifica->popup(form.RTB->viewport()->mapToGlobal(at));
        }});
    CueLookup* cues = form.cues.get();
    cues->onCueFailed = failed;
    RichTextBox* rtb = form.RTB;
    rtb->onClick = [cues] { cues->RTB_Click(); };
    rtb->onDblClick = [cues] { cues->RTB_DblClick(); };
    rtb->onKeyPress = [cues](int& ascii) { cues->RTB_KeyPress(ascii); };
    rtb->onKeyDown = [cues](int& code, int& shift) { cues->RTB_KeyDown(code, shift); };
    rtb->onKeyUp = [cues](int& code, int& shift) { cues->RTB_KeyUp(code, shift); };
    rtb->onMouseDown = [cues](int b, int s, double x, double y) {
        cues->RTB_MouseDown(b, s, x, y);
    };
    rtb->onMouseMove = [cues](int b, int s, double x, double y) {
        cues->RTB_MouseMove(b, s, x, y);
    };
    rtb->ownsShortcut = [cues](int code, int shift) { return cues->HandlesKey(code, shift); };
}

ShowModeParts MakeShowModeParts(Form1& form) {
    ShowModeParts parts{form.core.state,
                        *form.scriptDocument,
                        form,
                        *form.cues,
                        *form.videoOutputs,
                        PanicPlayers{*form.volume, *form.Timer3, form.core.audio, *form.audio,
                                     *form.video, *form.panelPlayer, *form.backgroundPlayer,
                                     *form.background, [&form]() -> MediaPlayerControl* {
                                         return form.HasProjectorWindow()
                                                    ? form.projectorPlayer.get()
                                                    : nullptr;
                                     }}};
    parts.resume = [&form] {
        if (form.core.audio.state() == Transport::State::Paused) form.audio->cmdPlayA_Click();
        if (form.core.video.state() == Transport::State::Paused) form.video->cmdPlayV_Click();
    };
    return parts;
}

WebRemoteParts MakeWebRemoteParts(Form1& form) {
    return {*form.showMode,
            form.core.state,
            *form.scriptDocument,
            form.core.audio,
            form.core.video,
            form.core.masterVolume,
            form};
}

LifecycleParts MakeLifecycleParts(Form1& form) {
    return {form.core.session,
            *form.scriptDocument,
            form.core.audio,
            form.core.video,
            *form.volume,
            form.core.masterVolume,
            *form.audio,
            *form.panelPlayer,
            *form.backgroundPlayer,
            *form.edit,
            *form.shell,
            *form.controlPanel,
            *form.recovery,
            [&form] {
                form.visuals->PosizionaManopola();
                form.visuals->AdattaBarraStrumenti();
            },
            [&form] { form.lingua->CambiaLingua2(); },
            [&form](const QString& commandLine) { form.OpenCommandLineScript(commandLine); },
            [&form] { return form.isVisible(); },
            [&form] { form.close(); },
            [&form] {
                const auto going = [](const MediaPlayerControl& player) {
                    const QString state = player.State();
                    return state == QLatin1String("playing") || state == QLatin1String("paused");
                };
                if (form.HasProjectorWindow() &&
                    (form.ProjectorWindow().isVisible() || going(*form.projectorPlayer)))
                    return true;
                return form.HasZoomWindow() && form.ZoomWindow().isVisible();
            }};
}

ShellParts MakeShellParts(Form1& form) {
    // Exit and the control panel are built after these commands, so they are found late.
    // The printer is made at the first print, not at start-up (it loads the print system), then
    // kept so that the printer and settings chosen stay for the next print.
    auto printer = std::make_shared<std::unique_ptr<QPrinter>>();
    return {form.core.session,
            *form.scriptDocument,
            *form.edit,
            *form.recovery,
            form,
            form,
            *form.Timer4,
            [&form] { form.lifecycle->mnuEsci_Click(); },
            [&form] { form.controlPanel->mnuImpostaAudio_Click(); },
            [&form] { CaricaImmaginiMenu(form); },
            [&form, printer] {
                if (!*printer) *printer = std::make_unique<QPrinter>();
                if (dialogs().ScegliStampante(&form, printer->get()))
                    form.RTB->SelPrint(printer->get());
            },
            [&form] { mnuAddCommand_Click(*form.scriptDocument, &form); },
            [&form] { frmInfo::Open(form); }};
}
