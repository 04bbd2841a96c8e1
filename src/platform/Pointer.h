// The screen's mouse pointer: the wait pointer while media starts, and back to the default.
#pragma once

#include <QCursor>
#include <QGuiApplication>

inline void ShowWaitPointer() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

// Back to the default, however many wait pointers were shown.
inline void RestoreDefaultPointer() {
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}
