// The monitors attached at start-up and where each lies on the virtual desktop, found by
// sampling the desktop on a grid of 640 x 480 pixel cells.
#pragma once

#include <QString>
#include <vector>

class QWindow;

// One monitor's rectangles, in pixels of the virtual desktop (right and bottom exclusive).
struct clsMonitor {
    long Handle = 0;
    int Left = 0, Right = 0, Top = 0, Bottom = 0;
    int WorkLeft = 0, WorkRight = 0, WorkTop = 0, WorkBottom = 0;
    int Width = 0, Height = 0;
};

class clsMonitors {
public:
    clsMonitors(); // enumerates at once
    virtual ~clsMonitors() = default;

    // The monitors in the order they were found: rows top to bottom, left to right.
    std::vector<clsMonitor> Monitors;
    // How many monitors there are.
    virtual int Count() const { return int(Monitors.size()); }

    int DesktopLeft() const;
    int DesktopTop() const;
    int DesktopWidth() const;
    int DesktopHeight() const;
    // Monitor handle of a window (0 when none); a widget's is its windowHandle().
    long GetMonitorFromWindow(const QWindow* window, int flags) const;
    // Monitor handle at a point of the virtual desktop (0 when none).
    long GetMonitorFromXYPoint(int x, int y, int flags) const;
    // Moves a window to the centre of a monitor's work area: the reference window's monitor,
    // or the primary one.
    void CenterFormOnMonitor(QWindow* formToCenter, const QWindow* referenceForm = nullptr) const;
    // Builds the list again.
    void Refresh();

    static constexpr int kCellWidth = 640;
    static constexpr int kCellHeight = 480;
};
