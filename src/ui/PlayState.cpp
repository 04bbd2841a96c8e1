#include "ui/PlayState.h"

#include "core/Transport.h"
#include "i18n/Lingua.h"
#include "ui/Controls.h"

namespace {
const QString& word(bool playing) {
    return Lingua[playing ? 8 : 7];
}
} // namespace

PlayState::PlayState(Transport& transport, MenuItem& menuEntry)
    : transport_(transport), menu_(menuEntry) {
    QObject::connect(&transport, &Transport::menuWordSet, &connections_,
                     [this](bool playingWord) { menu_.setCaption(word(playingWord)); });
}

bool PlayState::playing() const {
    return transport_.Playing();
}

void PlayState::set(bool playing) {
    transport_.SetPlaying(playing);
}

void PlayState::showMenuWord(bool playingWord) {
    transport_.SetMenuWordPlaying(playingWord);
}

bool PlayState::menuWordPlaying() const {
    return transport_.MenuWordPlaying();
}

void PlayState::Retranslate() {
    menu_.setCaption(word(transport_.MenuWordPlaying()));
}
