#include "app/UpdateCheck.h"

#include "i18n/Lingua.h"
#include "platform/DesktopShell.h"
#include "platform/Dialogs.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#ifndef SCENOLUX_SITE
#define SCENOLUX_SITE ""
#endif

namespace {
QString threeDigits(int part) {
    return QStringLiteral("%1").arg(part, 3, 10, QLatin1Char('0'));
}
} // namespace

QString VersionCode(int major, int minor, int revision) {
    return threeDigits(major) + threeDigits(minor) + threeDigits(revision);
}

QString LocalVersionCode() {
    return VersionCode(SCENOLUX_VERSION_MAJOR, SCENOLUX_VERSION_MINOR, SCENOLUX_VERSION_REVISION);
}

QString ReleaseText() {
    return QStringLiteral("Rel. %1.%2.0.%3")
        .arg(SCENOLUX_VERSION_MAJOR)
        .arg(SCENOLUX_VERSION_MINOR)
        .arg(SCENOLUX_VERSION_REVISION);
}

QString WebSiteAddress() {
    QString site = QString::fromUtf8(SCENOLUX_SITE).trimmed();
    while (site.endsWith(u'/'))
        site.chop(1);
    return site;
}

QString WebPageAddress(const QString& path) {
    const QString site = WebSiteAddress();
    return site.isEmpty() ? QString() : site + path;
}

UpdateCheck::UpdateCheck(const QString& localCode, const QUrl& versionFile, const QString& page,
                         std::function<void()> end, QObject* parent)
    : QObject(parent), localCode_(localCode), versionFile_(versionFile), page_(page),
      end_(std::move(end)), network_(new QNetworkAccessManager(this)) {}

UpdateCheck::~UpdateCheck() {
    if (reply_) reply_->abort();
}

void UpdateCheck::Start() {
    if (reply_) return;
    QNetworkRequest request(versionFile_);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Scenolux"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(kTimeLimitMs);
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::finished, this, &UpdateCheck::done);
    // A site that answers slowly, byte by byte, is given up on all the same.
    QTimer::singleShot(kTimeLimitMs, reply_, [reply = reply_] { reply->abort(); });
}

void UpdateCheck::done() {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray body =
        reply->error() == QNetworkReply::NoError && status == 200 ? reply->readAll() : QByteArray();
    // Exactly nine characters, compared character by character with the local code.
    const QString remote = QString::fromLatin1(body);
    if (body.size() == 9 && remote > localCode_) {
        QString text = Lingua[150];
        text.replace(QLatin1String("<BR>"), QStringLiteral("\r\n\r\n"));
        if (dialogs().MsgBox(text, vbmsg::YesNo | vbmsg::Information, Lingua[151]) == vbmsg::Yes) {
            desktopShell().Open(page_);
            if (end_) end_();
        }
    }
    emit finished();
}
