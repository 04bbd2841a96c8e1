// The volume knob as the main window has it: the picture Image2 on its track Image3, the level
// in the knob's tag.
#pragma once

#include "core/VolumeKnob.h"

class PictureBox;

class WindowVolumeKnob : public VolumeKnob {
public:
    WindowVolumeKnob(PictureBox& knob, PictureBox& track) : knob_(knob), track_(track) {}

    double Top() const override;
    void SetTop(double top) override;
    double Height() const override;
    double TrackTop() const override;
    double TrackHeight() const override;
    QString Level() const override;
    void SetLevel(const QString& level) override;

private:
    PictureBox& knob_;
    PictureBox& track_;
};
