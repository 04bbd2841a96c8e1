#include "platform/Mci.h"

#include "i18n/Messages.h"
#include "platform/GstMci.h"

#include <algorithm>
#include <cmath>

MciDevice::~MciDevice() = default;

QString MciQuoted(const QString& name) {
    QString quoted = name;
    quoted.replace(u'"', QLatin1String("\"\""));
    return u'"' + quoted + u'"';
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
        return MessageText(Msg::MciDone);
    case mcierr::UnrecognizedCommand:
        return MessageText(Msg::MciUnrecognized);
    case mcierr::NotOpen:
        return MessageText(Msg::MciNotOpen);
    case mcierr::MissingParameter:
        return MessageText(Msg::MciMissingParameter);
    case mcierr::FileNotFound:
        return MessageText(Msg::MciFileNotFound);
    case mcierr::OutOfRange:
        return MessageText(Msg::MciOutOfRange);
    case mcierr::DuplicateAlias:
        return MessageText(Msg::MciDuplicateAlias);
    case mcierr::CannotPlay:
        return MessageText(Msg::MciCannotPlay);
    case mcierr::DeviceFailed:
        return MessageText(Msg::MciDeviceFailed);
    case mcierr::SoundServerGone:
        return MessageText(Msg::MciSoundServerGone);
    case mcierr::StreamBroken:
        return MessageText(Msg::MciStreamBroken);
    default:
        return MessageText(Msg::MciOther).arg(code);
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
