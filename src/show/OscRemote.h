// Remote control over OSC (UDP), with liblo. Its receiving thread hands each message to the
// user-interface thread, where it runs as the matching key would:
//   /scenolux/go, /scenolux/back, /scenolux/panic   no argument, or one number: a button that
//                                                     sends 1 on press and 0 on release acts once
//   /scenolux/showmode i                             1 on, 0 off
//   /scenolux/cue s                                  run the text as a clicked cue
//   /scenolux/standby                                reply /scenolux/standby s to the sender
// Anything else (other addresses, other argument types, damaged packets) is ignored.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <functional>

class OscRemote : public QObject {
    Q_OBJECT
public:
    OscRemote();
    ~OscRemote() override;

    // Listens on port: on every interface, or only for this machine (messages from other
    // machines are dropped). False, with the reason, when the port cannot be opened.
    bool Start(int port, bool allInterfaces, QString* error = nullptr);
    // Closes the port.
    void Stop();
    bool Listening() const { return thread_ != nullptr; }
    // Messages from other machines are dropped.
    bool LocalOnly() const { return localOnly_; }

    std::function<void()> onGo, onBack, onPanic;
    std::function<void(bool on)> onShowMode;
    std::function<void(const QString& cue)> onCue;
    std::function<QString()> standbyText;

    // One received message, as the receiving thread copies it.
    struct Message {
        QString path;
        QString types;
        QList<QVariant> args;
        QString host, port; // the sender
    };
    // Runs one message (on the user-interface thread).
    void Dispatch(const Message& message);

private:
    void reply(const Message& to, const QString& text);

    void* thread_ = nullptr; // lo_server_thread
    bool localOnly_ = true;
};
