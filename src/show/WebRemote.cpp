#include "show/WebRemote.h"

#include "core/MasterVolume.h"
#include "core/Notices.h"
#include "core/ScriptDocument.h"
#include "core/ShowState.h"
#include "core/Transport.h"
#include "i18n/Messages.h"
#include "show/ShowMode.h"

#include <QAbstractHttpServer>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>
#include <QWebSocket>

Q_LOGGING_CATEGORY(lcWeb, "scenolux.web")

namespace {

const QString kPagePath = QStringLiteral("/");
const QString kSocketPath = QStringLiteral("/ws");

// Reads the declared length of a request's body from the head received so far; -1 when none.
qint64 declaredLength(const QByteArray& head) {
    const QByteArray lower = head.toLower();
    const qsizetype at = lower.indexOf("\r\ncontent-length:");
    if (at < 0) return -1;
    const qsizetype end = lower.indexOf("\r\n", at + 2);
    return lower.mid(at + 17, end < 0 ? -1 : end - at - 17).trimmed().toLongLong();
}

bool isUpgrade(const QHttpServerRequest& request) {
    return request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
}

void reply(QTcpSocket* socket, int status, const QByteArray& reason, const QByteArray& body,
           const QByteArray& type = "text/plain; charset=utf-8") {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    out += "Content-Type: " + type + "\r\n";
    out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    // The code rides in the address: no cache keeps it, no other page learns it.
    out += "Cache-Control: no-store\r\nReferrer-Policy: no-referrer\r\n"
           "X-Content-Type-Options: nosniff\r\nX-Frame-Options: DENY\r\n"
           "Content-Security-Policy: default-src 'none'; script-src 'unsafe-inline'; "
           "style-src 'unsafe-inline'; connect-src 'self'; img-src data:\r\n"
           "Connection: close\r\n\r\n";
    out += body;
    socket->write(out);
    socket->disconnectFromHost();
}

QString stateWord(const Transport& t) {
    switch (t.state()) {
    case Transport::State::Playing:
        return QStringLiteral("playing");
    case Transport::State::Paused:
        return QStringLiteral("paused");
    case Transport::State::Stopped:
        break;
    }
    return QStringLiteral("stopped");
}

QJsonObject player(const Transport& t, Msg name) {
    // The menu's title without its access key's mark.
    return QJsonObject{{QStringLiteral("name"), MessageText(name).remove(QLatin1Char('&'))},
                       {QStringLiteral("title"), t.Title()},
                       {QStringLiteral("state"), stateWord(t)},
                       {QStringLiteral("place"), t.HasPlace()},
                       {QStringLiteral("pos"), qint64(t.Position())},
                       {QStringLiteral("len"), qint64(t.Length())}};
}

} // namespace

// The HTTP server: every request comes to the remote, which answers it on the socket.
class WebRemote::Server : public QAbstractHttpServer {
public:
    explicit Server(WebRemote& owner) : owner_(owner) {}

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
        return owner_.handleRequest(request, socket);
    }
    void missingHandler(const QHttpServerRequest&, QTcpSocket* socket) override {
        reply(socket, 404, "Not Found", "");
    }

private:
    WebRemote& owner_;
};

namespace {

// Looks at what arrives before the HTTP server reads it, so that a request over the limit is
// refused before it is kept in memory.
class GuardedTcpServer : public QTcpServer {
public:
    GuardedTcpServer(std::function<void(QTcpSocket*, const QString&)> onRefused, QObject* parent)
        : QTcpServer(parent), onRefused_(std::move(onRefused)) {}

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        // Connected before the HTTP server's own handler, so this runs first; the server cuts
        // every connection of the socket when it hands it to a WebSocket, whose own limits then
        // apply.
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            if (!socket->isOpen()) return;
            const QByteArray head = socket->peek(8192);
            const qint64 declared = declaredLength(head);
            if (socket->bytesAvailable() <= WebRemote::kMaxSize && declared <= WebRemote::kMaxSize)
                return;
            socket->disconnect();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            onRefused_(socket, QStringLiteral("request over 64 KB"));
            reply(socket, 413, "Content Too Large", "");
            socket->readAll();
        });
        addPendingConnection(socket);
    }

