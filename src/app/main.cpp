// Scenolux: runs the sound, video and pictures of a theatre show from a script.
#include "app/FirstPaint.h"
#include "app/Lifecycle.h"
#include "app/Paths.h"
#include "app/Recovery.h"
#include "app/ShowCommandLine.h"
#include "app/ShowEngine.h"
#include "app/Startup.h"
#include "i18n/Messages.h"
#include "platform/Allocator.h"
#include "platform/Dialogs.h"
#include "platform/FontsAhead.h"
#include "platform/Locale.h"
#include "platform/Mixer.h"
#include "platform/SingleInstance.h"
#include "show/ShowMode.h"
#include "ui/Form1.h"
#include "ui/PicturesAhead.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    // A check or a pack from the command line runs and ends before any window.
    if (const std::optional<int> status = RunShowCommandLine(argc, argv)) return *status;
    KeepMemoryCompact();
    ReadFontConfigurationAhead();
    OpenMixerAhead();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scenolux"));
    // The start-up checks below may already have something to say.
    InstallQtDialogs();
    DecodePicturesAhead(ProgramPictureFiles());

    std::unique_ptr<SingleInstance> instance;
    if (!AvvioProgramma(instance, UserCountryCode())) return 1;
    UseQtTextsOfLanguage();

    WaitForFontConfiguration();
    // The show and its engine first: the window is their view.
    ShowEngine engine(ApplicationTitle());
    Form1 form(engine);
    StartWindow(
        {*engine.lifecycle, *engine.showMode, *engine.recovery, [&] { form.showMaximized(); }},
        CommandLineText(argc, argv), [&] { ReportFirstPaint(form); });
    // For timing the start-up: end as soon as the window is on screen.
    if (qEnvironmentVariableIsSet("SCENOLUX_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
