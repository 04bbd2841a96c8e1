#include "show/OscRemote.h"

#include <QHostAddress>
#include <QLoggingCategory>
#include <QVariant>
#include <lo/lo.h>
#include <sys/socket.h>

Q_LOGGING_CATEGORY(lcRemote, "scenolux.remote")

namespace {

thread_local QString lastError;

void onLoError(int number, const char* text, const char* path) {
    lastError = QString::fromUtf8(text ? text : "");
    qCDebug(lcRemote) << "liblo" << number << lastError << (path ? path : "");
}

// A press of a button: no argument, or one number that is not 0. Anything else is no press.
bool isPress(const OscRemote::Message& m) {
    if (m.types.isEmpty()) return true;
    if (m.types.size() != 1 || !QStringLiteral("ifdh").contains(m.types[0])) return false;
    return m.args.value(0).toDouble() != 0;
}

// On liblo's thread: copy the message and hand it over; never touch the program here.
int receiveMessage(const char* path, const char* types, lo_arg** args, int argc, lo_message msg,
                   void* self) {
    auto* remote = static_cast<OscRemote*>(self);
    OscRemote::Message m;
    m.path = QString::fromUtf8(path);
    m.types = QString::fromLatin1(types);
    lo_address source = lo_message_get_source(msg);
    if (source) {
        m.host = QString::fromUtf8(lo_address_get_hostname(source));
        m.port = QString::fromUtf8(lo_address_get_port(source));
    }
    if (remote->LocalOnly()) {
        QHostAddress from(m.host);
        bool v4 = false;
        const quint32 mapped = from.toIPv4Address(&v4);
        if (!(from.isLoopback() || (v4 && QHostAddress(mapped).isLoopback()))) return 0;
    }
    for (int i = 0; i < argc; ++i) {
        switch (types[i]) {
        case LO_INT32:
            m.args << QVariant(args[i]->i);
            break;
        case LO_FLOAT:
            m.args << QVariant(double(args[i]->f));
            break;
        case LO_DOUBLE:
            m.args << QVariant(args[i]->d);
            break;
        case LO_INT64:
            m.args << QVariant(qlonglong(args[i]->h));
            break;
        case LO_STRING:
        case LO_SYMBOL:
            m.args << QVariant(QString::fromUtf8(&args[i]->s));
            break;
        default:
            m.args << QVariant();
            break;
        }
    }
    remote->Receive(std::move(m));
    return 0;
}

} // namespace

namespace {
bool isPanic(const OscRemote::Message& m) {
    return m.path == QLatin1String("/scenolux/panic") && isPress(m);
}
} // namespace

OscRemote::OscRemote() {
    pace_.setSingleShot(true);
    connect(&pace_, &QTimer::timeout, this, [this] { takeNext(); });
}

void OscRemote::Receive(Message message) {
    if (clock && message.arrivedMs < 0) message.arrivedMs = clock();
    ++received_;
    std::lock_guard lock(mutex_);
    if (isPanic(message)) {
        // Nothing that waited may run after the panic.
        dropped_ += int(pending_.size());
        pending_.clear();
        pending_.push_front(std::move(message));
    } else if (int(pending_.size()) >= kMaxPending) {
        ++dropped_;
        return;
    } else {
        pending_.push_back(std::move(message));
    }
    // One wake-up at a time: the window's event queue never fills with messages.
    if (wakePosted_) return;
    wakePosted_ = true;
    QMetaObject::invokeMethod(this, &OscRemote::wake, Qt::QueuedConnection);
}

int OscRemote::Pending() const {
    std::lock_guard lock(mutex_);
    return int(pending_.size());
}

void OscRemote::wake() {
    bool panicFirst = false;
    {
        std::lock_guard lock(mutex_);
        wakePosted_ = false;
        if (pending_.empty()) return;
        panicFirst = isPanic(pending_.front());
    }
    if (panicFirst) {
        pace_.stop();
        takeNext();
        return;
    }
    if (pace_.isActive()) return;
    const qint64 since = lastTaken_.isValid() ? lastTaken_.elapsed() : kMinPauseMs + lastRunMs_;
    pace_.start(int(qMax<qint64>(0, qMax<qint64>(kMinPauseMs, lastRunMs_) - since)));
}