private:
    std::function<void(QTcpSocket*, const QString&)> onRefused_;
};

} // namespace

WebRemote::WebRemote(WebRemoteParts parts) : parts_(parts) {
    auto later = [this] { changed(); };
    connect(&parts_.state, &ShowState::showModeChanged, this, later);
    connect(&parts_.state, &ShowState::standbyChanged, this, later);
    connect(&parts_.state, &ShowState::cueChanged, this, later);
    connect(&parts_.showMode, &ShowMode::failedCueChanged, this, later);
    connect(&parts_.showMode, &ShowMode::webRemoteChanged, this, &WebRemote::ApplySettings);
    for (Transport* t : {&parts_.audio, &parts_.video}) {
        connect(t, &Transport::playingSet, this, later);
        connect(t, &Transport::stopped, this, later);
        connect(t, &Transport::progressSet, this, later);
        connect(t, &Transport::counterSet, this, later);
        connect(t, &Transport::placeLost, this, later);
        connect(t, &Transport::progressCleared, this, later);
        connect(t, &Transport::titleSet, this, later);
    }
    connect(&parts_.volume, &MasterVolume::levelSet, this, later);
}

WebRemote::~WebRemote() {
    Stop();
}

bool WebRemote::Listening() const {
    return server_ != nullptr;
}

int WebRemote::Port() const {
    return server_ ? port_ : 0;
}

void WebRemote::ApplySettings() {
    const ShowSettings& s = parts_.showMode.Settings();
    if (Listening() && s.webOn && s.webPort == port_ && s.webAllInterfaces == allInterfaces_) {
        code_ = s.webCode; // a renewed code: open pages must ask again
        for (const QPointer<QWebSocket>& client : clients_)
            if (client) client->close(QWebSocketProtocol::CloseCodePolicyViolated);
        return;
    }
    Stop();
    if (!s.webOn) return;
    QString error;
    if (!Start(s.webPort, s.webAllInterfaces, s.webCode, &error)) {
        qCWarning(lcWeb) << "remote page not served on port" << s.webPort << error;
        parts_.notices.ShowNotice(MessageText(Msg::WebFailed).arg(s.webPort).arg(error), kNoticeMs);
    }
}

bool WebRemote::Start(int port, bool allInterfaces, const QString& code, QString* error) {
    Stop();
    auto server = std::make_unique<Server>(*this);
    auto* tcp = new GuardedTcpServer(
        [this](QTcpSocket* socket, const QString& reason) {
            refuse(socket->peerAddress(), reason);
        },
        server.get());
    const QHostAddress address = allInterfaces ? QHostAddress::Any : QHostAddress::LocalHost;
    if (!tcp->listen(address, quint16(port))) {
        if (error) *error = tcp->errorString();
        return false;
    }
    server->bind(tcp);
    connect(server.get(), &QAbstractHttpServer::newWebSocketConnection, this,
            &WebRemote::newSocket);
    port_ = tcp->serverPort();
    allInterfaces_ = allInterfaces;
    code_ = code;
    server_ = std::move(server);
    qCInfo(lcWeb) << "remote page served on port" << port_
                  << (allInterfaces ? "on every interface" : "for this machine only");
    return true;
}

void WebRemote::Stop() {
    for (const QPointer<QWebSocket>& client : clients_)
        if (client) {
            client->abort();
            client->deleteLater();
        }
    clients_.clear();
    server_.reset();
    port_ = 0;
}

