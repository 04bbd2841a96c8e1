#include "ui/WindowVideoOutputs.h"

#include "display/Monitors.h"
#include "display/ProjectorWindow.h"
#include "display/ZoomWindow.h"
#include "platform/MediaPlayerControl.h"
#include "ui/Form1.h"

namespace {
constexpr double kBarAtStart = 21; // twips: below this the bar has not moved yet
} // namespace

int WindowVideoOutputs::MonitorCount() const {
    return form_.Monitors->Count();
}

MediaPlayerControl& WindowVideoOutputs::PanelPlayer() {
    return *form_.WMP2;
}

MediaPlayerControl& WindowVideoOutputs::ProjectorPlayer() {
    return *form_.ProjectorWindow().WMP1;
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

void WindowVideoOutputs::ShowVideoAtStart() {
    form_.Shape7->setWidth(1);
}

bool WindowVideoOutputs::VideoAtStart() const {
    return form_.Shape7->Width() < kBarAtStart;
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

void WindowVideoOutputs::ShowPictureOnProjector() {
    frmZoom& zoom = form_.ZoomWindow();
    PlaceOnProjectorMonitor(&zoom);
    zoom.Image1->setVisible(true);
    zoom.Adatta();
}
