// Monitor enumeration, run once per simulated screen layout (see tests/CMakeLists.txt).
#include "display/Monitors.h"
#include "platform/MonitorApi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

TEST(OneMonitor, OneEntryAndThePrimaryCentresWindows) {
    ASSERT_EQ(QGuiApplication::screens().size(), 1);
    clsMonitors monitors;
    ASSERT_EQ(monitors.Count(), 1);
    const clsMonitor& m = monitors.Monitors[0];
    const QRect g = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(m.Left, g.left());
    EXPECT_EQ(m.Width, g.width());
    EXPECT_EQ(m.Height, m.Bottom - m.Top);
    EXPECT_EQ(monitors.GetMonitorFromXYPoint(-5000, -5000, monitorapi::MONITOR_DEFAULTTONULL), 0);
    EXPECT_EQ(monitors.GetMonitorFromXYPoint(-5000, -5000, monitorapi::MONITOR_DEFAULTTOPRIMARY),
              m.Handle);

    QWindow window;
    window.resize(400, 300);
    monitors.CenterFormOnMonitor(&window);
    // Centred: as much of the work area on either side.
    EXPECT_NEAR(window.x() - m.WorkLeft, m.WorkRight - window.x() - 400, 1);
    EXPECT_NEAR(window.y() - m.WorkTop, m.WorkBottom - window.y() - 300, 1);
    // A window larger than the work area starts before the monitor's corner.
    window.resize(g.width() + 200, 100);
    monitors.CenterFormOnMonitor(&window);
    EXPECT_EQ(window.x(), m.Left - 100);
}

TEST(SideBySide, LeftMonitorFirstAndTooSmallOnesUnlisted) {
    // Screens: primary 1920x1080 at 0,0; 1280x1024 at 1920,0; a 300x200 one at 3200,0.
    ASSERT_EQ(QGuiApplication::screens().size(), 3);
    clsMonitors monitors;
    ASSERT_EQ(monitors.Count(), 2) << "the 300 x 200 screen holds no cell centre";
    EXPECT_EQ(monitors.Monitors[0].Left, 0);
    EXPECT_EQ(monitors.Monitors[1].Left, 1920);
    EXPECT_EQ(monitors.Monitors[1].Width, 1280);
    EXPECT_EQ(monitors.Monitors[1].Height, 1024);
    EXPECT_EQ(monitors.DesktopWidth(), 3500);
    EXPECT_EQ(monitors.DesktopLeft(), 0);
}

TEST(AboveThePrimary, TheUpperMonitorComesFirst) {
    // Screens: primary 1920x1080 at 0,0; 1920x1080 above it at 0,-1080.
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    clsMonitors monitors;
    ASSERT_EQ(monitors.Count(), 2);
    EXPECT_EQ(monitors.Monitors[0].Top, -1080);
    EXPECT_EQ(monitors.Monitors[1].Top, 0);
    EXPECT_EQ(monitors.DesktopTop(), -1080);
    EXPECT_EQ(monitors.DesktopHeight(), 2160);
}