QString WebRemote::AddressFor(int port, bool allInterfaces, const QString& code) {
    QString host = QStringLiteral("127.0.0.1");
    if (allInterfaces) {
        for (const QHostAddress& a : QNetworkInterface::allAddresses())
            if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) {
                host = a.toString();
                break;
            }
    }
    return QStringLiteral("http://%1:%2/?code=%3").arg(host).arg(port).arg(code);
}

void WebRemote::refuse(const QHostAddress& from, const QString& reason) {
    ++refusals_;
    qCWarning(lcWeb) << "refused" << from.toString() << reason;
}

bool WebRemote::lockedOut(const QHostAddress& from) {
    const QString key = from.toString();
    auto it = lockedOut_.find(key);
    if (it == lockedOut_.end()) return false;
    if (!it->hasExpired()) return true;
    lockedOut_.erase(it);
    return false;
}

WebRemote::CodeCheck WebRemote::checkCode(const QHostAddress& from, const QString& code) {
    if (lockedOut(from)) return CodeCheck::LockedOut;
    if (code.isEmpty()) return CodeCheck::Missing;
    if (code == code_) return CodeCheck::Good;
    QList<QDeadlineTimer>& wrong = wrongCodes_[from.toString()];
    wrong.removeIf([](const QDeadlineTimer& d) { return d.hasExpired(); });
    wrong << QDeadlineTimer(kLockOutMs);
    if (wrong.size() >= kMaxWrongCodes) {
        wrong.clear();
        lockedOut_.insert(from.toString(), QDeadlineTimer(kLockOutMs));
        refuse(from, QStringLiteral("%1 wrong codes in a minute: shut out for a minute")
                         .arg(kMaxWrongCodes));
    }
    return CodeCheck::Wrong;
}

bool WebRemote::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    // Taken as handled, the server hands it over as a WebSocket, checked in newSocket.
    if (isUpgrade(request)) return true;
    const QHostAddress from = socket->peerAddress();
    const QUrl url = request.url();
    if (request.body().size() + url.toEncoded().size() > kMaxSize) {
        refuse(from, QStringLiteral("request over 64 KB"));
        reply(socket, 413, "Content Too Large", "");
        return true;
    }
    const CodeCheck check = checkCode(from, QUrlQuery(url).queryItemValue(QStringLiteral("code")));
    switch (check) {
    case CodeCheck::LockedOut:
        refuse(from, QStringLiteral("shut out after wrong codes: ") + url.path());
        reply(socket, 429, "Too Many Requests", page(true, true), "text/html; charset=utf-8");
        return true;
    case CodeCheck::Missing:
        refuse(from, QStringLiteral("no code: ") + url.path());
        reply(socket, 401, "Unauthorized", page(true, false), "text/html; charset=utf-8");
        return true;
    case CodeCheck::Wrong: {
        refuse(from, QStringLiteral("wrong code: ") + url.path());
        // Answered late, so that guessing is slow even before the lock-out.
        const QByteArray body = page(true, true);
        QTimer::singleShot(wrongCodeDelayMs, this, [socket = QPointer<QTcpSocket>(socket), body] {
            if (socket) reply(socket, 401, "Unauthorized", body, "text/html; charset=utf-8");
        });
        return true;
    }
    case CodeCheck::Good:
        break;
    }
    if (request.method() != QHttpServerRequest::Method::Get) {
        refuse(from, QStringLiteral("method not allowed"));
        reply(socket, 405, "Method Not Allowed", "");
        return true;
    }
    if (url.path() != kPagePath) {
        // The socket's path gets here only when the request is no WebSocket upgrade.
        refuse(from, QStringLiteral("not the page's path: ") + url.path());
        reply(socket, 404, "Not Found", "");
        return true;
    }
    reply(socket, 200, "OK", page(false, false), "text/html; charset=utf-8");
    return true;
}

