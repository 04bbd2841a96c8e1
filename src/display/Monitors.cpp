#include "display/Monitors.h"

#include "platform/MonitorApi.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>

using namespace monitorapi;

namespace {

// The primary screen's size in pixels, as the original computed it from twips.
int primaryPixels(bool horizontal) {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return 0;
    const double factor = horizontal ? TwipsPerPixelX() : TwipsPerPixelY();
    const long twips = std::lround((horizontal ? s->size().width() : s->size().height()) * factor);
    return int(twips / std::lround(factor));
}

bool fill(clsMonitor& m, long handle) {
    MONITORINFO info;
    if (!GetMonitorInfo(handle, &info)) return false;
    m.Handle = handle;
    m.Left = info.rcMonitor.left;
    m.Right = info.rcMonitor.right;
    m.Top = info.rcMonitor.top;
    m.Bottom = info.rcMonitor.bottom;
    m.WorkLeft = info.rcWork.left;
    m.WorkRight = info.rcWork.right;
    m.WorkTop = info.rcWork.top;
    m.WorkBottom = info.rcWork.bottom;
    m.Height = m.Bottom - m.Top;
    m.Width = m.Right - m.Left;
    return true;
}

} // namespace

clsMonitors::clsMonitors() {
    Refresh();
}

int clsMonitors::DesktopLeft() const {
    return GetSystemMetrics(SM_CMONITORS) ? GetSystemMetrics(SM_XVIRTUALSCREEN) : 0;
}

int clsMonitors::DesktopTop() const {
    return GetSystemMetrics(SM_CMONITORS) ? GetSystemMetrics(SM_YVIRTUALSCREEN) : 0;
}

int clsMonitors::DesktopWidth() const {
    return GetSystemMetrics(SM_CMONITORS) ? GetSystemMetrics(SM_CXVIRTUALSCREEN)
                                          : primaryPixels(true);
}

int clsMonitors::DesktopHeight() const {
    return GetSystemMetrics(SM_CMONITORS) ? GetSystemMetrics(SM_CYVIRTUALSCREEN)
                                          : primaryPixels(false);
}

long clsMonitors::GetMonitorFromWindow(const QWindow* window, int flags) const {
    return MonitorFromWindow(window, flags);
}

long clsMonitors::GetMonitorFromXYPoint(int x, int y, int flags) const {
    return MonitorFromRect(MonitorRect{x, y, x + 1, y + 1}, flags);
}

void clsMonitors::Refresh() {
    Monitors.clear();
    if (GetSystemMetrics(SM_CMONITORS) == 0) {
        clsMonitor only;
        only.Right = only.WorkRight = only.Width = primaryPixels(true);
        only.Bottom = only.WorkBottom = only.Height = primaryPixels(false);
        Monitors.push_back(only);
        return;
    }
    // The limits are the desktop's width and height used as coordinates: with the primary
    // monitor at the origin this covers the whole desktop.
    for (int y = DesktopTop(); y <= DesktopHeight(); y += kCellHeight) {
        for (int x = DesktopLeft(); x <= DesktopWidth(); x += kCellWidth) {
            const long handle = GetMonitorFromXYPoint(x + kCellWidth / 2, y + kCellHeight / 2,
                                                      MONITOR_DEFAULTTONULL);
            if (handle == 0) continue;
            bool known = false;
            for (const clsMonitor& m : Monitors)
                known = known || m.Handle == handle;
            if (known) continue;
            clsMonitor m;
            if (!fill(m, handle)) return; // keep what was found
            Monitors.push_back(m);
        }
    }
}

void clsMonitors::CenterFormOnMonitor(QWindow* form, const QWindow* reference) const {
    if (!form) return;
    const double fx = TwipsPerPixelX(), fy = TwipsPerPixelY();
    const long width = std::lround(form->frameGeometry().width() * fx);
    const long height = std::lround(form->frameGeometry().height() * fy);
    const long handle = reference ? GetMonitorFromWindow(reference, MONITOR_DEFAULTTOPRIMARY)
                                  : GetMonitorFromXYPoint(1, 1, MONITOR_DEFAULTTOPRIMARY);
    long left, top;
    if (handle != 0) {
        MONITORINFO info;
        if (!GetMonitorInfo(handle, &info)) return;
        const long workWidth = std::lround(fx * (info.rcWork.right - info.rcWork.left));
        const long workHeight = std::lround(fy * (info.rcWork.bottom - info.rcWork.top));
        left = std::lround(fx * info.rcMonitor.left) + (workWidth - width) / 2;
        top = std::lround(fy * info.rcMonitor.top) + (workHeight - height) / 2;
    } else {
        const QScreen* s = QGuiApplication::primaryScreen();
        if (!s) return;
        left = (std::lround(s->size().width() * fx) - width) / 2;
        top = (std::lround(s->size().height() * fy) - height) / 2;
    }
    form->setFramePosition(QPoint(int(std::lround(left / fx)), int(std::lround(top / fy))));
}
