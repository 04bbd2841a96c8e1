#include "platform/ScreenSaver.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
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

// One call to the service, with the short time limit.
QDBusMessage callService(const QString& method, const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(kService), QLatin1String(kPath), QLatin1String(kService), method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
}
} // namespace

// An inhibition still held at exit ends with the process's bus connection: the service drops
// what a departed client held.
ScreenSaver::~ScreenSaver() {
    if (display_) XCloseDisplay(static_cast<Display*>(display_));
}

void ScreenSaver::Inhibit(const QString& reason) {
    if (held_ || !serviceOffered()) return;
    const QDBusReply<unsigned> reply =
        callService(QStringLiteral("Inhibit"), {QStringLiteral("Scenolux"), reason});
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
    if (!QDBusConnection::sessionBus().isConnected()) return;
    const QDBusMessage reply = callService(QStringLiteral("UnInhibit"), {cookie_});
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
    XSync(display, False); // done when this returns, not merely sent
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
