#include "platform/ScreenSaver.h"
#include "app/ControlPanel.h"
#include "app/Lifecycle.h"
#include "support/FakeShell.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedDialogs.h"
#include "ui/Form1.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QMutex>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace {

// A stand-in for the desktop's screen-saver service, on its own bus connection and thread,
// so the program reaches it through the bus as it would reach the desktop's.
class FakeScreenSaverService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    int held() const {
        QMutexLocker lock(&mutex_);
        return static_cast<int>(cookies_.size());
    }

public slots:
    uint Inhibit(const QString& application, const QString& reason) {
        (void)application;
        (void)reason;
        QMutexLocker lock(&mutex_);
        cookies_.insert(++next_);
        return next_;
    }
    void UnInhibit(uint cookie) {
        QMutexLocker lock(&mutex_);
        cookies_.remove(cookie);
    }

private:
    mutable QMutex mutex_;
    QSet<uint> cookies_;
    uint next_ = 0;
};

struct ServiceOnTheBus {
    ServiceOnTheBus()
        : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                            QStringLiteral("fake-screensaver"))) {
        thread.start();
        service.moveToThread(&thread);
        registered = bus.isConnected() &&
                     bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")) &&
                     bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &service,
                                        QDBusConnection::ExportAllSlots);
    }
    ~ServiceOnTheBus() {
        bus.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
        bus.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-screensaver"));
        thread.quit();
        thread.wait();
    }
    QDBusConnection bus;
    FakeScreenSaverService service;
    QThread thread;
    bool registered = false;
};

struct ShownForm {
    ShownForm() {
        folder.write(QStringLiteral("Scenolux.ini"),
                     "English.lng\r\n30000\r\n600\r\n0\r\n0\r\n1\r\n\r\n0\r\n");
        form.lifecycle->Form_Load(QString());
    }
    QByteArray settingsLine4() const {
        return folder.read(QStringLiteral("Scenolux.ini")).split('\n').value(3).trimmed();
    }
    TempProgramFolder folder;
    ScriptedDialogs dialogs;
    Form1 form;
};

// An X server of our own, for the idle count.
struct OwnXServer {
    OwnXServer() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) return;
        for (int n = 140; n < 160 && !display; ++n) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
                QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            name = QStringLiteral(":%1").arg(n);
            server.start(QStringLiteral("Xvfb"),
                         {name, QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                          QStringLiteral("-screen"), QStringLiteral("0"),
                          QStringLiteral("320x240x24")});
            if (!QTest::qWaitFor(
                    [&] {
                        return (display = XOpenDisplay(name.toLatin1().constData())) != nullptr;
                    },
                    5000))
                server.kill(), server.waitForFinished();
        }
    }
    ~OwnXServer() {
        if (display) XCloseDisplay(display);
        server.terminate();
        server.waitForFinished(3000);
    }
    // Milliseconds since the last input, as the X server counts them.
    unsigned long idle() const {
        XScreenSaverInfo* info = XScreenSaverAllocInfo();
        XScreenSaverQueryInfo(display, DefaultRootWindow(display), info);
        const unsigned long ms = info->idle;
        XFree(info);
        return ms;
    }
    QProcess server;
    QString name;
    Display* display = nullptr;
};

} // namespace

TEST(ScreenSaver, TheOptionHoldsTheSessionServiceAndLetsGoAtOnce) {
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "needs a session bus (the test runs under dbus-run-session)";
    ServiceOnTheBus fake;
    ASSERT_TRUE(fake.registered);
    ScreenSaver real;
    ScreenSaver* const before = &screenSaver();
    SetScreenSaver(&real);
    const auto restore = qScopeGuard([&] { SetScreenSaver(before); });
    {
        ShownForm t;
        EXPECT_EQ(fake.service.held(), 0); // line 4 says off
        t.form.mnuScreenSaver->trigger();  // as the operator's click
        EXPECT_TRUE(t.form.mnuScreenSaver->isChecked());
        EXPECT_EQ(t.form.Timer6->Interval(), 30000);
        EXPECT_EQ(fake.service.held(), 1);
        EXPECT_EQ(t.settingsLine4(), QByteArray("1"));

        t.form.mnuScreenSaver->trigger();
        EXPECT_FALSE(t.form.mnuScreenSaver->isChecked());
        EXPECT_EQ(t.form.Timer6->Interval(), 0);
        EXPECT_EQ(fake.service.held(), 0);
        EXPECT_EQ(t.settingsLine4(), QByteArray("0"));

        // A start with the option saved on holds it from the beginning.
        t.folder.write(QStringLiteral("Scenolux.ini"),
                       "English.lng\r\n30000\r\n600\r\n1\r\n0\r\n1\r\n\r\n0\r\n");
        Form1 again;
        again.lifecycle->Form_Load(QString());
        EXPECT_EQ(fake.service.held(), 1);
        again.controlPanel->SetScreenSaverOption(false);
        EXPECT_EQ(fake.service.held(), 0);
    }
}

TEST(ScreenSaver, EachTickStartsTheXIdleCountAgain) {
    OwnXServer x;
    if (!x.display) GTEST_SKIP() << "needs Xvfb";
    const QByteArray oldDisplay = qgetenv("DISPLAY");
    qputenv("DISPLAY", x.name.toLatin1());
    ScreenSaver real;
    ScreenSaver* const before = &screenSaver();
    SetScreenSaver(&real);
    const auto restore = qScopeGuard([&] {
        SetScreenSaver(before);
        qputenv("DISPLAY", oldDisplay);
    });
    ShownForm t;
    t.form.controlPanel->SetScreenSaverOption(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return x.idle() >= 1000; }, 5000));
    t.form.Timer6->onTimer();
    EXPECT_LT(x.idle(), 500ul);
}

TEST(ControlPanel, TheFirstSettingsProgramInstalledOpensElseANoticeSaysSo) {
    ShownForm t;
    FakeShell shell;
    t.form.mnuImpostaAudio->trigger();
    t.form.mnuMonitorSettings->trigger();
    EXPECT_TRUE(shell.started.isEmpty());
    EXPECT_FALSE(t.form.Label11->isHidden());
    EXPECT_TRUE(t.form.Label11->Caption().contains(QStringLiteral("display settings")));

    shell.installed = {QStringLiteral("xfce4-display-settings"), QStringLiteral("pavucontrol"),
                       QStringLiteral("gnome-control-center")};
    t.form.mnuImpostaAudio->trigger();
    t.form.mnuMonitorSettings->trigger();
    ASSERT_EQ(shell.started.size(), 2);
    EXPECT_EQ(shell.started[0], QStringList{QStringLiteral("/usr/bin/pavucontrol")});
    EXPECT_EQ(shell.started[1], (QStringList{QStringLiteral("/usr/bin/gnome-control-center"),
                                             QStringLiteral("display")}));
}

#include "ScreenSaverTest.moc"
