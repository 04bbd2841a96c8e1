#include "ui/WindowVolumeKnob.h"

#include "ui/Controls.h"

double WindowVolumeKnob::Top() const {
    return knob_.Top();
}
void WindowVolumeKnob::SetTop(double top) {
    knob_.setTop(top);
}
double WindowVolumeKnob::Height() const {
    return knob_.Height();
}
double WindowVolumeKnob::TrackTop() const {
    return track_.Top();
}
double WindowVolumeKnob::TrackHeight() const {
    return track_.Height();
}
QString WindowVolumeKnob::Level() const {
    return knob_.Tag;
}
void WindowVolumeKnob::SetLevel(const QString& level) {
    knob_.Tag = level;
}
