// The video panel as the operator sees it: the counter follows the show's video transport.
#pragma once

#include <QObject>

class Form1;
class Transport;

class VideoPanel {
public:
    VideoPanel(Transport& transport, Form1& form);

private:
    Form1& form_;
    QObject connections_; // ends the bindings with this view
};
