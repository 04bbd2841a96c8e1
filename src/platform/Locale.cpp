#include "platform/Locale.h"

#include <QLocale>

QString UserCountryCode() {
    const QLocale::Territory territory = QLocale::system().territory();
    if (territory == QLocale::AnyTerritory) return QString();
    return QLocale::territoryToCode(territory).toLower();
}
