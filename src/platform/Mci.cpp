#include "platform/Mci.h"

#include "i18n/Messages.h"
#include "platform/GstMci.h"

MciDevice::~MciDevice() = default;

QString MciDevice::mciGetErrorString(long code) const {
    switch (code) {
    case 0:
        return Messaggio(Msg::MciDone);
    case mcierr::UnrecognizedCommand:
        return Messaggio(Msg::MciUnrecognized);
    case mcierr::NotOpen:
        return Messaggio(Msg::MciNotOpen);
    case mcierr::MissingParameter:
        return Messaggio(Msg::MciMissingParameter);
    case mcierr::FileNotFound:
        return Messaggio(Msg::MciFileNotFound);
    case mcierr::OutOfRange:
        return Messaggio(Msg::MciOutOfRange);
    case mcierr::DuplicateAlias:
        return Messaggio(Msg::MciDuplicateAlias);
    case mcierr::CannotPlay:
        return Messaggio(Msg::MciCannotPlay);
    case mcierr::DeviceFailed:
        return Messaggio(Msg::MciDeviceFailed);
    default:
        return Messaggio(Msg::MciOther).arg(code);
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
