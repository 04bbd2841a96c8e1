#include "ui/WindowParts.h"

#include "app/Commands.h"
#include "app/ControlPanel.h"
#include "app/Recovery.h"
#include "core/MasterVolume.h"
#include "display/Monitors.h"
#include "display/ProjectorWindow.h"
#include "display/ZoomWindow.h"
#include "media/VolumeFades.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Numbers.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "script/CueLookup.h"
#include "ui/Form1.h"
#include "ui/Localization.h"
#include "ui/MenuImages.h"
#include "ui/WindowVisuals.h"

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
    return {*form.RTB,    form.core.session, *form.findReplace,
            *form.Combo1, *form.Combo2,      form.Label2};
}

InterpreteParts MakeInterpreteParts(Form1& form) {
    return {form.core.state,
            *form.scriptDocument,
            form.core.audio,
            form.core.video,
            *form.volume,
            *form.audio,
            *form.video,
            *form.WMP3,
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
        *form.shell, *form.RTB,
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
    return {
        form.core.state, *form.scriptDocument, form, *form.cues,
        PanicPlayers{*form.volume, *form.Timer3, form.core.audio, *form.audio, *form.video,
                     *form.WMP2, *form.WMP3, *form.background, [&form]() -> MediaPlayerControl* {
                         return form.HasProjectorWindow() ? form.ProjectorWindow().WMP1 : nullptr;
                     }}};
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
            *form.WMP2,
            *form.WMP3,
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
                    (form.ProjectorWindow().isVisible() || going(*form.ProjectorWindow().WMP1)))
                    return true;
                return form.HasZoomWindow() && form.ZoomWindow().isVisible();
            }};
}

ShellParts MakeShellParts(Form1& form) {
    // Exit and the control panel are built after these commands, so they are found late.
    return {form.core.session,
            *form.RTB,
            *form.edit,
            *form.recovery,
            form,
            form,
            *form.Timer4,
            [&form] { form.lifecycle->mnuEsci_Click(); },
            [&form] { form.controlPanel->mnuImpostaAudio_Click(); },
            [&form] { CaricaImmaginiMenu(form); }};
}
