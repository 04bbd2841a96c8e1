#include "core/Transport.h"

void Transport::SetPlaying(bool playing) {
    if (playing)
        state_ = State::Playing;
    else if (state_ == State::Playing)
        state_ = State::Paused;
    emit playingSet(playing);
}

void Transport::Stop() {
    state_ = State::Stopped;
    emit playingSet(false);
    emit stopped();
}

void Transport::SetState(State state) {
    if (state == State::Stopped) {
        Stop();
        return;
    }
    state_ = state;
    emit playingSet(state == State::Playing);
}

void Transport::SetMenuWordPlaying(bool playingWord) {
    menuWordPlaying_ = playingWord;
    emit menuWordSet(playingWord);
}

void Transport::SetButtonWordPlaying(bool playingWord, bool pointerOn) {
    buttonWordPlaying_ = playingWord;
    emit buttonWordSet(playingWord, pointerOn);
}

void Transport::SetProgress(double positionMs, double lengthMs) {
    position_ = positionMs;
    length_ = lengthMs;
    hasPlace_ = true;
    atStart_ = !(lengthMs > 0) || positionMs / lengthMs < startShare_;
    emit progressSet(positionMs, lengthMs);
}

void Transport::SetCounter(double positionMs, double lengthMs) {
    position_ = positionMs;
    length_ = lengthMs;
    emit counterSet(positionMs, lengthMs);
}

void Transport::SetNoPlace() {
    hasPlace_ = false;
    emit placeLost();
}

void Transport::SetTitle(const QString& title) {
    title_ = title;
    emit titleSet(title);
}

void Transport::ClearProgress() {
    position_ = 0;
    length_ = 0;
    atStart_ = true;
    emit progressCleared();
}

void Transport::ShowStart() {
    atStart_ = true;
    emit startShown();
}
