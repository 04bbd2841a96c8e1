// The knob the master volume is set with, as the fades and the drags move it: its place and
// its track's in the window's steps (the knob's top is the level), and the level it stands for,
// as the settings keep it. The window draws it.
#pragma once

#include <QString>

class VolumeKnob {
public:
    virtual ~VolumeKnob() = default;

    virtual double Top() const = 0;
    // The knob rests on the window's grid: Top() afterwards may differ from what was set.
    virtual void SetTop(double top) = 0;
    virtual double Height() const = 0;
    virtual double TrackTop() const = 0;
    virtual double TrackHeight() const = 0;

    // The level the knob stands for, as text (the mixer's units).
    virtual QString Level() const = 0;
    virtual void SetLevel(const QString& level) = 0;
};
