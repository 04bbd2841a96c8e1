#include "display/Projector.h"

#include "core/Notices.h"
#include "core/ShowState.h"
#include "core/Transport.h"
#include "core/VideoOutputs.h"
#include "i18n/Lingua.h"
#include "platform/MediaPlayerControl.h"
#include "platform/Timer.h"

namespace {
constexpr int kCounterMs = 1000;
} // namespace

bool Projector::ProjectorMode(const ShowState& state, const VideoOutputs& outputs) {
    return state.ProjectorRequested() && outputs.MonitorCount() > 1;
}

void Projector::Check1_Click() {
    MediaPlayerControl& projectorPlayer = outputs_.ProjectorPlayer(); // makes the window
    outputs_.PanelPlayer().close();
    projectorPlayer.close();
    video_.ShowStart();
    if (ProjectorMode()) {
        outputs_.ShowPanelOutput(false);
        outputs_.ShowProjectorWindow();
        return;
    }
    if (state_.ProjectorRequested()) {
        // One monitor: no projector; the request is withdrawn (which runs the off path) and
        // the notice says why.
        state_.SetProjectorRequested(false);
        notices_.ShowNotice(Lingua[124], kNoticeMs);
    }
    panelTick_.setInterval(kCounterMs);
    outputs_.SetProjectorTick(0);
    outputs_.HideProjectorWindow();
    outputs_.PlacePanelOutput();
    outputs_.ShowPanelOutput(true);
}

void Projector::Label5_Click() {
    Check1_Click();
}

void Projector::CaricaSulProiettore(const QString& url) {
    MediaPlayerControl& player = outputs_.ProjectorPlayer();
    if (player.URL() != url) player.setURL(url);
}

void Projector::MostraImmagine() {
    outputs_.ShowPictureOnProjector();
}
