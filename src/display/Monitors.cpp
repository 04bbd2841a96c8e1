#include "display/Monitors.h"

#include <QGuiApplication>
#include <QScreen>

int clsMonitors::Count() const {
    const int n = int(QGuiApplication::screens().size());
    return n > 0 ? n : 1;
}
