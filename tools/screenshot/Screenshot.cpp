// Draws the main window at a given size, with a script loaded, into a PNG file: a picture of
// the layout to look at without a display.
//
// Usage: scenolux_screenshot OUTPUT.png WIDTH HEIGHT [SCRIPT]
#include "platform/MediaPlayerControl.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    SelectMediaBackend();
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTPUT.png WIDTH HEIGHT [SCRIPT]\n", argv[0]);
        return 2;
    }
    Form1 form;
    form.resize(QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt());
    form.show();
    if (argc > 4) form.OpenCommandLineScript(QString::fromLocal8Bit(argv[4]));
    QApplication::processEvents();
    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
