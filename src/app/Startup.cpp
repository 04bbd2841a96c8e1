#include "app/Startup.h"

#include "app/Paths.h"
#include "app/Settings.h"
#include "i18n/Lingua.h"
#include "platform/Dialogs.h"
#include "platform/SingleInstance.h"
#include "registry/FileAssociation.h"

#include <QCoreApplication>
#include <QFileInfo>

bool Portable() {
    return QFileInfo::exists(ProgramFolder() + QStringLiteral("/Files/Portable.ini"));
}

namespace {
bool fail(const QString& description) {
    dialogs().MsgBox(description, vbmsg::OKOnly | vbmsg::Exclamation, QStringLiteral("Reg Error"));
    return false;
}
} // namespace

bool AvvioProgramma(std::unique_ptr<SingleInstance>& instance, const QString& country) {
    if (Portable()) return true;

    Impostazioni settings;
    const QString settingsPath = SettingsReadPath();
    if (!settings.Read(settingsPath))
        return fail(QCoreApplication::translate("Startup", "The settings file %1 cannot be read.")
                        .arg(settingsPath));
    NomeLingua = settings.line[0];
    if (NomeLingua.trimmed().isEmpty()) NomeLingua = LinguaDiAvvio(country, LanguageFolder());

    QString error;
    if (!CaricaLingua(LanguageFolder() + u'/' + NomeLingua, &error, true)) return fail(error);

    instance = std::make_unique<SingleInstance>(QStringLiteral("scenolux"));
    if (!instance->Acquire()) {
        dialogs().MsgBox(Lingua[0], vbmsg::OKOnly | vbmsg::Exclamation, Lingua[1]);
        return false;
    }
    RegistraTipoFile();
    return true;
}
