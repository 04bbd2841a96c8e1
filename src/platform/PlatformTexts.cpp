#include "platform/PlatformTexts.h"

#include <QFileInfo>

namespace {
// A plain pointer: constant-initialized, so a lookup installed while statics are set up
// cannot be overwritten by this file's own initialization.
PlatformTextLookup installed = nullptr;
} // namespace

void SetPlatformTexts(PlatformTextLookup lookup) {
    installed = lookup;
}

QString PlatformTextOf(PlatformText id) {
    return installed ? installed(id) : QString();
}

QString ReadFailure(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return PlatformTextOf(PlatformText::IsFolder).arg(path);
    if (!info.exists()) return PlatformTextOf(PlatformText::NotFound);
    if (!info.isReadable()) return PlatformTextOf(PlatformText::NoReadPermission);
    return PlatformTextOf(PlatformText::NotReadable);
}

QString WriteFailure(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return PlatformTextOf(PlatformText::IsFolder).arg(path);
    if (!QFileInfo(info.absolutePath()).isDir()) return PlatformTextOf(PlatformText::NotFound);
    if (!QFileInfo(info.absolutePath()).isWritable() || (info.exists() && !info.isWritable()))
        return PlatformTextOf(PlatformText::NoWritePermission);
    return PlatformTextOf(PlatformText::NotWritable);
}
