#include "app/Startup.h"

#include "app/Paths.h"
#include "app/Settings.h"
#include "i18n/Lingua.h"
#include "i18n/Localization.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/SingleInstance.h"
#include "registry/FileAssociation.h"

#include <QFileInfo>

bool Portable() {
    return QFileInfo::exists(ProgramFolder() + QStringLiteral("/Files/Portable.ini"));
}

namespace {
bool fail(const QString& description) {
    UseQtTextsOfLanguage(); // the box's own button in the message's language
    dialogs().MsgBox(description, vbmsg::OKOnly | vbmsg::Exclamation, QStringLiteral("Reg Error"));
    return false;
}
} // namespace

bool AvvioProgramma(std::unique_ptr<SingleInstance>& instance, const QString& country) {
    if (Portable()) return true;

    Impostazioni settings;
    const QString settingsPath = SettingsReadPath();
    if (!settings.Read(settingsPath)) {
        // No language is known yet: the message speaks the language of the user's country.
        NomeLingua = LinguaDiAvvio(country, LanguageFolder());
        return fail(MessageText(Msg::SettingsUnreadable).arg(settingsPath));
    }
    NomeLingua = settings.line[0];
    if (NomeLingua.trimmed().isEmpty()) NomeLingua = LinguaDiAvvio(country, LanguageFolder());

    // A file the settings name is the operator's choice: when it is missing or damaged the
    // message says which file and how to get going again.
    const QString languageFile = LanguageFolder() + u'/' + NomeLingua;
    int badLine = 0;
    if (!CaricaLingua(languageFile, &badLine, true)) {
        if (badLine == 0)
            return fail(MessageText(Msg::LanguageUnreadable).arg(languageFile, settingsPath));
        return fail(MessageText(Msg::LanguageDamaged)
                        .arg(languageFile, QString::number(badLine), settingsPath));
    }

    instance = std::make_unique<SingleInstance>(QStringLiteral("scenolux"));
    if (!instance->Acquire()) {
        dialogs().MsgBox(Lingua[0], vbmsg::OKOnly | vbmsg::Exclamation, Lingua[1]);
        return false;
    }
    RegistraTipoFile();
    return true;
}
