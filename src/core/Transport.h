// One player's transport, as the show knows it: whether it plays, and which word its Play
// menu entry shows (the design sets that word apart from the state in places). The window's
// play button, its Tag and the menu entry follow the signals; a language switch rewrites
// their words from this state, and nothing compares translated words.
// Still to come here as the players move: stopped apart from paused, position, length and the
// seek request.
#pragma once

#include <QObject>

class Transport : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool Playing() const { return playing_; }
    void SetPlaying(bool playing);
    // The Play menu entry's word: the word of playing, or of idle.
    bool MenuWordPlaying() const { return menuWordPlaying_; }
    void SetMenuWordPlaying(bool playingWord);

signals:
    // Sent on every set, changed or not: the design writes the button's word each time.
    void playingSet(bool playing);
    void menuWordSet(bool playingWord);

private:
    bool playing_ = false;
    bool menuWordPlaying_ = false;
};
