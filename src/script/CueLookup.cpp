#include "script/CueLookup.h"

#include "app/Commands.h"
#include "app/Paths.h"
#include "core/Notices.h"
#include "core/ScriptDocument.h"
#include "core/ScriptSession.h"
#include "core/ShowState.h"
#include "core/Transport.h"
#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "media/MediaRouting.h"
#include "media/VideoPlayer.h"
#include "platform/Keys.h"
#include "platform/StoredPaths.h"
#include "script/EditCommands.h"
#include "script/Interprete.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The two characters at 1-based position i; past the end of the text they match nothing.
QStringView window(const QString& text, int i) {
    if (i < 1 || i > text.size()) return {};
    return QStringView(text).mid(i - 1, 2);
}

constexpr int kCodeC = 67, kCodeV = 86, kCodeX = 88, kCodeY = 89, kCodeZ = 90, kCodeI = 73,
              kCodeB = 66, kCodeU = 85, kCodeG = 71, kCodeS = 83;

} // namespace

bool ItalianShortcuts() {
    return NomeLingua.toLower() == QLatin1String("italiano.lng");
}

bool FileExists(const QString& name) {
    if (name.isEmpty()) return false;
    const QFileInfo info(NativePath(name));
    return info.isFile() && !info.isHidden();
}

QString ResolveCueFile(const QString& cue, const QString& scriptFolder) {
    const QString name = NativePath(cue);
    QStringList places;
    // A script carries its media beside it, wherever it was opened from and wherever a
    // dialog has since moved the current folder.
    if (!scriptFolder.isEmpty()) places << QDir(scriptFolder).filePath(name);
    places << name << ProgramFolder() + u'/' + name;
    QString found;
    for (const QString& place : places)
        if (found.isEmpty() && FileExists(place)) found = place;
    for (const QString& place : places)
        if (found.isEmpty()) found = FindIgnoringCase(place);
    // Absolute, so the same name opened from another show's folder is another file.
    return found.isEmpty() ? found : QFileInfo(found).absoluteFilePath();
}

QString CueLookup::CueCorrente() const {
    return p_.state.CueCorrente();
}
void CueLookup::setCueCorrente(const QString& cue) {
    p_.state.SetCueCorrente(cue);
}

void CueLookup::RTB_Click() {
    p_.edit.AggiornaFormato();
    const QString text = p_.script.Text();
    if (text.size() < kShortestCue) return;
    const int s = p_.script.Caret();
    MediaDaCue = false;

    // Back to the opening "[[" (no limit); a "]]" first means the caret is not in a cue.
    int start = 0;
    for (int i = s; i >= 1; --i) {
        const QStringView w = window(text, i);
        if (w == u"]]") return;
        if (w == u"[[") {
            start = i + 2;
            break;
        }
    }
    // On to the closing "]]", which must begin within reach of the caret.
    int end = 0;
    for (int i = s + 1; i <= s + kForwardReach; ++i) {
        const QStringView w = window(text, i);
        if (w == u"[[") return;
        if (w == u"]]") {
            end = i;
            break;
        }
    }
    if (start == 0 || end == 0) return;

    setCueCorrente(TrimBlanks(text.mid(start - 1, end - start)));
    ComandoEseguito = false;
    QString cue = CueCorrente();
    p_.interprete.InterpretaComando(cue, start, end, true);
    ComandoEseguito = p_.interprete.Executed();
    p_.script.SetCaret(s);
    if (ComandoEseguito) return;
    loadCueFile();
}

void CueLookup::RunCue(const QString& text) {
    MediaDaCue = false;
    setCueCorrente(TrimBlanks(text));
    ComandoEseguito = false;
    QString cue = CueCorrente();
    int start = 0, end = 0; // no place in the script: nothing there is rewritten
    p_.interprete.InterpretaComando(cue, start, end, true);
    ComandoEseguito = p_.interprete.Executed();
    if (!ComandoEseguito) loadCueFile();
}

QString CueLookup::CueFile(const QString& text) const {
    const QString& path = p_.session.FileCorrente;
    const QString scriptFolder =
        path.isEmpty() ? QString() : QFileInfo(NativePath(path)).absolutePath();
    return ResolveCueFile(TrimBlanks(text), scriptFolder);
}

void CueLookup::loadCueFile() {
    const QString file = CueFile(CueCorrente());
    if (file.isEmpty()) {
        const QString cue = CueCorrente();
        setCueCorrente(QString());
        if (onCueFailed) onCueFailed(cue);
        p_.notices.ShowNotice(Lingua[127], kNoticeMs);
        return;
    }
    setCueCorrente(file);
    // An earlier notice goes now, so the load's own failure stays on screen.
    p_.notices.ClearNotice();
    p_.routing.vai(file);
    // A picture, whatever the capitals of its ending, starts no player on a double-click.
    if (MediaRouting::Classify(file) == MediaRouting::Kind::Image) {
        MediaDaCue = false;
        p_.state.SetLastLoaded(ShowState::Loaded::Picture);
    }
    if (p_.state.LastLoaded() == ShowState::Loaded::Audio) {
        if (p_.audioTransport.Playing()) p_.audio.Timer1_Timer();
        p_.audioTransport.SetMenuWordPlaying(false);
        p_.showPlayerMenu(true);
        MediaDaCue = true;
    } else if (p_.state.LastLoaded() == ShowState::Loaded::Video) {
        if (p_.videoTransport.Playing()) p_.audio.Timer1_Timer();
        p_.showPlayerMenu(false);
        MediaDaCue = true;
    }
}

