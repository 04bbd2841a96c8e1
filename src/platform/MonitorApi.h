// The monitor functions of the original platform, answered from Qt's list of screens.
// Monitor handles are the screen's place in that list plus one (0 means none). Rectangles
// are in pixels of the virtual desktop, right and bottom exclusive.
#pragma once

class QWindow;

namespace monitorapi {
constexpr int SM_XVIRTUALSCREEN = 76, SM_YVIRTUALSCREEN = 77, SM_CXVIRTUALSCREEN = 78,
              SM_CYVIRTUALSCREEN = 79, SM_CMONITORS = 80;
constexpr int MONITOR_DEFAULTTONULL = 0, MONITOR_DEFAULTTOPRIMARY = 1, MONITOR_DEFAULTTONEAREST = 2;
} // namespace monitorapi

struct MonitorRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct MONITORINFO {
    MonitorRect rcMonitor;
    MonitorRect rcWork; // the monitor less task bars and docked panels
    bool primary = false;
};

int GetSystemMetrics(int index);
long MonitorFromRect(const MonitorRect& rect, int flags);
long MonitorFromWindow(const QWindow* window, int flags);
bool GetMonitorInfo(long monitor, MONITORINFO* info);
