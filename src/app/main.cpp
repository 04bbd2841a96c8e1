// Scenolux: runs the sound, video and pictures of a theatre show from a script.
#include "app/Paths.h"
#include "platform/MediaPlayerControl.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    SelectMediaBackend();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scenolux"));
    Form1 form;
    form.show();
    form.OpenCommandLineScript(CommandLineText(argc, argv));
    return app.exec();
}
