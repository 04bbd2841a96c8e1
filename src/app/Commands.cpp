#include "app/Commands.h"

#include "app/Recovery.h"
#include "app/UpdateCheck.h"
#include "core/Notices.h"
#include "core/ScriptEditor.h"
#include "core/ScriptSession.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/StoredPaths.h"
#include "platform/Timer.h"
#include "platform/VbColor.h"
#include "script/EditCommands.h"

#include <QDir>
#include <QFileInfo>
#include <optional>
#include <utility>

namespace {
constexpr int kSavedNoticeMs = 5000;
constexpr int kVideoCounterMs = 1000;
constexpr int kMaxUntitled = 32767;
const char* const kMediaPatterns =
    "*.avi;*.kar;*.mid;*.mp3;*.mpg;*.mpeg;*.ogv;*.wav;*.wma;*.wmv;*.flv;*.mp4;*.mts;*.mkv;*.mka;"
    "*.wav;*.bmp;*.jpg";
} // namespace

QString ScriptFilter() {
    const QChar nul(0);
    return QStringLiteral("File SNX (Scenolux File)") + nul + QStringLiteral("*.snx") + nul +
           QStringLiteral("File RTF") + nul + QStringLiteral("*.rtf") + nul +
           QStringLiteral("File TXT") + nul + QStringLiteral("*.txt");
}

ShellCommands::ShellCommands(ShellParts parts) : p_(std::move(parts)) {}

ShellCommands::~ShellCommands() {
    // A check still under way ends with these commands; it must not report back to them.
    if (update_) {
        update_->disconnect();
        delete update_;
    }
}

QString ShellCommands::startFolder() const {
    const QString& last = p_.session.UltimaCartella;
    return last.trimmed().isEmpty() ? QDir::currentPath() : last;
}

bool ShellCommands::domandaSalvataggio() {
    if (p_.rtb.TextLength() == 0 || p_.session.Modificato() != 1) return true;
    const int answer =
        dialogs().MsgBox(Lingua[123], vbmsg::YesNoCancel | vbmsg::Exclamation, Lingua[1]);
    if (answer == vbmsg::Cancel) return false;
    if (answer == vbmsg::Yes) {
        Salva();
        // A save that did not happen stops the command, titled or not: the changes must not
        // be lost.
        if (p_.session.Modificato() == 1) return false;
    }
    return true;
}

bool ShellCommands::Nuovo() {
    if (!domandaSalvataggio()) return false;
    ScriptSession& session = p_.session;
    if (session.NumeroCopione < kMaxUntitled) ++session.NumeroCopione;
    p_.rtb.setText(QString());
    p_.edit.InizializzaAnnulla();
    session.FileCorrente.clear();
    session.TitleUntitled();
    session.SetModificato(0);
    p_.recovery.Remove();
    return true;
}

bool ShellCommands::Apri() {
    if (!domandaSalvataggio()) return false;
    FileDialogRequest request;
    request.open = true;
    request.owner = &p_.window;
    request.initialFolder = startFolder();
    request.filter = ScriptFilter();
    request.defaultExtension = QStringLiteral("snx");
    request.title = Lingua[52];
    const QString chosen = dialogs().MostraDialogoFile(request);
    if (chosen.trimmed().isEmpty()) return false;
    ScriptSession& session = p_.session;
    session.UltimaCartella = QDir::currentPath();
    QString error;
    // A script that cannot be read changes nothing: the next Save must not overwrite that
    // file with the script still on screen.
    if (!p_.rtb.LoadFile(NativePath(chosen), &error)) {
        dialogs().MsgBox(MessageText(Msg::FileNotOpened).arg(chosen, error),
                         vbmsg::OKOnly | vbmsg::Exclamation, Lingua[1]);
        return true;
    }
    p_.edit.InizializzaAnnulla();
    session.FileCorrente = chosen;
    session.AggiornaTitolo(session.FileCorrente);
    session.SetModificato(0);
    p_.recovery.Remove();
    return true;
}

void ShellCommands::showSaved() {
    p_.notices.ShowNotice(Lingua[148], kSavedNoticeMs);
    p_.videoCounter.setInterval(kVideoCounterMs);
}

bool ShellCommands::Salva() {
    ScriptSession& session = p_.session;
    if (session.FileCorrente.isEmpty()) {
        if (session.Modificato() == 1) SalvaConNome();
        return true;
    }
    if (session.Modificato() == 1) {
        QString error;
        if (!p_.rtb.SaveFile(NativePath(session.FileCorrente), &error)) {
            // The changes stay marked, so that quitting still asks about them.
            dialogs().MsgBox(MessageText(Msg::FileNotSaved).arg(session.FileCorrente, error),
                             vbmsg::OKOnly | vbmsg::Exclamation, Lingua[1]);
            return true;
        }
        session.SetModificato(0);
        p_.recovery.Remove();
    }
    showSaved();
    return true;
}

