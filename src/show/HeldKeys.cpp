#include "show/HeldKeys.h"

#include <QKeyEvent>

bool HeldKeys::IsRepeat(const QKeyEvent& event) const {
    const int key = event.key();
    const quint64 time = event.timestamp();
    // Events made by the program itself carry no time: only a real stamp can match.
    if (time != 0 && pressed_.key == key && pressed_.time == time) return pressedRepeat_;
    if (event.isAutoRepeat() || down_.contains(key)) return true;
    return time != 0 && released_.key == key && released_.time == time;
}

bool HeldKeys::Press(const QKeyEvent& event) {
    const bool repeat = IsRepeat(event);
    pressed_ = {event.key(), event.timestamp()};
    pressedRepeat_ = repeat;
    // Without a time stamp a press cannot be told from its own echo: it is not kept as held.
    if (event.timestamp() != 0) down_.insert(event.key());
    return repeat;
}

void HeldKeys::Release(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return; // Qt's half of a repeat pair: the key is still down
    down_.remove(event.key());
    released_ = {event.key(), event.timestamp()};
}

void HeldKeys::Clear() {
    down_.clear();
    released_ = {};
    pressed_ = {};
}
