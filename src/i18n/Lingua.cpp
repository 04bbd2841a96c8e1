#include "i18n/Lingua.h"

#include "app/Paths.h"
#include "platform/rtf/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

QString LanguageFolder() {
    return ProgramFolder() + QStringLiteral("/Lang");
}

bool CaricaLingua(const QString& path, int* badLine, bool strict) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (badLine) *badLine = 0;
        return false;
    }
    QString text = rtf::DecodePlainText(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(u'\n');
    // A final line break does not start another line.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (strict) {
        // A file without a single line would leave the table as it was: it is no language.
        for (qsizetype n = 0; n < qMax<qsizetype>(lines.size(), 1) && n < kLinguaEntries; ++n) {
            if (n >= lines.size() || lines[n].size() <= 1) {
                if (badLine) *badLine = int(n) + 1;
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

QString LinguaDiRiserva(const QString& languageFolder) {
    QStringList names{QStringLiteral("English.lng")};
    names << QDir(languageFolder).entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        if (CaricaLingua(languageFolder + u'/' + name, nullptr, true)) return name;
    return QString();
}

namespace {
bool exists(const QString& folder, const char* name) {
    return QFileInfo::exists(folder + u'/' + QString::fromUtf8(name) + QStringLiteral(".lng"));
}

// A detected language whose file is not in the language folder gives English: the operator
// can start the program and choose another.
QString existingOrEnglish(const QString& name, const QString& languageFolder) {
    const QString file = name + QStringLiteral(".lng");
    if (!QFileInfo::exists(languageFolder + u'/' + file)) return QStringLiteral("English.lng");
    return file;
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
    return existingOrEnglish(name, languageFolder);
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
    return existingOrEnglish(name, languageFolder);
}
