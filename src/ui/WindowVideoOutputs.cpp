#include "ui/WindowVideoOutputs.h"

#include "display/Monitors.h"
#include "platform/MediaPlayerControl.h"
#include "platform/widgets/MediaPlayerView.h"
#include "ui/Form1.h"
#include "ui/ProjectorWindow.h"
#include "ui/ZoomWindow.h"

#include <QPixmap>

int WindowVideoOutputs::MonitorCount() const {
    return form_.Monitors->Count();
}

MediaPlayerControl& WindowVideoOutputs::PanelPlayer() {
    return *form_.panelPlayer;
}

MediaPlayerControl& WindowVideoOutputs::ProjectorPlayer() {
    form_.ProjectorWindow();
    return *form_.projectorPlayer;
}

bool WindowVideoOutputs::HasProjectorWindow() const {
    return form_.HasProjectorWindow();
}

void WindowVideoOutputs::ShowPanelOutput(bool shown) {
    TwipsGeometry(form_.WMP2).setVisible(shown);
}

void WindowVideoOutputs::PlacePanelOutput() {
    form_.PlaceVideoOutput();
}

void WindowVideoOutputs::RaisePanelOutput() {
    form_.WMP2->raise();
}

void WindowVideoOutputs::HidePanelPicture() {
    if (form_.imgZoom->Visible()) form_.imgZoom->setVisible(false);
}

void WindowVideoOutputs::RaiseProjectorWindow() {
    form_.ProjectorWindow().show();
}

void WindowVideoOutputs::ShowProjectorWindow() {
    Form2& window = form_.ProjectorWindow();
    PlaceOnProjectorMonitor(&window);
    window.activateWindow();
    window.setFocus();
}

void WindowVideoOutputs::HideProjectorWindow() {
    form_.ProjectorWindow().hide();
}

void WindowVideoOutputs::SetProjectorTick(int ms) {
    form_.ProjectorWindow().Timer1.setInterval(ms);
}

void WindowVideoOutputs::LoadPicture(const QString& file) {
    frmZoom& zoom = form_.ZoomWindow();
    zoom.Image1->LoadPicture(file); // an unreadable picture keeps the previous one
    zoom.Adatta();                  // a new picture is fitted at once
}

bool WindowVideoOutputs::ShowPictureInPanel() {
    const QPixmap picture = form_.ZoomWindow().Image1->Picture();
    const double w = picture.width(), h = picture.height();
    if (w <= 0 || h <= 0) return false;
    const double panel = form_.Picture3->Width();
    double boxWidth, boxHeight;
    if (h < w) {
        boxWidth = panel;
        boxHeight = panel / w * h;
    } else {
        boxHeight = panel / 4 * 3;
        boxWidth = boxHeight / h * w;
    }
    // The video's own window would cover the picture; a video playing goes on unseen.
    TwipsGeometry(form_.WMP2).setVisible(false);
    form_.imgZoom->setPicture(picture);
    form_.imgZoom->Move((panel - boxWidth) / 2 + form_.Picture3->Left(), form_.VideoOutputTop(),
                        boxWidth, boxHeight);
    form_.imgZoom->setVisible(true);
    form_.imgZoom->raise();
    return true;
}

void WindowVideoOutputs::ShowPictureOnProjector() {
    frmZoom& zoom = form_.ZoomWindow();
    PlaceOnProjectorMonitor(&zoom);
    zoom.Image1->setVisible(true);
    zoom.Adatta();
}
