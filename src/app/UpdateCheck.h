// The check for a newer version at start-up, and the addresses of the maker's web site.
//
// The site is chosen when the program is built (the SCENOLUX_SITE build option); a build
// without one has no site: the check is skipped and the web pages cannot be opened.
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

// The version code: the three parts of a version, each written with three digits.
QString VersionCode(int major, int minor, int revision);
// The running program's version code.
QString LocalVersionCode();
// The running program's version as the about window writes it: "Rel. 1.5.0.1".
QString ReleaseText();

// The site's address without a trailing "/" (empty: this build has none), and one of its
// pages (empty when there is no site).
QString WebSiteAddress();
QString WebPageAddress(const QString& path);

// One check: downloads the version file without holding the window, and when it names a
// newer version asks whether to open the program's page (entries 150 and 151). Yes opens the
// page and calls end. Anything else, or no answer within the time limit, ends it silently.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    UpdateCheck(const QString& localCode, const QUrl& versionFile, const QString& page,
                std::function<void()> end, QObject* parent = nullptr);
    ~UpdateCheck() override;

    void Start();
    bool Running() const { return reply_ != nullptr; }

    static constexpr int kTimeLimitMs = 3000;

signals:
    void finished();

private:
    void done();
    QString localCode_;
    QUrl versionFile_;
    QString page_;
    std::function<void()> end_;
    QNetworkAccessManager* network_;
    QNetworkReply* reply_ = nullptr;
};
