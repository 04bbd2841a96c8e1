#include "display/Projector.h"

#include "display/Monitors.h"
#include "display/ProjectorWindow.h"
#include "display/ZoomWindow.h"
#include "i18n/Lingua.h"
#include "platform/MediaPlayerControl.h"
#include "ui/Form1.h"

namespace {
constexpr int kCounterMs = 1000;
} // namespace

bool Projector::ProjectorMode() const {
    return form_.core.state.ProjectorRequested() && form_.Monitors->Count() > 1;
}

void Projector::Check1_Click() {
    Form2& projector = form_.ProjectorWindow();
    form_.WMP2->close();
    projector.WMP1->close();
    form_.Shape7->setWidth(1);
    if (ProjectorMode()) {
        TwipsGeometry(form_.WMP2).setVisible(false);
        PlaceOnProjectorMonitor(&projector);
        projector.activateWindow();
        projector.setFocus();
        return;
    }
    if (form_.core.state.ProjectorRequested()) {
        // One monitor: no projector; the request is withdrawn (which runs the off path) and
        // the notice says why.
        form_.core.state.SetProjectorRequested(false);
        form_.ShowNotice(Lingua[124], Form1::kNoticeMs);
    }
    form_.Timer4->setInterval(kCounterMs);
    projector.Timer1.setInterval(0);
    projector.hide();
    form_.PlaceVideoOutput();
    TwipsGeometry(form_.WMP2).setVisible(true);
}

void Projector::Label5_Click() {
    Check1_Click();
}

void Projector::CaricaSulProiettore(const QString& url) {
    MediaPlayerControl& player = *form_.ProjectorWindow().WMP1;
    if (player.URL() != url) player.setURL(url);
}

void Projector::MostraImmagine() {
    frmZoom& zoom = form_.ZoomWindow();
    PlaceOnProjectorMonitor(&zoom);
    zoom.Image1->setVisible(true);
    zoom.Adatta();
}
