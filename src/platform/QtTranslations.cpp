#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>
#include <memory>

Q_LOGGING_CATEGORY(lcTranslations, "scenolux.translations")

bool UseQtTranslations(const QString& languageCode) {
    static std::unique_ptr<QTranslator> current;
    if (current) {
        QCoreApplication::removeTranslator(current.get());
        current.reset();
    }
    if (languageCode == QLatin1String("en")) return false;
    auto translator = std::make_unique<QTranslator>();
    // "qt_" gathers the catalogues of every Qt module (base, multimedia, ...).
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qt_") + languageCode, folder)) {
        qCWarning(lcTranslations) << "no Qt translations for" << languageCode << "in" << folder;
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    current = std::move(translator);
    return true;
}
