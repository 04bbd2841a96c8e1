// One player's play state. The design keeps it in the play button's Tag as a word of the
// language (entry 7 idle or paused, entry 8 playing), and the player's menu entry shows such a
// word too. Here the state is a flag; the Tag and the menu caption are its views, so a
// language switch rewrites the words and nothing compares translated words.
#pragma once

struct Tagged;
class MenuItem;

class PlayState {
public:
    PlayState(Tagged& button, MenuItem& menuEntry) : button_(button), menu_(menuEntry) {}

    bool playing() const { return playing_; }
    // Sets the state and writes its word into the button's Tag.
    void set(bool playing);
    // The menu entry's caption: the word of playing or of idle (the design sets it apart from
    // the state in places, so it is kept on its own).
    void showMenuWord(bool playingWord);
    bool menuWordPlaying() const { return menuPlaying_; }
    // Rewrites both words in the language now loaded.
    void Retranslate();

private:
    Tagged& button_;
    MenuItem& menu_;
    bool playing_ = false;
    bool menuPlaying_ = false;
};