void OscRemote::takeNext() {
    Message m;
    int dropped = 0;
    {
        std::lock_guard lock(mutex_);
        if (pending_.empty()) return;
        m = std::move(pending_.front());
        pending_.pop_front();
        if (pending_.empty()) dropped = std::exchange(dropped_, 0);
    }
    if (dropped > 0)
        qCWarning(lcRemote)
            << dropped << "remote messages dropped: they came faster than the show can take them";
    QElapsedTimer run;
    run.start();
    arrivedMs_ = m.arrivedMs;
    Dispatch(m);
    arrivedMs_ = -1;
    lastRunMs_ = run.elapsed();
    lastTaken_.start();
    // The window gets at least as long as the message took before the next one runs.
    if (Pending() > 0 && !pace_.isActive()) pace_.start(int(qMax<qint64>(kMinPauseMs, lastRunMs_)));
}

OscRemote::~OscRemote() {
    Stop();
}

bool OscRemote::Start(int port, bool allInterfaces, QString* error) {
    Stop();
    lastError.clear();
    const QByteArray service = QByteArray::number(port);
    // liblo binds every interface. For "only this machine" the socket is tied to the loopback
    // device, so the port is closed to other hosts; should the system refuse that, what comes
    // from elsewhere is still dropped on arrival.
    // Port 0: a free one of the system's choosing (read back with Port()).
    lo_server_thread thread = lo_server_thread_new_with_proto(
        port == 0 ? nullptr : service.constData(), LO_UDP, onLoError);
    if (!thread) {
        if (error) *error = lastError;
        return false;
    }
    localOnly_ = !allInterfaces;
    if (localOnly_) {
        const int fd = lo_server_get_socket_fd(lo_server_thread_get_server(thread));
        static const char kLoopback[] = "lo";
        if (fd < 0 || setsockopt(fd, SOL_SOCKET, SO_BINDTODEVICE, kLoopback, sizeof kLoopback) != 0)
            qCDebug(lcRemote) << "the remote port is not tied to the loopback device";
    }
    lo_server_thread_add_method(thread, nullptr, nullptr, receiveMessage, this);
    if (lo_server_thread_start(thread) != 0) {
        lo_server_thread_free(thread);
        if (error) *error = lastError;
        return false;
    }
    thread_ = thread;
    return true;
}

int OscRemote::Port() const {
    return thread_ ? lo_server_thread_get_port(static_cast<lo_server_thread>(thread_)) : 0;
}

void OscRemote::Stop() {
    if (!thread_) return;
    auto* thread = static_cast<lo_server_thread>(thread_);
    thread_ = nullptr;
    lo_server_thread_stop(thread);
    lo_server_thread_free(thread);
    // What waited was meant for a remote that is now off.
    std::lock_guard lock(mutex_);
    pending_.clear();
}

void OscRemote::Dispatch(const Message& m) {
    auto press = [&](const std::function<void()>& action) {
        if (isPress(m) && action) action();
    };
    if (m.path == QLatin1String("/scenolux/go")) {
        press(onGo);
    } else if (m.path == QLatin1String("/scenolux/back")) {
        press(onBack);
    } else if (m.path == QLatin1String("/scenolux/panic")) {
        press(onPanic);
    } else if (m.path == QLatin1String("/scenolux/showmode")) {
        if (m.types == QLatin1String("i") && onShowMode) {
            const int value = m.args.value(0).toInt();
            if (value == 0 || value == 1) onShowMode(value == 1);
        }
    } else if (m.path == QLatin1String("/scenolux/cue")) {
        if (m.types == QLatin1String("s") && onCue) onCue(m.args.value(0).toString());
    } else if (m.path == QLatin1String("/scenolux/standby")) {
        if (m.types.isEmpty() && standbyText) reply(m, standbyText());
    }
}

void OscRemote::reply(const Message& to, const QString& text) {
    if (!thread_ || to.host.isEmpty() || to.port.isEmpty()) return;
    lo_address target = lo_address_new(to.host.toUtf8().constData(), to.port.toUtf8().constData());
    if (!target) return;
    lo_server server = lo_server_thread_get_server(static_cast<lo_server_thread>(thread_));
    const QByteArray utf8 = text.toUtf8();
    if (lo_send_from(target, server, LO_TT_IMMEDIATE, "/scenolux/standby", "s", utf8.constData()) <
        0)
        qCWarning(lcRemote) << "standby reply not sent to" << to.host << to.port;
    lo_address_free(target);
}
