#include "i18n/Lingua.h"

#include "app/Paths.h"
#include "platform/rtf/TextCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

QString LanguageFolder() {
    return ProgramFolder() + QStringLiteral("/Lang");
}

bool CaricaLingua(const QString& path, QString* error, bool strict) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error =
                QCoreApplication::translate("Lingua", "The language file %1 cannot be read: %2")
                    .arg(path, file.errorString());
        return false;
    }
    QString text = rtf::DecodePlainText(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(u'\n');
    // A final line break does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (strict) {
        for (qsizetype n = 0; n < lines.size() && n < kLinguaEntries; ++n) {
            if (lines[n].size() <= 1) {
                if (error)
                    *error = QCoreApplication::translate(
                                 "Lingua", "Line %1 of the language file %2 is empty.")
                                 .arg(n + 1)
                                 .arg(path);
                return false;
            }
        }
    }
    for (qsizetype n = 0; n < lines.size() && n < kLinguaEntries; ++n) {
        if (lines[n].size() <= 1) continue;
        Lingua[n] = lines[n].mid(3);
    }
    return true;
}

namespace {
bool exists(const QString& folder, const char* name) {
    return QFileInfo::exists(folder + u'/' + QString::fromUtf8(name) + QStringLiteral(".lng"));
}
} // namespace

QString LinguaDiAvvio(const QString& country, const QString& languageFolder) {
    const QString code = country.toLower().left(2);
    QString name = QStringLiteral("English");
    if (code == QLatin1String("bg"))
        name = QStringLiteral("Bulgarian");
    else if (code == QLatin1String("br"))
        name = QStringLiteral("Brazilian");
    else if (code == QLatin1String("it"))
        name = QStringLiteral("Italiano");
    else if (code == QLatin1String("de"))
        name = QStringLiteral("Deutsch");
    else if (code == QLatin1String("ru"))
        name = QStringLiteral("Russian");
    else if (code == QLatin1String("fr")) {
        if (exists(languageFolder, "Français"))
            name = QStringLiteral("Français");
        else if (exists(languageFolder, "French"))
            name = QStringLiteral("French");
    }
    return name + QStringLiteral(".lng");
}

QString LinguaDellaFinestra(const QString& country, const QString& languageFolder) {
    const QString code = country.toLower().left(2);
    QString name = QStringLiteral("English");
    if (code == QLatin1String("br") || code == QLatin1String("pt"))
        name = QStringLiteral("Brazilian");
    else if (code == QLatin1String("bg"))
        name = QStringLiteral("Bulgarian");
    else if (code == QLatin1String("it"))
        name = QStringLiteral("Italiano");
    else if (code == QLatin1String("fr"))
        name = QStringLiteral("Français");
    else if (code == QLatin1String("de"))
        name = QStringLiteral("Deutsch");
    else if (code == QLatin1String("ru"))
        name = QStringLiteral("Russian");
    const QString file = name + QStringLiteral(".lng");
    if (!QFileInfo::exists(languageFolder + u'/' + file)) return QStringLiteral("English.lng");
    return file;
}
