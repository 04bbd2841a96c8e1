#include "core/ShowState.h"

void ShowState::SetCueCorrente(const QString& cue) {
    if (cue == cue_) return;
    cue_ = cue;
    emit cueChanged(cue);
}
