// The view of one player's transport in its menu: the Play entry shows the state as a word of
// the language (entry 7 idle or paused, entry 8 playing). The state itself is the show's
// Transport; the word follows its signals, and a language switch rewrites it from it.
#pragma once

#include <QObject>

class MenuItem;
class Transport;

class PlayState {
public:
    PlayState(Transport& transport, MenuItem& menuEntry);

    bool playing() const;
    // Sets the transport's state.
    void set(bool playing);
    // The menu entry's word: of playing or of idle.
    void showMenuWord(bool playingWord);
    bool menuWordPlaying() const;
    // Rewrites both words in the language now loaded.
    void Retranslate();

private:
    Transport& transport_;
    MenuItem& menu_;
    QObject connections_; // ends the bindings with this view
};
