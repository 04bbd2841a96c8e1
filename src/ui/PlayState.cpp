#include "ui/PlayState.h"

#include "i18n/Lingua.h"
#include "ui/Controls.h"

namespace {
const QString& word(bool playing) {
    return Lingua[playing ? 8 : 7];
}
} // namespace

void PlayState::set(bool playing) {
    playing_ = playing;
    button_.Tag = word(playing);
}

void PlayState::showMenuWord(bool playingWord) {
    menuPlaying_ = playingWord;
    menu_.setCaption(word(playingWord));
}

void PlayState::Retranslate() {
    set(playing_);
    showMenuWord(menuPlaying_);
}
