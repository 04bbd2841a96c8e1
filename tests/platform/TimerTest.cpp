#include "platform/Timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

TEST(Timer, RunsOnlyWhileEnabledWithAnInterval) {
    Timer timer(0);
    EXPECT_FALSE(timer.IsRunning()); // interval 0 means stopped
    timer.setInterval(10);
    EXPECT_TRUE(timer.IsRunning());
    timer.setEnabled(false);
    EXPECT_FALSE(timer.IsRunning());
    EXPECT_EQ(timer.Interval(), 10); // disabling keeps the interval
    timer.setEnabled(true);
    EXPECT_TRUE(timer.IsRunning());
    timer.setInterval(0);
    EXPECT_FALSE(timer.IsRunning());
    EXPECT_TRUE(timer.Enabled());
    timer.setInterval(-3);
    EXPECT_EQ(timer.Interval(), 0);
}

TEST(Timer, FiresItsHandlerRepeatedly) {
    Timer timer(5);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    QElapsedTimer clock;
    clock.start();
    while (ticks < 3 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_GE(ticks, 3);
    timer.setEnabled(false);
    const int stopped = ticks;
    clock.restart();
    while (clock.elapsed() < 30)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(ticks, stopped);
}
