// The screen's mouse pointer: the wait pointer while media starts, and back to the default.
#pragma once

#include <QApplication>

inline void ShowWaitPointer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

// Back to the default, however many wait pointers were shown.
inline void RestoreDefaultPointer() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
