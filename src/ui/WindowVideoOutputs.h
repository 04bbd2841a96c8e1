// The video outputs as the main window has them: the panel's output WMP2, the projector
// window and the picture window.
#pragma once

#include "core/VideoOutputs.h"

class Form1;

class WindowVideoOutputs : public VideoOutputs {
public:
    explicit WindowVideoOutputs(Form1& form) : form_(form) {}

    int MonitorCount() const override;
    MediaPlayerControl& PanelPlayer() override;
    MediaPlayerControl& ProjectorPlayer() override;
    bool HasProjectorWindow() const override;
    void ShowPanelOutput(bool shown) override;
    void PlacePanelOutput() override;
    void RaisePanelOutput() override;
    void HidePanelPicture() override;
    void ShowProjectorWindow() override;
    void HideProjectorWindow() override;
    void RaiseProjectorWindow() override;
    void SetProjectorTick(int ms) override;
    void LoadPicture(const QString& file) override;
    bool ShowPictureInPanel() override;
    void ShowPictureOnProjector() override;

private:
    Form1& form_;
};
