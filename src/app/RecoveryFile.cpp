#include "app/RecoveryFile.h"

#include "app/Paths.h"
#include "app/Startup.h"
#include "platform/rtf/Rtf.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QStandardPaths>

namespace {
const QLatin1String kPrefix("Scenolux-recovery-");
const QLatin1String kDamagedPrefix("Scenolux-damaged-");
const QLatin1String kExtension(".snx");
// The copy's own group holds the length of the script before it (a copy that lost or gained
// bytes is found out) and the script's path in hexadecimal UTF-8 (no RTF escaping to undo).
const QByteArray kMarker("{\\*\\scenoluxrecovery ");
// The group's end, then the script's own end as the editor writes it.
const QByteArray kEnd("}}\r\n");

bool isHex(const QByteArray& text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return text.size() % 2 == 0;
}
} // namespace

QString RecoveryFolder() {
    if (Portable()) return ProgramFolder();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Scenolux");
}

QString RecoveryNamePattern() {
    return kPrefix + u'*' + kExtension;
}

QString DamagedName(const QString& recoveryName) {
    return kDamagedPrefix + recoveryName.mid(kPrefix.size());
}

QString NewRecoveryName() {
    // The time first, so that names sort by age; the process number keeps two copies of the
    // program started in the same second apart.
    return kPrefix + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           u'-' + QString::number(QCoreApplication::applicationPid()) + kExtension;
}

QByteArray RecoveryContent(const QByteArray& rtf, const QString& source) {
    QByteArray out = rtf;
    if (out.endsWith("}\r\n"))
        out.chop(3);
    else if (out.endsWith('}'))
        out.chop(1);
    const qsizetype scriptBytes = out.size();
    out += kMarker + QByteArray::number(scriptBytes) + ' ' + source.toUtf8().toHex() + kEnd;
    return out;
}

std::optional<QString> RecoverySource(const QByteArray& data) {
    if (!rtf::LooksLikeRtf(data) || !data.endsWith(kEnd)) return std::nullopt;
    const qsizetype at = data.lastIndexOf(kMarker);
    if (at < 0) return std::nullopt;
    const qsizetype from = at + kMarker.size();
    const QList<QByteArray> parts = data.mid(from, data.size() - kEnd.size() - from).split(' ');
    if (parts.size() != 2 || !isHex(parts[1])) return std::nullopt;
    bool number = false;
    if (parts[0].toLongLong(&number) != at || !number) return std::nullopt;
    return QString::fromUtf8(QByteArray::fromHex(parts[1]));
}