void CueLookup::RTB_DblClick() {
    RTB_Click();
    if (!MediaDaCue) return;
    if (p_.state.TipoMedia == 1) {
        p_.audioTransport.SetPlaying(false);
        p_.audioTransport.SetMenuWordPlaying(true);
        p_.audio.cmdPlayA_Click();
        p_.playButtonHover();
    } else if (p_.state.TipoMedia == 2) {
        p_.videoTransport.SetPlaying(false);
        p_.video.cmdPlayV_Click();
    }
}

void CueLookup::RTB_KeyPress(int& keyAscii) {
    if (keyAscii != ']') return;
    ScriptDocument& script = p_.script;
    const int p = script.Caret();
    if (p < 1) return;
    // Whatever happens, the bracket goes in at the caret, not in place of a selection.
    script.SetCaret(p);
    const QString text = script.Text();
    if (QStringView(text).mid(p - 1, 1) != u"]") return;
    // The second bracket of "]]": find the cue's opening "[[".

    int start = 0;
    for (int i = p; i >= 1; --i) {
        const QStringView w = window(text, i);
        if (w == u"]]") break;
        if (w == u"[[") {
            start = i + 2;
            break;
        }
    }
    if (start == 0) return; // not in a cue: the bracket goes in unchanged
    QString cue = TrimBlanks(text.mid(start - 1, p - start));
    int end = p;
    // A rewrite leaves the caret after the first "]", wherever it moved it, so the typed one
    // completes "]]".
    p_.interprete.InterpretaComando(cue, start, end, false);
}

void CueLookup::RTB_KeyDown(int& keyCode, int& shift) {
    // The Ctrl commands run on the key press, not its release: an operator who lets go of
    // Ctrl a moment before the letter must still get the copy, and a held Ctrl+Z repeats.
    // The control itself then does nothing with the key.
    if (shift == vbkey::CtrlMask) {
        if (const std::function<void()> command = controlCommand(keyCode)) {
            command();
            keyCode = 0;
            shift = 0;
        }
    }
    p_.edit.AggiornaFormato();
}

std::function<void()> CueLookup::controlCommand(int keyCode) const {
    EditCommands& edit = p_.edit;
    ShellCommands& shell = p_.shell;
    const bool italian = ItalianShortcuts();
    switch (keyCode) {
    case kCodeZ:
        return [&edit] { edit.mnuAnnulla_Click(); };
    case kCodeY:
        return [&edit] { edit.mnuRipeti_Click(); };
    case kCodeC:
        return [&edit] { edit.mnuCopia_Click(); };
    case kCodeV:
        return [&edit] { edit.mnuIncolla_Click(); };
    case kCodeX:
        return [&edit] { edit.mnuTaglia_Click(); };
    case kCodeI:
        return [&shell] { shell.Label2_Click(5); };
    case kCodeG:
    case kCodeB:
        // Bold is Ctrl+G in Italian (grassetto), Ctrl+B in the other languages.
        if (italian != (keyCode == kCodeG)) return {};
        return [&shell] { shell.Label2_Click(4); };
    case kCodeS:
    case kCodeU:
        // Underline is Ctrl+S in Italian (sottolineato), Ctrl+U in the other languages.
        if (italian != (keyCode == kCodeS)) return {};
        return [&shell] { shell.Label2_Click(6); };
    default:
        return {};
    }
}

bool CueLookup::HandlesKey(int keyCode, int shift) const {
    if (keyCode == vbkey::F1 || keyCode == vbkey::F9) return true;
    return shift == vbkey::CtrlMask && controlCommand(keyCode) != nullptr;
}

void CueLookup::RTB_KeyUp(int& keyCode, int& shift) {
    (void)shift;
    if (keyCode == vbkey::F1) p_.shell.mnuGuida_Click();
    if (keyCode == vbkey::F9) p_.shell.mnuImpostaAudio_Click();
}

void CueLookup::RTB_MouseDown(int button, int shift, double x, double y) {
    (void)shift;
    if (button != vbkey::RightButton) return;
    p_.showEditMenu(x, y);
}

void CueLookup::RTB_MouseMove(int button, int shift, double x, double y) {
    (void)button, (void)shift, (void)x, (void)y;
    p_.clearHighlight();
}

QString TrimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}
