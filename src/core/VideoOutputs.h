// Where video and pictures are shown: the video output under the main window's video panel,
// and on the projector monitor the projector window (made on first use) and the picture
// window. The view implements it; the players and the projector switch ask it.
#pragma once

class MediaPlayerControl;
class QString;

class VideoOutputs {
public:
    virtual ~VideoOutputs() = default;

    // How many monitors there are: the projector needs a second.
    virtual int MonitorCount() const = 0;
    // The player under the video panel, and the projector's (its window is made with it).
    virtual MediaPlayerControl& PanelPlayer() = 0;
    virtual MediaPlayerControl& ProjectorPlayer() = 0;
    virtual bool HasProjectorWindow() const = 0;

    // The panel's output shown or hidden (a hidden one plays on unseen), and put back in its
    // place under the panel.
    virtual void ShowPanelOutput(bool shown) = 0;
    virtual void PlacePanelOutput() = 0;
    // The panel's output above the panel's other controls, to show a video's picture.
    virtual void RaisePanelOutput() = 0;
    // The picture a picture cue put in the panel's place goes (a video takes its place).
    virtual void HidePanelPicture() = 0;
    // The projector window full screen on the projector monitor, with the focus; or hidden,
    // its player going on.
    virtual void ShowProjectorWindow() = 0;
    virtual void HideProjectorWindow() = 0;
    // The projector window shown again as it was placed (Escape may have hidden it).
    virtual void RaiseProjectorWindow() = 0;
    // How often the projector's progress is shown on the panel, in milliseconds (0: not).
    virtual void SetProjectorTick(int ms) = 0;
    // A picture file into the picture window, fitted at once (one that cannot be read leaves
    // the picture there).
    virtual void LoadPicture(const QString& file) = 0;
    // With one monitor: the picture window's picture in the video panel's place, fitted with
    // its proportions, over the panel's output; false when there is no picture to show.
    virtual bool ShowPictureInPanel() = 0;
    // The picture window full screen on the projector monitor, its picture fitted.
    virtual void ShowPictureOnProjector() = 0;
};
