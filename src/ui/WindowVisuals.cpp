#include "ui/WindowVisuals.h"

#include "app/Paths.h"
#include "core/MasterVolume.h"
#include "i18n/Lingua.h"
#include "media/VolumeFades.h"
#include "platform/widgets/MediaPlayerView.h"
#include "platform/widgets/RichTextBox.h"
#include "script/Interprete.h"
#include "ui/Form1.h"

#include <cmath>

namespace {

constexpr double kMinWidth = 11340;
constexpr double kMinHeight = 8535;

// Design geometry of the toolbar hotspots (twips) and the toolbar picture's design height.
constexpr int kHotspotLeft[WindowVisuals::kHotspots] = {60,   480,  930,  1365, 1890, 2310,
                                                        2730, 3150, 3690, 4140, 4590, 5085,
                                                        5550, 5970, 6470, 6950, 7390};
constexpr int kHotspotTop = 30;
constexpr int kHotspotHeight = 435;
constexpr double kToolbarDesignHeight = 375;
constexpr double kLetterPoints = 14.25;

int hotspotWidth(int i) {
    return i >= 14 ? 485 : 435;
}

} // namespace

// ---- layout ----

void WindowVisuals::Form_Resize() {
    // A minimized window cannot be laid out; the next resize does it.
    if (form_.isMinimized()) return;
    if (form_.WindowWidth() < kMinWidth || form_.WindowHeight() < kMinHeight) {
        if (!form_.isMaximized() && !form_.isFullScreen())
            form_.SetWindowSize(std::max(form_.WindowWidth(), kMinWidth),
                                std::max(form_.WindowHeight(), kMinHeight));
    }
    const double w = std::max(form_.WindowWidth(), kMinWidth);
    const double h = std::max(form_.WindowHeight(), kMinHeight);
    Label& frame = *form_.Label1;
    frame.setWidth(w - form_.Picture2->Width() - 400);
    frame.setHeight(h - frame.Top() - 920);
    TwipsGeometry editor(form_.RTB);
    editor.setWidth(frame.Width() - 2 * (editor.Left() - frame.Left()));
    editor.setHeight(frame.Height() - 2 * (editor.Top() - frame.Top()));
    form_.Picture2->setLeft(w - form_.Picture2->Width() - 320);
    form_.Picture3->setLeft(form_.Picture2->Left());
    form_.Line1->setX2(w);
    form_.Line2->setX2(w);
    form_.PlaceVideoOutput();
    const TwipsGeometry player(form_.WMP2);
    // The background player and the picture keep their place beside the panels, so that the
    // operator can still reach them in a wider window. The background player sits under the
    // video output when there is room, else at the foot of the window.
    TwipsGeometry background(form_.WMP3);
    background.setLeft(form_.Picture2->Left() - 30);
    background.setWidth(form_.Picture3->Width());
    const double clientHeight = h - Form1::kFrameHeight;
    background.setTop(
        std::min(player.Top() + player.Height() + 60, clientHeight - background.Height() - 60));
    form_.imgZoom->setLeft(form_.Picture2->Left() - 150);
    // In a small window the strip overlaps the video output: it stays on top, within reach.
    form_.WMP3->raise();
}

// ---- hover pictures ----

PictureBox* WindowVisuals::control(Button button) const {
    switch (button) {
    case PlayA:
        return form_.cmdPlayA;
    case BacA:
        return form_.cmdBacA;
    case ForA:
        return form_.cmdForA;
    case StopA:
        return form_.cmdStopA;
    case PlayV:
        return form_.cmdPlayV;
    case BacV:
        return form_.cmdBacV;
    case ForV:
        return form_.cmdForV;
    case StopV:
        return form_.cmdStopV;
    }
    return nullptr;
}

bool WindowVisuals::playing(Button button) const {
    return (button == PlayA ? *form_.playA : *form_.playV).playing();
}

QString WindowVisuals::pictureFile(Button button, bool hover) const {
    QString name;
    switch (button) {
    case PlayA:
    case PlayV:
        // A play button offers play while idle or paused, pause while playing.
        name = playing(button) ? QStringLiteral("pause") : QStringLiteral("play");
        break;
    case BacA:
    case BacV:
        name = QStringLiteral("bac");
        break;
    case ForA:
    case ForV:
        name = QStringLiteral("for");
        break;
    case StopA:
    case StopV:
        name = QStringLiteral("stop");
        break;
    }
    return PictureFile(name + (hover ? QStringLiteral("2.jpg") : QStringLiteral(".jpg")));
}

void WindowVisuals::showPicture(Button button, bool hover) {
    PictureBox* b = control(button);
    // A picture that cannot be loaded leaves the previous one.
    b->LoadPicture(pictureFile(button, hover));
    if (hover) showStateTip(button);
}

void WindowVisuals::showStateTip(Button button) {
    if (button != PlayA && button != PlayV) return;
    control(button)->setToolTip(u' ' + Lingua[playing(button) ? 122 : 120] + u' ');
}

