#include "core/ShowState.h"

void ShowState::SetCueCorrente(const QString& cue) {
    if (cue == cue_) return;
    cue_ = cue;
    emit cueChanged(cue);
}

void ShowState::SetProjectorRequested(bool on) {
    if (on == projector_) return;
    projector_ = on;
    emit projectorRequestedChanged(on);
}
