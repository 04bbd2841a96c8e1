#include "core/Transport.h"

void Transport::SetPlaying(bool playing) {
    playing_ = playing;
    emit playingSet(playing);
}

void Transport::SetMenuWordPlaying(bool playingWord) {
    menuWordPlaying_ = playingWord;
    emit menuWordSet(playingWord);
}
