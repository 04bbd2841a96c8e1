#include "platform/MonitorApi.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWindow>
#include <climits>

namespace {

QList<QScreen*> screens() {
    return QGuiApplication::screens();
}

long handleOf(const QScreen* screen) {
    const qsizetype i = screens().indexOf(const_cast<QScreen*>(screen));
    return i < 0 ? 0 : long(i + 1);
}

long fallback(const QRect& area, int flags) {
    if (flags == monitorapi::MONITOR_DEFAULTTOPRIMARY)
        return handleOf(QGuiApplication::primaryScreen());
    if (flags != monitorapi::MONITOR_DEFAULTTONEAREST) return 0;
    // The screen whose rectangle lies closest to the area's centre.
    long best = 0;
    long long bestDistance = LLONG_MAX;
    const QPoint c = area.center();
    for (QScreen* s : screens()) {
        const QRect g = s->geometry();
        const long long dx =
            c.x() < g.left() ? g.left() - c.x() : (c.x() > g.right() ? c.x() - g.right() : 0);
        const long long dy =
            c.y() < g.top() ? g.top() - c.y() : (c.y() > g.bottom() ? c.y() - g.bottom() : 0);
        if (dx * dx + dy * dy < bestDistance) {
            bestDistance = dx * dx + dy * dy;
            best = handleOf(s);
        }
    }
    return best;
}

} // namespace

int GetSystemMetrics(int index) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect desktop = primary ? primary->virtualGeometry() : QRect();
    switch (index) {
    case monitorapi::SM_XVIRTUALSCREEN:
        return desktop.left();
    case monitorapi::SM_YVIRTUALSCREEN:
        return desktop.top();
    case monitorapi::SM_CXVIRTUALSCREEN:
        return desktop.width();
    case monitorapi::SM_CYVIRTUALSCREEN:
        return desktop.height();
    case monitorapi::SM_CMONITORS:
        return int(screens().size());
    default:
        return 0;
    }
}

long MonitorFromRect(const MonitorRect& rect, int flags) {
    const QRect area(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    long best = 0;
    long long bestOverlap = 0;
    for (QScreen* s : screens()) {
        const QRect overlap = s->geometry().intersected(area);
        const long long size =
            overlap.isEmpty() ? 0 : (long long)overlap.width() * overlap.height();
        if (size > bestOverlap) {
            bestOverlap = size;
            best = handleOf(s);
        }
    }
    return best ? best : fallback(area, flags);
}

long MonitorFromWindow(const QWindow* window, int flags) {
    if (window && window->screen()) return handleOf(window->screen());
    return fallback(QRect(), flags);
}

bool GetMonitorInfo(long monitor, MONITORINFO* info) {
    const QList<QScreen*> all = screens();
    if (!info || monitor < 1 || monitor > all.size()) return false;
    const QScreen* s = all[monitor - 1];
    auto toRect = [](const QRect& r) {
        return MonitorRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    };
    info->rcMonitor = toRect(s->geometry());
    info->rcWork = toRect(s->availableGeometry());
    info->primary = s == QGuiApplication::primaryScreen();
    return true;
}
