// The audio panel as the operator sees it: the counter, the progress bar and the play
// button's picture follow the show's audio transport, the percentage under the knob its
// master volume.
#pragma once

#include <QObject>

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
