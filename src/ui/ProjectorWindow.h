// The projector window: borderless and black, full screen on the monitor right of the
// primary one, with the projector's player filling it and a timer that mirrors its progress
// on the main window.
#pragma once

#include "platform/MediaPlayerControl.h"
#include "platform/Timer.h"

#include <QWidget>
#include <functional>

class MediaPlayerView;

// Puts a window full screen on the monitor holding the point just right of the primary
// screen (when the second monitor lies elsewhere, the first monitor that is not the primary).
void PlaceOnProjectorMonitor(QWidget* window);

class Form2 : public QWidget {
    Q_OBJECT
public:
    // A window of owner's, showing player.
    Form2(QWidget* owner, MediaPlayerControl& player);
    MediaPlayerView* WMP1;
    Timer Timer1; // 100 ms while projector video plays
    // One refresh of the main window's video counter and bar from WMP1: runs onTick.
    void Timer1_Timer();
    std::function<void()> onTick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Escape();
};
