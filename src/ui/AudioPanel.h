// The audio panel as the operator sees it: the counter, the progress bar and the play
// button's picture follow the show's audio transport, the percentage under the knob its
// master volume.
#pragma once

#include <QObject>
#include <QString>

// The play button's picture: offering pause while playing, play otherwise; drawn as under the
// pointer or not.
QString PlayPicture(bool playing, bool pointerOn);

class Form1;
class MasterVolume;
class Transport;

class AudioPanel {
public:
    AudioPanel(Transport& transport, MasterVolume& volume, Form1& form);

private:
    Form1& form_;
    QObject connections_; // ends the bindings with this view
};
