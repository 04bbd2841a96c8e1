// The video player: WMP1 on the projector in projector mode, WMP2 on the main window
// otherwise, decided at every call.
#pragma once

class Form1;
class MediaPlayerControl;

class VideoPlayer {
public:
    explicit VideoPlayer(Form1& form) : form_(form) {}
    virtual ~VideoPlayer() = default;

    virtual void cmdPlayV_Click();
    virtual void cmdStopV_Click();
    void cmdForV_Click();
    void cmdBacV_Click();
    // The position under the pointer on the counter becomes the place a click seeks to.
    void lblContatoreV_MouseMove(int button, int shift, double x, double y);
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
    // The play button, its picture and the menu caption for a state.
    void ShowState(bool playing);

protected:
    Form1& form_;

private:
    double seekTarget_ = 0; // under the pointer on the counter, in whole seconds
    MediaPlayerControl& player();
    void tick();
    void showPlayPicture(const char* file);
};
