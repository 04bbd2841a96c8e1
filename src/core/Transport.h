// One player's transport, as the show knows it: whether it is stopped, paused or playing,
// which words its Play menu entry and its play button show (the design sets those apart from
// the state in places), where it stands in its medium and how long that is, and the seek the
// operator or a cue asks of it. The window's play button, the menu entry, the counter
// and the progress bar follow the signals; a language switch rewrites their words from this
// state, and nothing compares translated words. The player acts on a seek request; the
// transport only passes it on.
#pragma once

#include <QObject>
#include <QString>

class Transport : public QObject {
    Q_OBJECT
public:
    enum class State { Stopped, Paused, Playing };
    using QObject::QObject;

    State state() const { return state_; }
    bool Playing() const { return state_ == State::Playing; }
    // Playing, or not: a player that was stopped and is told it does not play stays stopped;
    // one that played is paused.
    void SetPlaying(bool playing);
    // Stopped at the start of its medium.
    void Stop();
    // The state a player reports of itself, for a player that several hands drive.
    void SetState(State state);
    // The Play menu entry's word: the word of playing, or of idle.
    bool MenuWordPlaying() const { return menuWordPlaying_; }
    void SetMenuWordPlaying(bool playingWord);
    // The play button's picture: offering pause (the playing one) or play, drawn as under the
    // pointer or not.
    bool ButtonWordPlaying() const { return buttonWordPlaying_; }
    void SetButtonWordPlaying(bool playingWord, bool pointerOn = true);

    // Where the player stands and the length of its medium, in milliseconds, as it last
    // reported them.
    double Position() const { return position_; }
    double Length() const { return length_; }
    void SetProgress(double positionMs, double lengthMs);
    // The same, told by another player's tick: the counter follows, the bar stays.
    void SetCounter(double positionMs, double lengthMs);
    // The player has nothing loaded: there is no place to show, until it reports one again.
    void SetNoPlace();
    bool HasPlace() const { return hasPlace_; }
    // Start-up: the counter and bar go back to their empty start.
    void ClearProgress();

    // Whether the place is still the start of the medium, as the panel's bar shows it: a
    // report below the start's share of the length (the bar drawn no wider than at its start),
    // a length not known yet, or the start shown again since. A stop or the projector switched
    // shows the start; the position the player last reported is kept.
    bool AtStart() const { return atStart_; }
    void ShowStart();
    // The share of the length below which a position is the start. The view that draws the
    // place sets it, as finely as it shows it; until then no reported position is the start.
    void SetStartShare(double share) { startShare_ = share; }

    // A medium was given to the player: whether it has a picture (a video; MIDI and sound have
    // none). The panel shows what that medium offers.
    void MediumLoaded(bool pictured) { emit mediumLoaded(pictured); }
    // The name the panel shows for the medium.
    QString Title() const { return title_; }
    void SetTitle(const QString& title);

    // Asks the player to go to positionMs, keeping whether it plays.
    void Seek(double positionMs) { emit seekRequested(positionMs); }

signals:
    // Sent on every set, changed or not: the design writes the button's word each time.
    void playingSet(bool playing);
    void stopped();
    void menuWordSet(bool playingWord);
    void buttonWordSet(bool playingWord, bool pointerOn);
    // Sent on every report: the design redraws the counter at each tick.
    void progressSet(double positionMs, double lengthMs);
    void counterSet(double positionMs, double lengthMs);
    void placeLost();
    void progressCleared();
    void startShown();
    void seekRequested(double positionMs);
    void mediumLoaded(bool pictured);
    void titleSet(const QString& title);

private:
    State state_ = State::Stopped;
    bool menuWordPlaying_ = false;
    bool buttonWordPlaying_ = false;
    double position_ = 0;
    double length_ = 0;
    bool hasPlace_ = false;
    bool atStart_ = true;
    double startShare_ = 0;
    QString title_;
};
