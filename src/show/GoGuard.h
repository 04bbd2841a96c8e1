// The protection from a double GO: a GO that comes sooner than the minimum time after the last
// GO that ran is refused, whichever way it came (keys, the OSC remote, MIDI). A nervous second
// press, a bouncing pedal or a controller that sends two messages for one press would otherwise
// jump a cue. Refused GOs are dropped, never kept for later.
#pragma once

#include <QtGlobal>
#include <functional>

class GoGuard {
public:
    // Milliseconds on a clock that only goes forward; the steady clock unless a test sets one.
    using Clock = std::function<qint64()>;

    static constexpr int kDefaultMs = 250;

    GoGuard();

    // 0 switches the protection off.
    void SetMinimumMs(int ms) { minimumMs_ = qMax(0, ms); }
    int MinimumMs() const { return minimumMs_; }

    void SetClock(Clock clock);
    qint64 Now() const { return clock_(); }
    // The clock, to stamp a GO where it arrives (the remote's receiving thread, MIDI's).
    const Clock& clock() const { return clock_; }

    // A GO that arrived at `at` (on the clock): true when it may run, and then it is the last
    // GO. The time counts from the arrival of the last GO that ran, so a GO that waited
    // behind a slow cue is judged by when the operator gave it.
    bool Admit(qint64 at);

private:
    Clock clock_;
    int minimumMs_ = kDefaultMs;
    qint64 last_ = 0;
    bool any_ = false;
};