void WindowVisuals::ButtonMouseMove(Button button) {
    // A play button already hovered is redrawn when its state changed under the pointer (the
    // players call this to show a new state).
    const bool stale = (button == PlayA || button == PlayV) &&
                       control(button)->PictureSource() != pictureFile(button, true);
    if (!hover_[button] || stale) {
        hover_[button] = true;
        showPicture(button, true);
    }
    // The words may have changed language under the pointer.
    showStateTip(button);
    const int first = button < PlayV ? PlayA : PlayV;
    for (int i = first; i < first + 4; ++i) {
        if (i != button && hover_[i]) {
            hover_[i] = false;
            showPicture(Button(i), false);
        }
    }
}

void WindowVisuals::cmdPlayA_MouseMove(int, int, double, double) {
    ButtonMouseMove(PlayA);
}
void WindowVisuals::cmdPlayV_MouseMove(int, int, double, double) {
    ButtonMouseMove(PlayV);
}

void WindowVisuals::Form_MouseMove() {
    SpegniEvidenza();
    for (int i = 0; i < 8; ++i) {
        if (hover_[i]) {
            hover_[i] = false;
            showPicture(Button(i), false);
        }
    }
}

void WindowVisuals::Label1_MouseMove() {
    Form_MouseMove();
    SpegniEvidenza();
}

// ---- toolbar highlight ----

void WindowVisuals::Label2_MouseMove(int index) {
    // While there is a current cue, hotspot 15 counts as taken and pointing at it shows no
    // highlight (the design kept the cue in that hotspot's tag). A hotspot lit stays taken
    // until the pointer is on another, so the frame is not moved again while it is there.
    constexpr int kCueHotspot = 15;
    const bool cueTaken = !form_.core.state.CueCorrente().isEmpty();
    for (int i = 0; i < kHotspots; ++i) {
        const Label& hotspot = *form_.Label2[i];
        const bool taken = lit_[i] || (i == kCueHotspot && cueTaken);
        if (i == index && !taken) {
            lit_[i] = true;
            form_.Shape5->Move(hotspot.Left(), hotspot.Top(), hotspot.Width(), hotspot.Height());
            form_.Shape5->setVisible(true);
            form_.Shape5->raise();
        } else if (i != index) {
            lit_[i] = false;
        }
    }
}

void WindowVisuals::SpegniEvidenza() {
    for (int i = 0; i <= 14; ++i)
        lit_[i] = false;
    if (form_.Shape5->Visible()) form_.Shape5->setVisible(false);
}

// ---- start-up ----

void WindowVisuals::AdattaBarraStrumenti() {
    // The toolbar picture's real height, not rounded to whole pixels: the hotspots must line
    // up with its pictures all along the strip.
    const double height =
        form_.Image1->PictureHeight() > 0 ? form_.Image1->PictureHeight() : form_.Image1->Height();
    const double f = height / kToolbarDesignHeight;
    for (int i = 0; i < kHotspots; ++i) {
        Label& hotspot = *form_.Label2[i];
        hotspot.Move(std::floor(kHotspotLeft[i] * f), std::floor(kHotspotTop * f),
                     std::floor(hotspotWidth(i) * f), std::floor(kHotspotHeight * f) + 10);
        hotspot.setCursor(Qt::PointingHandCursor);
        if (i < 4) {
            Label& letter = *form_.Label3[i];
            QFont font = letter.font();
            font.setPointSizeF(kLetterPoints * f);
            letter.setFont(font);
            letter.setWidth(std::floor(hotspotWidth(i + 4) * f));
            letter.setHeight(std::floor(kHotspotHeight * f) + 10);
        }
    }
    for (PictureBox* p :
         {form_.Image4, form_.Image5, form_.Image6, form_.Image7, form_.Image8, form_.Image9,
          form_.cmdPlayA, form_.cmdStopA, form_.cmdBacA, form_.cmdForA, form_.cmdPlayV,
          form_.cmdStopV, form_.cmdBacV, form_.cmdForV})
        p->setCursor(Qt::PointingHandCursor);
    for (int i = 0; i < 4; ++i) {
        form_.Label3[i]->setLeft(form_.Label2[i + 4]->Left());
        form_.Label3[i]->setTop((i == 0 ? 90 : 80) * f);
    }
}

void WindowVisuals::PosizionaManopola() {
    form_.Timer2->setEnabled(false);
    form_.Timer2->setInterval(10);
    MasterVolume& master = form_.core.masterVolume;
    master.SetPosition(master.TravelLength() / 2 + master.TravelTop());
    PictureBox& knob = *form_.Image2;
    const PictureBox& track = *form_.Image3;
    knob.setLeft(track.Width() / 2 - knob.Width() / 2 + track.Left());
    form_.volume->ChooseLevelFromPlace();
}
