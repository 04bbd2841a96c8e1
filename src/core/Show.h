// The show: the state the program runs on, as plain objects with change signals, without a
// widget. main builds it before the window; the window shows it and forwards the operator's
// clicks and keys, and every other way of driving the show reads and drives the same objects.
#pragma once

#include "core/MasterVolume.h"
#include "core/ScriptSession.h"
#include "core/ShowState.h"
#include "core/Transport.h"

#include <QObject>

class Show : public QObject {
    Q_OBJECT
public:
    explicit Show(const QString& applicationTitle, QObject* parent = nullptr);

    ScriptSession session;
    ShowState state;
    // The audio player's and the video player's transports. The video's follows the
    // projector's player while the projector plays: the panel shows it.
    Transport audio;
    Transport video;
    // The projector's player's and the background player's own transports.
    Transport projector;
    Transport background;
    MasterVolume masterVolume;
};
