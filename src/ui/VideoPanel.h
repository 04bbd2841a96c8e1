// The video panel as the operator sees it: the counter, the progress bar and the play
// button's picture follow the show's video transport.
#pragma once

#include <QObject>

class Form1;
class Transport;

class VideoPanel {
public:
    VideoPanel(Transport& transport, Form1& form);

private:
    void showCounter(double position, double length);
    void spanCounter();
    Form1& form_;
    QObject connections_; // ends the bindings with this view
};
