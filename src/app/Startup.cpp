#include "app/Startup.h"

#include "app/Lifecycle.h"
#include "app/Paths.h"
#include "app/Recovery.h"
#include "app/Settings.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/SingleInstance.h"
#include "registry/FileAssociation.h"
#include "show/ShowMode.h"

#include <QFileInfo>

bool Portable() {
    return QFileInfo::exists(ProgramFolder() + QStringLiteral("/Files/Portable.ini"));
}

namespace {

void notice(const QString& text) {
    UseQtTextsOfLanguage();
    dialogs().MsgBox(text, vbmsg::OKOnly | vbmsg::Information);
}

QString alreadyRunning(const SingleInstance& instance) {
    qint64 pid = 0;
    QString program;
    const QString held =
        instance.Holder(&pid, &program)
            ? MessageText(Msg::LockHeldBy).arg(instance.LockPath()).arg(pid).arg(program)
            : MessageText(Msg::LockFile).arg(instance.LockPath());
    return Lingua[0] + QStringLiteral("\n\n") + held;
}
} // namespace

bool AvvioProgramma(std::unique_ptr<SingleInstance>& instance, const QString& country) {
    // Our own files never stop a show: what cannot be read is put aside and the program
    // starts on its defaults, saying so.
    LinguaSostituita.clear();
    const QString settingsPath = SettingsReadPath();
    if (SettingsDamaged(settingsPath)) {
        NomeLingua = LinguaDiAvvio(country, LanguageFolder());
        const QString kept = SetSettingsAside(settingsPath);
        notice(MessageText(Msg::SettingsDamaged).arg(settingsPath, kept));
    }
    if (Portable()) return true;

    Impostazioni settings;
    settings.Read(SettingsReadPath()); // no file: every value empty, as in a portable copy
    NomeLingua = settings.line[0];
    if (NomeLingua.trimmed().isEmpty()) NomeLingua = LinguaDiAvvio(country, LanguageFolder());

    const QString languageFile = LanguageFolder() + u'/' + NomeLingua;
    if (!CaricaLingua(languageFile, nullptr, true)) {
        // Said in the language the operator chose: our own texts do not need its file.
        LinguaSostituita = NomeLingua;
        const QString used = LinguaDiRiserva(LanguageFolder());
        notice(MessageText(Msg::LanguageFallback).arg(languageFile, used));
        NomeLingua = used;
    }

    instance = std::make_unique<SingleInstance>(QStringLiteral("scenolux"));
    if (!instance->Acquire()) {
        dialogs().MsgBox(alreadyRunning(*instance), vbmsg::OKOnly | vbmsg::Exclamation, Lingua[1]);
        return false;
    }
    RegistraTipoFile();
    return true;
}

void StartWindow(const WindowStart& window, const QString& commandLine,
                 const std::function<void()>& shown) {
    window.lifecycle.Form_Load(commandLine);
    window.showMode.RestoreSaved();
    // The window may have chosen the language itself (an empty settings line, a portable copy).
    UseQtTextsOfLanguage();
    window.show();
    if (shown) shown();
    // A script that a crash left unsaved is offered over the window.
    window.recovery.Begin();
}
