// The volume knob as the operator sees and moves it: the picture Image2 on its track Image3
// stands where the master volume's place on the travel is, and a drag of the knob or a click
// on the track moves that place and sets the level.
#pragma once

#include <QObject>
#include <functional>

class MasterVolume;
class PictureBox;
class Timer;
class VolumeFades;

class VolumeKnob {
public:
    // The travel is the knob's top from the track's top down to where the knob meets the
    // track's bottom, in twips, on the pixels the knob can stand on. The drag timer follows the
    // knob while a button holds it. The fades are asked for each time (tests replace them).
    VolumeKnob(MasterVolume& master, std::function<VolumeFades&()> fades, PictureBox& knob,
               PictureBox& track, Timer& drag);

    void Image2_MouseDown(int button, int shift, double x, double y);
    void Image2_MouseMove(int button, int shift, double x, double y);
    void Image2_MouseUp(int button, int shift, double x, double y);
    void Timer2_Timer();
    void Image3_MouseUp(int button, int shift, double x, double y);
    void Image3_Click();

    int TastoManopola = 0;
    double MetaManopola = 0;

private:
    MasterVolume& master_;
    std::function<VolumeFades&()> fades_;
    PictureBox& knob_;
    PictureBox& track_;
    Timer& drag_;
    QObject connections_; // ends the binding with this view
};
