// A window timer as the design uses it: it fires every Interval milliseconds while Enabled
// is true and Interval is above 0 (Interval 0 means stopped). Setting Interval or Enabled
// restarts the count. Tests drive time by calling the handler directly.
#pragma once

#include "platform/Control.h"

#include <QObject>
#include <QTimer>
#include <functional>

class Timer : public QObject, public Tagged {
    Q_OBJECT
public:
    explicit Timer(int interval = 0, bool enabled = true, QObject* parent = nullptr);

    int Interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // True while the timer is counting towards its next tick.
    bool IsRunning() const { return timer_.isActive(); }

    // The tick handler (Timer1_Timer ...).
    std::function<void()> onTimer;

private:
    void restart();

    QTimer timer_;
    int interval_;
    bool enabled_;
};
