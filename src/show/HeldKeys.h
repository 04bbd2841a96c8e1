// Tells a key that is held down from a key pressed again. A held key repeats, and the window
// system delivers the repeats in more than one way: with Qt's auto-repeat flag; as a release
// and a press carrying the same time stamp (X's own repeat, which Qt flags only when both
// arrive together); or as presses with no release between them.
#pragma once

#include <QSet>

class QKeyEvent;

class HeldKeys {
public:
    // A press: true when it is a repeat of a key held down. The same press seen again (the
    // shortcut check before it, a parent widget after it) gets the same answer.
    bool Press(const QKeyEvent& event);
    // The answer Press would give, changing nothing.
    bool IsRepeat(const QKeyEvent& event) const;
    void Release(const QKeyEvent& event);
    // The window lost the keyboard: the releases go elsewhere.
    void Clear();

private:
    struct Seen {
        int key = 0;
        quint64 time = 0;
    };
    QSet<int> down_;
    Seen released_; // the last release
    Seen pressed_;  // the last press, with its answer
    bool pressedRepeat_ = false;
};
