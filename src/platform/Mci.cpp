#include "platform/Mci.h"

#include "platform/GstMci.h"
#include "platform/PlatformTexts.h"

#include <algorithm>
#include <cmath>

MciDevice::~MciDevice() = default;

QString MciQuoted(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

// By hand: the counter asks for the position a hundred times a second.
QStringList MciWords(const QString& command) {
    QStringList out;
    const qsizetype n = command.size();
    qsizetype i = 0;
    while (i < n) {
        if (command[i].isSpace()) {
            ++i;
        } else if (command[i] == u'"') {
            // A quoted word ends at a lone double quote; two in a row stand for one.
            QString word;
            qsizetype j = i + 1;
            while (j < n) {
                if (command[j] == u'"') {
                    if (j + 1 < n && command[j + 1] == u'"') {
                        word += u'"';
                        j += 2;
                        continue;
                    }
                    break;
                }
                word += command[j++];
            }
            out << word;
            i = j + 1;
        } else {
            qsizetype end = i;
            while (end < n && !command[end].isSpace())
                ++end;
            out << command.mid(i, end - i);
            i = end;
        }
    }
    return out;
}

std::optional<qint64> MciMilliseconds(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    constexpr double kLongest = 1e13;
    return static_cast<qint64>(std::clamp(value, -kLongest, kLongest));
}

QString MciDevice::mciGetErrorString(long code) const {
    switch (code) {
    case 0:
        return PlatformTextOf(PlatformText::MciDone);
    case mcierr::UnrecognizedCommand:
        return PlatformTextOf(PlatformText::MciUnrecognized);
    case mcierr::NotOpen:
        return PlatformTextOf(PlatformText::MciNotOpen);
    case mcierr::MissingParameter:
        return PlatformTextOf(PlatformText::MciMissingParameter);
    case mcierr::FileNotFound:
        return PlatformTextOf(PlatformText::MciFileNotFound);
    case mcierr::OutOfRange:
        return PlatformTextOf(PlatformText::MciOutOfRange);
    case mcierr::DuplicateAlias:
        return PlatformTextOf(PlatformText::MciDuplicateAlias);
    case mcierr::CannotPlay:
        return PlatformTextOf(PlatformText::MciCannotPlay);
    case mcierr::DeviceFailed:
        return PlatformTextOf(PlatformText::MciDeviceFailed);
    case mcierr::SoundServerGone:
        return PlatformTextOf(PlatformText::MciSoundServerGone);
    case mcierr::StreamBroken:
        return PlatformTextOf(PlatformText::MciStreamBroken);
    default:
        return PlatformTextOf(PlatformText::MciOther).arg(code);
    }
}

namespace {
MciDevice* installed = nullptr;
}

MciDevice& mci() {
    if (installed) return *installed;
    static GstMci device;
    return device;
}

void SetMci(MciDevice* device) {
    installed = device;
}