QByteArray WebRemote::page(bool askForCode, bool wrongCode) const {
    QFile file(QStringLiteral(":/web/remote.html"));
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    QString html = QString::fromUtf8(file.readAll());
    // The texts go into the page as text, so none can turn into markup.
    const std::pair<const char*, Msg> texts[] = {
        {"GO", Msg::WebGo},           {"BACK", Msg::WebBack},
        {"PANIC", Msg::WebPanic},     {"SHOWMODE", Msg::WebShowMode},
        {"STANDBY", Msg::WebStandby}, {"NOSTANDBY", Msg::ShowNoStandby},
        {"LAST", Msg::WebLast},       {"VOLUME", Msg::WebVolume},
        {"OFFLINE", Msg::WebOffline}, {"CODE", Msg::WebCode},
        {"WRONG", Msg::WebWrongCode}, {"ENTER", Msg::WebEnter},
        {"PLAYING", Msg::WebPlaying}, {"PAUSED", Msg::WebPaused},
        {"STOPPED", Msg::WebStopped},
    };
    for (const auto& [key, id] : texts)
        html.replace(QStringLiteral("{{%1}}").arg(QLatin1String(key)),
                     MessageText(id).toHtmlEscaped());
    html.replace(QStringLiteral("{{LANG}}"), MessageText(Msg::WebLanguage));
    html.replace(QStringLiteral("{{ASK}}"),
                 askForCode ? QStringLiteral("ask") : QStringLiteral("show"));
    html.replace(QStringLiteral("{{WRONGSHOWN}}"),
                 wrongCode ? QString() : QStringLiteral("hidden"));
    return html.toUtf8();
}

void WebRemote::newSocket() {
    while (server_ && server_->hasPendingWebSocketConnections()) {
        QWebSocket* client = server_->nextPendingWebSocketConnection().release();
        client->setParent(this);
        connect(client, &QWebSocket::disconnected, client, &QObject::deleteLater);
        const QHostAddress from = client->peerAddress();
        const QUrl url = client->requestUrl();
        const QUrl origin(client->origin());
        // A browser always names the page that opens a socket; only our own page may.
        if (origin.scheme() != QLatin1String("http") || origin.host() != url.host() ||
            origin.port(80) != url.port(80)) {
            refuse(from, QStringLiteral("socket from another origin: ") + client->origin());
            client->close(QWebSocketProtocol::CloseCodePolicyViolated);
            continue;
        }
        const CodeCheck check =
            checkCode(from, QUrlQuery(url).queryItemValue(QStringLiteral("code")));
        if (check != CodeCheck::Good) {
            refuse(from, check == CodeCheck::LockedOut ? QStringLiteral("socket shut out")
                         : check == CodeCheck::Missing ? QStringLiteral("socket without code")
                                                       : QStringLiteral("socket with wrong code"));
            QTimer::singleShot(check == CodeCheck::Wrong ? wrongCodeDelayMs : 0, client, [client] {
                client->close(QWebSocketProtocol::CloseCodePolicyViolated);
            });
            continue;
        }
        if (url.path() != kSocketPath) {
            refuse(from, QStringLiteral("socket on another path: ") + url.path());
            client->close(QWebSocketProtocol::CloseCodePolicyViolated);
            continue;
        }
        client->setMaxAllowedIncomingMessageSize(kMaxSize);
        client->setMaxAllowedIncomingFrameSize(kMaxSize);
        connect(client, &QWebSocket::textMessageReceived, this,
                [this, client](const QString& message) { command(client, message); });
        connect(client, &QWebSocket::binaryMessageReceived, this, [this, client] {
            refuse(client->peerAddress(), QStringLiteral("binary message"));
        });
        connect(client, &QWebSocket::disconnected, this, [this, client] {
            if (client->closeCode() == QWebSocketProtocol::CloseCodeTooMuchData)
                refuse(client->peerAddress(), QStringLiteral("message over 64 KB"));
            clients_.removeAll(QPointer<QWebSocket>(client));
        });
        clients_ << QPointer<QWebSocket>(client);
        client->sendTextMessage(QString::fromUtf8(StateMessage()));
    }
}

