// The video player of the main window and the projector.
#pragma once

class Form1;

class VideoPlayer {
public:
    explicit VideoPlayer(Form1& form) : form_(form) {}
    virtual ~VideoPlayer() = default;

    // Transport and seek strip: they come with the video player; until then they do nothing.
    virtual void cmdPlayV_Click() {}
    virtual void cmdStopV_Click() {}
    virtual void lblContatoreV_Click() {}

protected:
    Form1& form_;
};
