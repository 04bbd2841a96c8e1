#include "app/ShowCommandLine.h"

#include "app/Paths.h"
#include "app/Settings.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/Locale.h"
#include "platform/MediaProbe.h"
#include "show/ShowCheck.h"
#include "show/ShowPack.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstring>

namespace {

// The operator's language, as the window would choose it, without the start-up's dialogs.
void chooseLanguage() {
    Impostazioni settings;
    settings.Read(SettingsReadPath());
    NomeLingua = settings.line[0].trimmed();
    if (NomeLingua.isEmpty()) NomeLingua = LinguaDiAvvio(UserCountryCode(), LanguageFolder());
}

int check(const QString& path, QTextStream& out, QTextStream& err) {
    const ScriptText script = ReadScriptText(path);
    if (script.state == ScriptText::State::Unreadable) {
        err << MessageText(Msg::ScriptNotOpened).arg(path, script.error) << '\n';
        return 2;
    }
    GstMediaProbe probe;
    const ShowReport report = CheckShow(script.text, QFileInfo(path).absolutePath(), probe);
    out << ReportText(report);
    if (script.state == ScriptText::State::Damaged) {
        out.flush();
        err << MessageText(Msg::CheckScriptDamaged).arg(script.error) << '\n';
        return 2;
    }
    return report.problemCount() == 0 ? 0 : 1;
}

int pack(const QString& path, const QString& folder, QTextStream& out, QTextStream& err) {
    const PackResult result = PackShow(path, folder);
    if (result.state != PackResult::State::Packed) {
        err << result.message << '\n';
        return 2;
    }
    out << result.message << '\n';
    return result.missing.isEmpty() ? 0 : 1;
}

// The usage, in English as command-line tools' usually is; the window speaks the operator's
// language.
int usage(QTextStream& out) {
    out << "Usage: scenolux [SCRIPT]\n"
           "       scenolux --check SCRIPT\n"
           "       scenolux --pack SCRIPT FOLDER\n"
           "       scenolux --help | --version\n"
           "\n"
           "Runs the sound, video and pictures of a theatre show from a script: every\n"
           "[[...]] in the script is a cue that a click or GO plays.\n"
           "\n"
           "  SCRIPT                open this script (.snx, rich text); the words after the\n"
           "                        program name are one path, quoted or not\n"
           "  --check SCRIPT        check every cue and medium of the script, without a window;\n"
           "                        exit 0: nothing wrong, 1: something is, 2: unreadable\n"
           "  --pack SCRIPT FOLDER  copy the script and every file its cues name into an empty\n"
           "                        folder; exit 0: packed, 1: packed with files missing,\n"
           "                        2: not packed\n"
           "  --help                show this text and exit\n"
           "  --version             show the version and exit\n"
           "\n"
           "Program files: "
        << ProgramFolder()
        << "\n"
           "Help: "
        << ProgramFolder() << "/Help/English.html (F1 in the program, in its language)\n";
    return 0;
}

} // namespace

std::optional<int> RunShowCommandLine(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    const bool isHelp = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0;
    const bool isVersion = std::strcmp(argv[1], "--version") == 0;
    if (argc == 2 && (isHelp || isVersion)) {
        // No display is needed, and none is opened: the program folder is found from the
        // program file alone.
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        if (isVersion) {
            out << "Scenolux " SCENOLUX_VERSION "\n";
            return 0;
        }
        return usage(out);
    }
    const bool isCheck = std::strcmp(argv[1], "--check") == 0;
    const bool isPack = std::strcmp(argv[1], "--pack") == 0;
    if (!isCheck && !isPack) return std::nullopt;
    // A check runs on the stage manager's laptop over ssh as well: no display needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Scenolux"));
    chooseLanguage();
    QTextStream out(stdout), err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if ((isCheck && args.size() != 3) || (isPack && args.size() != 4)) {
        err << MessageText(Msg::CheckUsage) << '\n';
        return 2;
    }
    return isCheck ? check(args[2], out, err) : pack(args[2], args[3], out, err);
}
