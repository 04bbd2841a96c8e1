// The video player: WMP1 on the projector in projector mode, WMP2 on the main window
// otherwise, decided at every call. It keeps the show's video transport up to date (the
// panel follows it) and asks the video outputs for the players and the windows.
#pragma once

#include <QObject>

class MediaPlayerControl;
class ShowState;
class Timer;
class Transport;
class VideoOutputs;

class VideoPlayer {
public:
    // panelTick is the refresh of the panel from WMP2 while it plays.
    VideoPlayer(Transport& transport, ::ShowState& state, VideoOutputs& outputs, Timer& panelTick);
    virtual ~VideoPlayer() = default;

    virtual void cmdPlayV_Click();
    virtual void cmdStopV_Click();
    void cmdForV_Click();
    void cmdBacV_Click();
    // The position under the pointer on the counter, counterWidth wide, becomes the place a
    // click seeks to.
    void lblContatoreV_MouseMove(int button, int shift, double x, double y, double counterWidth);
    // The operator's click on the counter: seeks to the place under the pointer.
    void lblContatoreV_Click() { lblContatoreV_Click(seekTarget_); }
    // Seeks to seconds.
    virtual void lblContatoreV_Click(double seconds);
    // One refresh of the video counter and bar from WMP2.
    void Timer4_Timer();
    // One refresh of the video counter and bar from the projector's player WMP1.
    void Form2_Timer1_Timer();
    // Counter, bar and end of media from the player that plays (WMP2, or WMP1 on the
    // projector); false when it has nothing loaded.
    bool ShowProgress(MediaPlayerControl& player);
    // A new file was given to the player: the panel shows the state it is in (WMP1 plays at
    // once, WMP2 waits stopped).
    void NewFile();
    // The transport, its menu word and its play picture for a state.
    void ShowState(bool playing);

protected:
    Transport& transport_;

private:
    ::ShowState& state_;
    VideoOutputs& outputs_;
    Timer& tick_;
    double seekTarget_ = 0; // under the pointer on the counter, in whole seconds
    QObject connections_;   // ends the seek requests' connection with this player
    MediaPlayerControl& player();
    void tick();
};
