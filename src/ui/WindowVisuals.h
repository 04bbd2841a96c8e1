// The main window's layout and button visuals: following a resize, the transport buttons'
// hover pictures, the toolbar highlight, fitting the toolbar to its picture and placing the
// volume knob at start-up.
#pragma once

#include <QString>
#include <array>

class Form1;
class PictureBox;

class WindowVisuals {
public:
    // The eight transport buttons, audio then video.
    enum Button { PlayA, BacA, ForA, StopA, PlayV, BacV, ForV, StopV };

    explicit WindowVisuals(Form1& form) : form_(form) {}
    virtual ~WindowVisuals() = default;

    // Lays the window out for its size (minimum 11340 x 8535 twips).
    void Form_Resize();

    // The pointer over a transport button: its hover picture; the other buttons of the same
    // player go back to their normal picture.
    void ButtonMouseMove(Button button);
    // Also called by other features, with all-zero arguments, to redraw the play button after
    // its state changed.
    virtual void cmdPlayA_MouseMove(int button, int shift, double x, double y);
    void cmdPlayV_MouseMove(int button, int shift, double x, double y);

    // The pointer over the window background or the editor's frame: every button back to its
    // normal picture and the toolbar highlight off.
    void Form_MouseMove();
    void Label1_MouseMove();
    // The pointer over toolbar hotspot index: highlight it.
    void Label2_MouseMove(int index);
    // Clears the toolbar highlight (hotspots 0 to 14; 15 and 16 stay lit until the pointer
    // is on another hotspot, as the design left them).
    virtual void SpegniEvidenza();
    // Whether toolbar hotspot index is the one lit.
    bool Lit(int index) const { return lit_[index]; }

    // Start-up: fits the toolbar hotspots and letters to the toolbar picture's real height.
    void AdattaBarraStrumenti();
    // Start-up: centres the volume knob on its track.
    void PosizionaManopola();

    bool Hovered(Button button) const { return hover_[button]; }
    static constexpr int kHotspots = 17;

protected:
    Form1& form_;

private:
    PictureBox* control(Button button) const;
    bool playing(Button button) const; // PlayA or PlayV
    void showStateTip(Button button);  // the play buttons' tooltip: play or pause
    QString pictureFile(Button button, bool hover) const;
    void showPicture(Button button, bool hover);
    std::array<bool, 8> hover_{};
    std::array<bool, kHotspots> lit_{};
};
