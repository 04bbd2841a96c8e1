#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

DesktopShell::~DesktopShell() = default;

bool DesktopShell::Open(const QString& target) {
    // A path is opened as a local file; anything with a scheme as the address it is.
    const bool address = target.contains(QLatin1String("://"));
    return QDesktopServices::openUrl(address ? QUrl(target) : QUrl::fromLocalFile(target));
}

bool DesktopShell::CanOpen(const QString& path) {
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    if (!Find(QStringLiteral("xdg-open")).isEmpty() &&
        !Find(QStringLiteral("xdg-mime")).isEmpty()) {
        QProcess query;
        query.start(QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"), type});
        if (query.waitForFinished(5000) && !query.readAllStandardOutput().trimmed().isEmpty())
            return true;
    }
    // Without the desktop's own choice, a page still opens in a browser named by BROWSER,
    // Debian's alternatives or its own name, as xdg-open and Qt look for one.
    if (type != QLatin1String("text/html")) return false;
    if (!qEnvironmentVariableIsEmpty("BROWSER") || !qEnvironmentVariableIsEmpty("DEFAULT_BROWSER"))
        return true;
    for (const char* browser :
         {"x-www-browser", "sensible-browser", "www-browser", "firefox", "firefox-esr", "chromium",
          "google-chrome", "epiphany", "konqueror"})
        if (!Find(QLatin1String(browser)).isEmpty()) return true;
    return false;
}

bool DesktopShell::Start(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool DesktopShell::Run(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString DesktopShell::Find(const QString& program) {
    return QStandardPaths::findExecutable(program);
}

namespace {
DesktopShell* installed = nullptr;
}

DesktopShell& desktopShell() {
    if (installed) return *installed;
    static DesktopShell real;
    return real;
}

void SetDesktopShell(DesktopShell* replacement) {
    installed = replacement;
}
