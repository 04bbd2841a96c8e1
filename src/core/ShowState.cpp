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

void ShowState::SetAudioLoaded(bool loaded) {
    if (loaded == audioLoaded_) return;
    audioLoaded_ = loaded;
    emit audioLoadedChanged(loaded);
}

void ShowState::SetVideoLoaded(bool loaded) {
    if (loaded == videoLoaded_) return;
    videoLoaded_ = loaded;
    emit videoLoadedChanged(loaded);
}

void ShowState::SetShowModeActive(bool on) {
    if (on == showMode_) return;
    showMode_ = on;
    emit showModeChanged(on);
}

void ShowState::SetStandby(const QString& text, int at) {
    hasStandby_ = true;
    standby_ = text;
    standbyAt_ = at;
    emit standbyChanged();
}

void ShowState::ClearStandby() {
    if (!hasStandby_) return;
    hasStandby_ = false;
    standby_.clear();
    standbyAt_ = -1;
    emit standbyChanged();
}
