#include "support/Browser.h"

#include "support/MediaFiles.h"

#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStandardPaths>
#include <QWebSocket>

bool Browser::Installed() {
    return !QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty();
}

Browser::Browser(int width, int height) {
    if (!Installed()) return;
    // Its complaints about the missing desktop bus would drown the test's own output.
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.start(QStringLiteral("chromium"),
                   {QStringLiteral("--headless=new"), QStringLiteral("--no-sandbox"),
                    QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
                    QStringLiteral("--remote-debugging-port=0"),
                    QStringLiteral("--user-data-dir=") + profile_.path(),
                    QStringLiteral("--window-size=%1,%2").arg(width).arg(height),
                    QStringLiteral("about:blank")});
    if (!process_.waitForStarted(10000)) return;
    // Chromium writes the port it took, and then its page is there to be listed.
    const QString portFile = profile_.filePath(QStringLiteral("DevToolsActivePort"));
    if (!WaitFor([&] { return QFile(portFile).size() > 0; }, 20000)) return;
    QFile file(portFile);
    if (!file.open(QIODevice::ReadOnly)) return;
    const int port = file.readLine().trimmed().toInt();
    QNetworkAccessManager net;
    QString socketUrl;
    WaitFor(
        [&] {
            QNetworkReply* reply = net.get(
                QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/json/list").arg(port))));
            QEventLoop loop;
            QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
            loop.exec();
            for (const QJsonValue& target : QJsonDocument::fromJson(reply->readAll()).array())
                if (target[QStringLiteral("type")] == QLatin1String("page"))
                    socketUrl = target[QStringLiteral("webSocketDebuggerUrl")].toString();
            reply->deleteLater();
            return !socketUrl.isEmpty();
        },
        20000);
    if (socketUrl.isEmpty()) return;
    auto page = std::make_unique<QWebSocket>();
    QObject::connect(page.get(), &QWebSocket::textMessageReceived, page.get(),
                     [this](const QString& text) {
                         replies_ << QJsonDocument::fromJson(text.toUtf8()).object();
                     });
    page->open(QUrl(socketUrl));
    if (!WaitFor([&] { return page->state() == QAbstractSocket::ConnectedState; }, 10000)) return;
    page_ = std::move(page);
}

Browser::~Browser() {
    page_.reset();
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
        process_.waitForFinished(5000);
    }
    // Chromium leaves folders without write permission in its profile.
    QDirIterator all(profile_.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                     QDirIterator::Subdirectories);
    while (all.hasNext())
        QFile::setPermissions(all.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QJsonObject Browser::call(const QString& method, const QJsonObject& params) {
    if (!page_) return {};
    const int id = nextId_++;
    page_->sendTextMessage(QString::fromUtf8(QJsonDocument(QJsonObject{
                                                               {QStringLiteral("id"), id},
                                                               {QStringLiteral("method"), method},
                                                               {QStringLiteral("params"), params},
                                                           })
                                                 .toJson(QJsonDocument::Compact)));
    QJsonObject result;
    WaitFor(
        [&] {
            for (qsizetype i = 0; i < replies_.size(); ++i)
                if (replies_[i][QStringLiteral("id")].toInt() == id) {
                    result = replies_.takeAt(i)[QStringLiteral("result")].toObject();
                    return true;
                }
            return false;
        },
        10000);
    return result;
}

QJsonValue Browser::eval(const QString& expression) {
    const QJsonObject r =
        call(QStringLiteral("Runtime.evaluate"),
             {{QStringLiteral("expression"), expression}, {QStringLiteral("returnByValue"), true}});
    return r[QStringLiteral("result")][QStringLiteral("value")];
}

bool Browser::waitFor(const QString& expression, int timeoutMs) {
    return WaitFor([&] { return eval(expression).toBool(); }, timeoutMs);
}

bool Browser::open(const QString& url) {
    call(QStringLiteral("Page.navigate"), {{QStringLiteral("url"), url}});
    return waitFor(QStringLiteral("document.readyState === 'complete' && location.href !== "
                                  "'about:blank'"));
}

bool Browser::setViewport(int width, int height) {
    call(QStringLiteral("Emulation.setDeviceMetricsOverride"),
         {{QStringLiteral("width"), width},
          {QStringLiteral("height"), height},
          {QStringLiteral("deviceScaleFactor"), 1},
          {QStringLiteral("mobile"), true}});
    return true;
}

bool Browser::screenshot(const QString& path) {
    const QJsonObject r =
        call(QStringLiteral("Page.captureScreenshot"), {{QStringLiteral("format"), "png"}});
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(QByteArray::fromBase64(r[QStringLiteral("data")].toString().toLatin1())) > 0;
}
