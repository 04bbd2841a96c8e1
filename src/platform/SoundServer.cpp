// The sound server watch over libpulse: a connection of its own that holds no stream, so that
// its failure is the server's, and new connections while the server is away.
#include "platform/SoundServer.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QThread>
#include <QTimer>
#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/thread-mainloop.h>

Q_LOGGING_CATEGORY(lcSoundServer, "scenolux.soundserver")

SoundServer::~SoundServer() = default;

void SoundServer::announce(bool up) {
    if (up_.exchange(up) == up) return;
    qCInfo(lcSoundServer) << (up ? "the sound server answers" : "the sound server went away");
    QMetaObject::invokeMethod(
        this,
        [this, up] {
            // A quick loss and return may overtake each other; only the last news counts.
            if (Up() != up) return;
            if (up)
                emit Back();
            else
                emit Lost();
        },
        Qt::QueuedConnection);
}

namespace {

class PulseWatch : public SoundServer {
public:
    PulseWatch() {
        loop_ = pa_threaded_mainloop_new();
        if (!loop_ || pa_threaded_mainloop_start(loop_) < 0) return;
        // Connecting again is tried from the GUI thread's timer, never from a callback.
        retry_.setInterval(500);
        QObject::connect(&retry_, &QTimer::timeout, this, [this] { connectNow(); });
        connectNow();
    }

    ~PulseWatch() override {
        if (!loop_) return;
        pa_threaded_mainloop_stop(loop_);
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        pa_threaded_mainloop_free(loop_);
    }

    bool Check() override {
        pa_mainloop* loop = pa_mainloop_new();
        if (!loop) return Up();
        pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Scenolux check");
        bool answered = false;
        if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
            QElapsedTimer clock;
            clock.start();
            while (clock.elapsed() < 1000) {
                const pa_context_state_t state = pa_context_get_state(context);
                if (state == PA_CONTEXT_READY) answered = true;
                if (answered || !PA_CONTEXT_IS_GOOD(state)) break;
                pa_mainloop_iterate(loop, 0, nullptr);
                QThread::msleep(5);
            }
        }
        if (context) {
            pa_context_disconnect(context);
            pa_context_unref(context);
        }
        pa_mainloop_free(loop);
        // Only bad news is recorded here; the watch's own connection tells when it is back.
        if (!answered) announce(false);
        return answered;
    }

private:
    void connectNow() {
        pa_threaded_mainloop_lock(loop_);
        if (context_) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Scenolux watch");
        if (context_) {
            pa_context_set_state_callback(context_, &PulseWatch::stateChanged, this);
            if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
                failedNow();
        } else {
            failedNow();
        }
        pa_threaded_mainloop_unlock(loop_);
    }

    // Pulse thread, with the loop locked.
    static void stateChanged(pa_context* context, void* data) {
        auto* self = static_cast<PulseWatch*>(data);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            self->announce(true);
            QMetaObject::invokeMethod(
                self, [self] { self->retry_.stop(); }, Qt::QueuedConnection);
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            self->failedNow();
            break;
        default:
            break;
        }
    }

    void failedNow() {
        announce(false);
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!retry_.isActive()) retry_.start();
            },
            Qt::QueuedConnection);
    }

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    QTimer retry_;
};

SoundServer* installed = nullptr;

} // namespace

SoundServer& soundServer() {
    if (installed) return *installed;
    static PulseWatch watch;
    return watch;
}

void SetSoundServer(SoundServer* watch) {
    installed = watch;
}
