// The view of one player's transport: the play button's Tag and the player's menu entry show
// its state as words of the language (entry 7 idle or paused, entry 8 playing), as the design
// keeps them. The state itself is the show's Transport; these words follow its signals, and a
// language switch rewrites them from it.
#pragma once

#include <QObject>

struct Tagged;
class MenuItem;
class Transport;

class PlayState {
public:
    PlayState(Transport& transport, Tagged& button, MenuItem& menuEntry);

    bool playing() const;
    // Sets the transport's state; the button's Tag follows.
    void set(bool playing);
    // The menu entry's word: of playing or of idle.
    void showMenuWord(bool playingWord);
    bool menuWordPlaying() const;
    // Rewrites both words in the language now loaded.
    void Retranslate();

private:
    Transport& transport_;
    Tagged& button_;
    MenuItem& menu_;
    QObject connections_; // ends the bindings with this view
};
