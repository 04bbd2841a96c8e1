#include "ui/WindowShowView.h"

#include "display/Monitors.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "platform/widgets/RichTextBox.h"
#include "platform/widgets/ViewDialogs.h"
#include "script/Interprete.h"
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

WindowShowView::WindowShowView(Form1& form) : form_(form) {}

WindowShowView::~WindowShowView() = default;

ScriptEditor& WindowShowView::Script() {
    return *form_.scriptDocument;
}

VideoOutputs& WindowShowView::Outputs() {
    return *form_.videoOutputs;
}

Notices& WindowShowView::NoticeLine() {
    return form_;
}

FormatBar& WindowShowView::Formats() {
    return *form_.formatBar;
}

QObject& WindowShowView::DialogOwner() {
    return form_;
}

void WindowShowView::ShowVolumePercent(double percent) {
    form_.Label6->setCaption(DecimalText(percent));
}

void WindowShowView::ShowPicture(bool shown) {
    if (!shown) {
        if (form_.imgZoom->Visible()) form_.imgZoom->setVisible(false);
        PictureBox* picture = form_.ZoomWindow().Image1;
        if (picture->Visible()) picture->setVisible(false);
    } else if (form_.Monitors->Count() > 1) {
        PictureBox* picture = form_.ZoomWindow().Image1;
        if (!picture->Visible()) picture->setVisible(true);
    } else if (!form_.imgZoom->Visible()) {
        form_.imgZoom->setVisible(true);
    }
}

void WindowShowView::ShowPlayerMenu(bool audio) {
    (audio ? form_.mnuAudio : form_.mnuVideo)->setMenuVisible(true);
}

void WindowShowView::PlayButtonHover() {
    form_.visuals->cmdPlayA_MouseMove(0, 0, 0, 0);
}

void WindowShowView::ClearHighlight() {
    form_.visuals->SpegniEvidenza();
}

void WindowShowView::ShowEditMenu(double x, double y) {
    const QPoint at(TwipsToPixelsX(x), TwipsToPixelsY(y));
    form_.mnuModifica->popup(form_.RTB->viewport()->mapToGlobal(at));
}

void WindowShowView::CloseFind() {
    form_.findReplace->ChiudiTrova();
}

void WindowShowView::LayOut() {
    form_.visuals->PosizionaManopola();
    form_.visuals->AdattaBarraStrumenti();
}

void WindowShowView::Translate() {
    form_.lingua->CambiaLingua2();
}

void WindowShowView::OpenScript(const QString& commandLine) {
    form_.OpenCommandLineScript(commandLine);
}

bool WindowShowView::WindowVisible() {
    return form_.isVisible();
}

void WindowShowView::CloseWindow() {
    form_.close();
}

bool WindowShowView::SecondMonitorShowing() {
    if (form_.HasProjectorWindow() && form_.ProjectorWindow().isVisible()) return true;
    return form_.HasZoomWindow() && form_.ZoomWindow().isVisible();
}

void WindowShowView::ShowScreenSaverOption(bool on) {
    form_.mnuScreenSaver->setChecked(on);
}

void WindowShowView::LoadMenuPictures() {
    CaricaImmaginiMenu(form_);
}

void WindowShowView::Print() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    if (viewDialogs().ScegliStampante(&form_, printer_.get())) form_.RTB->SelPrint(printer_.get());
}

void WindowShowView::AddCommand() {
    mnuAddCommand_Click(*form_.scriptDocument, &form_);
}

void WindowShowView::About() {
    frmInfo::Open(form_);
}
