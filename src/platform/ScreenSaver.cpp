#include "platform/ScreenSaver.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QLoggingCategory>

#include <X11/Xlib.h>

Q_LOGGING_CATEGORY(lcScreenSaver, "scenolux.screensaver")

namespace {
const char* const kService = "org.freedesktop.ScreenSaver";
const char* const kPath = "/org/freedesktop/ScreenSaver";
// The service answers at once; a session that does not must not hold the window long.
constexpr int kCallTimeoutMs = 1000;

bool serviceOffered() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) return false;
    return bus.interface()->isServiceRegistered(QLatin1String(kService)).value();
}
} // namespace

// An inhibition still held at exit ends with the process's bus connection: the service drops
// what a departed client held.
ScreenSaver::~ScreenSaver() {
    if (display_) XCloseDisplay(static_cast<Display*>(display_));
}

void ScreenSaver::Inhibit(const QString& reason) {
    if (held_ || !serviceOffered()) return;
    QDBusInterface service{QLatin1String(kService), QLatin1String(kPath), QLatin1String(kService),
                           QDBusConnection::sessionBus()};
    service.setTimeout(kCallTimeoutMs);
    const QDBusReply<unsigned> reply =
        service.call(QStringLiteral("Inhibit"), QStringLiteral("Scenolux"), reason);
    if (!reply.isValid()) {
        qCWarning(lcScreenSaver) << "Inhibit refused:" << reply.error().message();
        return;
    }
    cookie_ = reply.value();
    held_ = true;
}

void ScreenSaver::Release() {
    if (!held_) return;
    held_ = false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusInterface service{QLatin1String(kService), QLatin1String(kPath), QLatin1String(kService),
                           bus};
    service.setTimeout(kCallTimeoutMs);
    const QDBusMessage reply = service.call(QStringLiteral("UnInhibit"), cookie_);
    if (reply.type() == QDBusMessage::ErrorMessage)
        qCWarning(lcScreenSaver) << "UnInhibit refused:" << reply.errorMessage();
}

void ScreenSaver::ResetIdle() {
    if (!display_ && !displayTried_) {
        displayTried_ = true;
        display_ = XOpenDisplay(nullptr);
    }
    auto* display = static_cast<Display*>(display_);
    if (!display) return;
    XResetScreenSaver(display);
    XFlush(display);
}

namespace {
ScreenSaver* installed = nullptr;
}

ScreenSaver& screenSaver() {
    if (installed) return *installed;
    static ScreenSaver real;
    return real;
}

void SetScreenSaver(ScreenSaver* replacement) {
    installed = replacement;
}
