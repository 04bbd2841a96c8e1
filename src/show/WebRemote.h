// The remote page: a small web server that serves one page from the program's resources to a
// phone, tablet or laptop on the booth network, and a WebSocket that pushes where the show
// stands (show mode, the standby cue among its script lines, the last cue, the players, the
// master volume) and takes GO, Back, Panic and the show-mode switch, run through show mode as
// the keys run them. Nothing the page sends can reach the script's text or files.
//
// The network is not private, so every request and socket carries the pass code (?code=…).
// A wrong code is answered only after a pause, and ten wrong codes in a minute from one
// address shut that address out for a minute. Only "/" (the page) and "/ws" (its socket) are
// served; a request or message over 64 KB, a socket opened from another page's origin and any
// other method or path are refused. Every refusal is logged (scenolux.web), never shown.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class MasterVolume;
class Notices;
class QHttpServerRequest;
class QTcpSocket;
class QWebSocket;
class ScriptDocument;
class ShowMode;
class ShowState;
class Transport;

// What the page shows and drives.
struct WebRemoteParts {
    ShowMode& showMode;
    ShowState& state;
    ScriptDocument& script;
    Transport& audio;
    Transport& video;
    MasterVolume& volume;
    Notices& notices; // a port that cannot be opened is said there
};

class WebRemote : public QObject {
    Q_OBJECT
public:
    explicit WebRemote(WebRemoteParts parts);
    ~WebRemote() override;

    // Listens on port (0: any free one, see Port()), on every interface or only on this
    // machine's loopback; false, with the reason, when the port cannot be opened.
    bool Start(int port, bool allInterfaces, const QString& code, QString* error = nullptr);
    // Closes the port and every page's socket.
    void Stop();
    bool Listening() const;
    // The port listened on; 0 when closed.
    int Port() const;
    // Follows show mode's settings: on or off, port, reach and code.
    void ApplySettings();
    // The page's address with its code: on this machine's first address on the network, or
    // on the loopback when only this machine is served.
    QString Address() const { return AddressFor(port_, allInterfaces_, code_); }
    static QString AddressFor(int port, bool allInterfaces, const QString& code);

    // The state as the page receives it (one JSON object).
    QByteArray StateMessage();
    int Clients() const { return int(clients_.size()); }
    // Refusals since the start (every one is also logged).
    int Refusals() const { return refusals_; }

    // How long a wrong code waits for its answer; tests shorten it.
    int wrongCodeDelayMs = 600;
    static constexpr qint64 kMaxSize = 64 * 1024;
    static constexpr int kMaxWrongCodes = 10;
    static constexpr int kLockOutMs = 60 * 1000;
    static constexpr int kScriptLinesAround = 3;

private:
    class Server;
    friend class Server;
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket);
    void newSocket();
    void command(QWebSocket* client, const QString& message);
    void refuse(const QHostAddress& from, const QString& reason);
    // Checks a code; a wrong one counts towards the lock-out.
    enum class CodeCheck { Good, Missing, Wrong, LockedOut };
    CodeCheck checkCode(const QHostAddress& from, const QString& code);
    bool lockedOut(const QHostAddress& from);
    QByteArray page(bool askForCode, bool wrongCode) const;
    void changed();
    void push();
    QJsonObject scriptAround();

    WebRemoteParts parts_;
    std::unique_ptr<Server> server_;
    QString code_;
    QList<QPointer<QWebSocket>> clients_;
    QHash<QString, QList<QDeadlineTimer>> wrongCodes_; // by address: when each stops counting
    QHash<QString, QDeadlineTimer> lockedOut_;
    QByteArray lastSent_;
    bool pushPending_ = false;
    int refusals_ = 0;
    int port_ = 0;
    bool allInterfaces_ = false;
    // The script lines round the standby, made again when the script or the standby changes.
    quint64 aroundVersion_ = ~quint64(0);
    int aroundAt_ = -1;
    QJsonObject around_;
};