void WebRemote::command(QWebSocket* client, const QString& message) {
    const QJsonObject o = QJsonDocument::fromJson(message.toUtf8()).object();
    const QString cmd = o.value(QStringLiteral("cmd")).toString();
    ShowMode& show = parts_.showMode;
    // What the page may ask: the same commands as show mode's keys, nothing that edits.
    if (cmd == QLatin1String("go"))
        show.Go();
    else if (cmd == QLatin1String("back"))
        show.Back();
    else if (cmd == QLatin1String("panic"))
        show.StartPanic();
    else if (cmd == QLatin1String("showmode") && o.value(QStringLiteral("on")).isBool())
        show.SetActive(o.value(QStringLiteral("on")).toBool());
    else
        refuse(client->peerAddress(), QStringLiteral("unknown message: ") + message.left(80));
}

void WebRemote::changed() {
    if (pushPending_ || clients_.isEmpty()) return;
    // Changes made in one turn of the event loop go out as one message.
    pushPending_ = true;
    QTimer::singleShot(0, this, &WebRemote::push);
}

void WebRemote::push() {
    pushPending_ = false;
    const QByteArray message = StateMessage();
    if (message == lastSent_) return;
    lastSent_ = message;
    const QString text = QString::fromUtf8(message);
    for (const QPointer<QWebSocket>& client : clients_)
        if (client) client->sendTextMessage(text);
}

QJsonObject WebRemote::scriptAround() {
    const int at = parts_.state.StandbyAt();
    const quint64 version = parts_.script.Version();
    if (at == aroundAt_ && version == aroundVersion_) return around_;
    aroundAt_ = at;
    aroundVersion_ = version;
    const QString text = parts_.script.Text();
    const QLatin1String br("\r\n");
    const QStringList lines = text.split(br);
    const int line = std::min(int(text.left(at).count(br)), int(lines.size()) - 1);
    const qsizetype start = line == 0 ? 0 : text.lastIndexOf(br, at - 1) + 2;
    const QString own = lines[line];
    const int column = std::clamp(int(at - start), 0, int(own.size()));
    const qsizetype close = own.indexOf(QLatin1String("]]"), column + 2);
    const int cueEnd = close < 0 ? int(own.size()) : int(close + 2);
    QJsonArray before, after;
    for (int i = std::max(0, line - kScriptLinesAround); i < line; ++i)
        before.append(lines[i]);
    for (int i = line + 1; i < std::min(int(lines.size()), line + 1 + kScriptLinesAround); ++i)
        after.append(lines[i]);
    around_ = QJsonObject{{QStringLiteral("before"), before},
                          {QStringLiteral("pre"), own.left(column)},
                          {QStringLiteral("cue"), own.mid(column, cueEnd - column)},
                          {QStringLiteral("post"), own.mid(cueEnd)},
                          {QStringLiteral("after"), after}};
    return around_;
}

QByteArray WebRemote::StateMessage() {
    const ShowState& state = parts_.state;
    QJsonObject o{{QStringLiteral("showMode"), state.ShowModeActive()},
                  // A cue resolved to a file shows as its name: the folder says nothing here.
                  {QStringLiteral("last"), QFileInfo(state.CueCorrente()).isAbsolute()
                                               ? QFileInfo(state.CueCorrente()).fileName()
                                               : state.CueCorrente()},
                  {QStringLiteral("failed"), parts_.showMode.FailedCue()},
                  {QStringLiteral("volume"), qRound(parts_.volume.Percent())},
                  {QStringLiteral("players"), QJsonArray{player(parts_.audio, Msg::MenuAudio),
                                                         player(parts_.video, Msg::MenuVideo)}}};
    if (state.HasStandby()) {
        QJsonObject standby = scriptAround();
        standby.insert(QStringLiteral("text"), state.Standby());
        o.insert(QStringLiteral("standby"), standby);
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}