QString ShellCommands::SalvaConNome() {
    ScriptSession& session = p_.session;
    FileDialogRequest request;
    request.open = false;
    request.owner = &p_.window;
    request.filter = ScriptFilter();
    request.defaultExtension = QStringLiteral("snx");
    // A script with a file is proposed under its own name, in its own folder.
    if (session.FileCorrente.isEmpty()) {
        request.initialFolder = startFolder();
        request.fileName = session.BaseCopione + QString::number(session.NumeroCopione);
    } else {
        const QFileInfo current(NativePath(session.FileCorrente));
        request.initialFolder = current.absolutePath();
        request.fileName = current.fileName();
    }
    request.title = Lingua[55];
    const QString chosen = dialogs().MostraDialogoFile(request);
    if (chosen.isEmpty()) {
        saveAsCancelled_ = QStringLiteral("1");
        return saveAsCancelled_;
    }
    if (QFileInfo::exists(NativePath(chosen)) &&
        dialogs().MsgBox(Lingua[53] + QStringLiteral("\r\r") + Lingua[54],
                         vbmsg::YesNo | vbmsg::Exclamation, Lingua[1]) == vbmsg::No)
        return saveAsCancelled_;
    session.UltimaCartella = QDir::currentPath();
    QString error;
    if (!p_.rtb.SaveFile(NativePath(chosen), &error)) {
        dialogs().MsgBox(MessageText(Msg::FileNotSaved).arg(chosen, error),
                         vbmsg::OKOnly | vbmsg::Exclamation, Lingua[1]);
        return saveAsCancelled_;
    }
    session.FileCorrente = chosen;
    session.SetModificato(0);
    p_.recovery.Remove();
    saveAsCancelled_.clear();
    session.AggiornaTitolo(session.FileCorrente);
    return saveAsCancelled_;
}

bool ShellCommands::Stampa() {
    // A print cancelled in the printer dialog still refreshes the toolbar.
    p_.print();
    return true;
}

QString MediaCueName(const QString& file, const QString& script) {
    const QString path = QDir::cleanPath(QFileInfo(file).absoluteFilePath());
    if (script.isEmpty()) return path;
    const QString folder = QFileInfo(NativePath(script)).absolutePath();
    // Relative, with "/", so the show still plays when its folder is moved or copied.
    if (path.startsWith(folder + u'/')) return path.mid(folder.size() + 1);
    return path;
}

bool ShellCommands::InserisciMedia() {
    FileDialogRequest request;
    request.open = true;
    request.owner = &p_.window;
    request.initialFolder = QDir::currentPath();
    request.filter = Lingua[41] + QChar(0) + QLatin1String(kMediaPatterns) + QChar(0) + Lingua[26] +
                     QChar(0) + QStringLiteral("*.*");
    request.defaultExtension = QStringLiteral("wav");
    request.title = Lingua[25];
    const QString chosen = dialogs().MostraDialogoFile(request);
    if (chosen.trimmed().isEmpty()) return false;
    const QString name = MediaCueName(chosen, p_.session.FileCorrente);
    ScriptEditor& rtb = p_.rtb;
    const auto colour = rtb.SelColor();
    const auto bold = rtb.SelBold();
    const auto italic = rtb.SelItalic();
    const auto underline = rtb.SelUnderline();
    const QString font = rtb.SelFontName();
    const double size = rtb.SelFontSize();
    rtb.setSelStart(rtb.SelStart() + rtb.SelLength());
    rtb.setSelColor(RGB(255, 0, 0));
    rtb.setSelFontName(QStringLiteral("Arial"));
    rtb.setSelText(QStringLiteral("[[") + name + QStringLiteral("]]"));
    rtb.setSelColor(colour.value_or(0));
    rtb.setSelBold(bold.value_or(false));
    rtb.setSelItalic(italic.value_or(false));
    rtb.setSelUnderline(underline.value_or(false));
    if (!font.isEmpty()) rtb.setSelFontName(font);
    if (size > 0) rtb.setSelFontSize(size);
    rtb.setSelText(QStringLiteral(" "));
    return true;
}

void ShellCommands::Label2_Click(int index) {
    ScriptEditor& rtb = p_.rtb;
    // A mixed selection counts as not true, so the toggle sets it.
    auto toggled = [](std::optional<bool> state) { return !(state && *state); };
    bool done = true;
    switch (index) {
    case 0:
        done = Nuovo();
        break;
    case 1:
        done = Apri();
        break;
    case 2:
        done = Salva();
        break;
    case 3:
        done = Stampa();
        break;
    case 4:
        rtb.setSelBold(toggled(rtb.SelBold()));
        rtb.SetFocus();
        break;
    case 5:
        rtb.setSelItalic(toggled(rtb.SelItalic()));
        rtb.SetFocus();
        break;
    case 6:
        rtb.setSelUnderline(toggled(rtb.SelUnderline()));
        rtb.SetFocus();
        break;
    case 7:
        rtb.setSelStrikeThru(toggled(rtb.SelStrikeThru()));
        rtb.SetFocus();
        break;
    case 8:
        rtb.setSelAlignment(0);
        rtb.SetFocus();
        break;
    case 9:
        rtb.setSelAlignment(2);
        rtb.SetFocus();
        break;
    case 10:
        rtb.setSelAlignment(1);
        rtb.SetFocus();
        break;
    case 11:
        if (rtb.SelFontSize() > 0) rtb.setSelFontSize(rtb.SelFontSize() + 1);
        break;
    case 12:
        if (rtb.SelFontSize() > 1) rtb.setSelFontSize(rtb.SelFontSize() - 1);
        break;
    case 13: {
        long chosen = 0;
        if (dialogs().ShowColor(&p_.window, 0, &chosen)) rtb.setSelColor(chosen);
        break;
    }
    case 14:
        rtb.setSelBullet(toggled(rtb.SelBullet()));
        rtb.SetFocus();
        break;
    case 15:
        done = InserisciMedia();
        break;
    case 16:
        p_.addCommand();
        break;
    default:
        break;
    }
    if (done) p_.edit.AggiornaFormato();
}
