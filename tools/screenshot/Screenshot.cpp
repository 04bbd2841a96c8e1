// Draws the main window at a given size, with a script loaded, into a PNG file: a picture of
// the layout to look at without a display. With a video, it plays it for a second first; with
// a picture, it shows it as a picture cue does and draws the picture window instead.
//
// Usage: scenolux_screenshot OUTPUT.png WIDTH HEIGHT [SCRIPT [--video FILE | --picture FILE]]
#include "i18n/Lingua.h"
#include "media/MediaRouting.h"
#include "media/VideoPlayer.h"
#include "script/CueLookup.h"
#include "ui/Form1.h"
#include "ui/WindowVisuals.h"
#include "ui/ZoomWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

namespace {
void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s OUTPUT.png WIDTH HEIGHT [SCRIPT [--video F | --picture F]]\n",
                     argv[0]);
        return 2;
    }
    Lingua[7] = QStringLiteral("Play");
    Lingua[8] = QStringLiteral("Pause");
    Form1 form;
    form.visuals->PosizionaManopola();
    form.visuals->AdattaBarraStrumenti();
    form.cmdPlayV->Tag = Lingua[7];
    form.resize(QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt());
    form.show();
    if (argc > 4) form.OpenCommandLineScript(QString::fromLocal8Bit(argv[4]));
    QWidget* shot = &form;
    if (argc > 6) {
        const QString option = QString::fromLocal8Bit(argv[5]);
        const QString file = QString::fromLocal8Bit(argv[6]);
        form.cues->setCueCorrente(file);
        form.routing->vai(file);
        if (option == QLatin1String("--video")) {
            wait(500);
            form.video->cmdPlayV_Click();
            wait(1500);
            form.video->Timer4_Timer();
        } else {
            wait(300);
            shot = &form.ZoomWindow();
        }
    }
    QApplication::processEvents();
    return shot->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
