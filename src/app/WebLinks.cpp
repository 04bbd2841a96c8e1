// The Help menu and the Donations menu: help pages, the version history, the web site's
// pages, the update check and the about window; and the sound settings and menu pictures
// reached through the same commands.
#include "app/Commands.h"
#include "app/Paths.h"
#include "app/UpdateCheck.h"
#include "core/Notices.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/DesktopShell.h"

#include <QFileInfo>

void ShellCommands::mnuGuida_Click() {
    auto helpFile = [] {
        return ProgramFolder() + QStringLiteral("/Help/") + Lingua[24] + QStringLiteral(".html");
    };
    if (!QFileInfo::exists(helpFile())) Lingua[24] = QStringLiteral("Guida");
    // Opening a page with no browser to show it succeeds and shows nothing: say so, and where
    // the page is, so the operator can read it another way.
    if (!desktopShell().CanOpen(helpFile()) || !desktopShell().Open(helpFile()))
        p_.notices.ShowNotice(MessageText(Msg::NoHelpViewer).arg(helpFile()), kNoticeMs);
}

void ShellCommands::mnuVersioni_Click() {
    desktopShell().Open(ProgramFolder() + QStringLiteral("/Versioni.txt"));
}

void ShellCommands::OpenWebPage(const QString& path) {
    const QString page = WebPageAddress(path);
    if (page.isEmpty())
        p_.notices.ShowNotice(MessageText(Msg::NoWebSite), kNoticeMs);
    else
        desktopShell().Open(page);
}

void ShellCommands::mnuAggiornamenti_Click() {
    OpenWebPage(QStringLiteral("/scenolux.html"));
}

void ShellCommands::mnuAggLingua_Click() {
    OpenWebPage(QStringLiteral("/scenolux-languages.html"));
}

void ShellCommands::mnuFaiDonazione_Click() {
    OpenWebPage(QStringLiteral("/donazioni--donation.html"));
}

void ShellCommands::ControllaAggiornamenti() {
    if (WebSiteAddress().isEmpty() || update_) return;
    // Yes ends the program as File > Exit does, which still asks about unsaved changes.
    update_ = new UpdateCheck(
        LocalVersionCode(), QUrl(WebSiteAddress() + QStringLiteral("/ver_scenolux.txt")),
        WebPageAddress(QStringLiteral("/scenolux.html")), [this] { p_.exitProgram(); });
    QObject::connect(update_, &UpdateCheck::finished, update_, [this] {
        update_->deleteLater();
        update_ = nullptr;
    });
    update_->Start();
}

void ShellCommands::mnuImpostaAudio_Click() {
    p_.soundSettings();
}

void ShellCommands::CreaImmaginiMenu() {
    p_.menuImages();
}

void ShellCommands::mnuInfo_Click() {
    p_.about();
}
