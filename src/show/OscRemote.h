// Remote control over OSC (UDP), with liblo. Its receiving thread hands each message to the
// user-interface thread, where it runs as the matching key would:
//   /scenolux/go, /scenolux/back, /scenolux/panic   no argument, or one number: a button that
//                                                     sends 1 on press and 0 on release acts once
//   /scenolux/showmode i                             1 on, 0 off
//   /scenolux/cue s                                  run the text as a clicked cue
//   /scenolux/standby                                reply /scenolux/standby s to the sender
// Anything else (other addresses, other argument types, damaged packets) is ignored.
//
// Messages wait in a short queue and are taken one at a time, each after a pause as long as
// the one before took to run, so a burst (a stuck button, a flooding sender) never keeps the
// window from its own keys and drawing: what does not fit in the queue is dropped and counted
// in the log. A panic goes before everything waiting and drops it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <atomic>
#include <deque>
#include <functional>
#include <mutex>

class OscRemote : public QObject {
    Q_OBJECT
public:
    OscRemote();
    ~OscRemote() override;

    // Listens on port (0: any free one, see Port()): on every interface, or only for this
    // machine (messages from other machines are dropped). False, with the reason, when the port
    // cannot be opened.
    bool Start(int port, bool allInterfaces, QString* error = nullptr);
    // Closes the port.
    void Stop();
    bool Listening() const { return thread_ != nullptr; }
    // The port listened on (the system's choice when started on port 0); 0 when closed.
    int Port() const;
    // Messages from other machines are dropped.
    bool LocalOnly() const { return localOnly_; }

    std::function<void()> onGo, onBack, onPanic;
    std::function<void(bool on)> onShowMode;
    std::function<void(const QString& cue)> onCue;
    std::function<QString()> standbyText;
    // Stamps each message as it arrives (any thread); unset, messages carry no time.
    std::function<qint64()> clock;
    // When the message being run arrived on the clock; -1 when it was not stamped.
    qint64 ArrivedMs() const { return arrivedMs_; }

    // One received message, as the receiving thread copies it.
    struct Message {
        QString path;
        QString types;
        QList<QVariant> args;
        QString host, port; // the sender
        qint64 arrivedMs = -1;
    };
    // Runs one message (on the user-interface thread).
    void Dispatch(const Message& message);
    // Queues one message, from any thread; the user-interface thread takes it in its turn.
    void Receive(Message message);
    // Messages waiting, messages received since the start, messages dropped and not yet
    // logged (for tests and measurements).
    int Pending() const;
    int Received() const { return received_; }

    static constexpr int kMaxPending = 8;
    static constexpr int kMinPauseMs = 10;

private:
    void reply(const Message& to, const QString& text);
    void wake();
    void takeNext();

    mutable std::mutex mutex_; // guards the queue and the counts between the two threads
    std::deque<Message> pending_;
    bool wakePosted_ = false;
    int dropped_ = 0;
    std::atomic<int> received_ = 0;
    QTimer pace_; // the pause before the next message is taken
    QElapsedTimer lastTaken_;
    qint64 lastRunMs_ = 0;
    qint64 arrivedMs_ = -1;

    void* thread_ = nullptr; // lo_server_thread
    bool localOnly_ = true;
};
