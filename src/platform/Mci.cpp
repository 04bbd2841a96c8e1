#include "platform/Mci.h"

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
        return QStringLiteral("The command was carried out.");
    case mcierr::UnrecognizedCommand:
        return QStringLiteral("The audio device does not know this command.");
    case mcierr::NotOpen:
        return QStringLiteral("No audio file is open under that name.");
    case mcierr::MissingParameter:
        return QStringLiteral("The audio command is missing a value.");
    case mcierr::FileNotFound:
        return QStringLiteral("The audio file cannot be found.");
    case mcierr::OutOfRange:
        return QStringLiteral("That position is outside the audio file.");
    case mcierr::DuplicateAlias:
        return QStringLiteral("An audio file is already open under that name.");
    case mcierr::CannotPlay:
        return QStringLiteral("No decoder takes its sound.");
    case mcierr::DeviceFailed:
        return QStringLiteral("The audio device did not respond.");
    default:
        return QStringLiteral("Audio device error %1.").arg(code);
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
