#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

DesktopShell::~DesktopShell() = default;

bool DesktopShell::Open(const QString& target) {
    // A path is opened as a local file; anything with a scheme as the address it is.
    const bool address = target.contains(QLatin1String("://"));
    return QDesktopServices::openUrl(address ? QUrl(target) : QUrl::fromLocalFile(target));
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
