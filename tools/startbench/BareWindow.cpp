// The yardstick of the start-up benchmark: a bare Qt window with a menu bar, a toolbar and a
// text editor, shown maximized as Scenolux shows its window, with the same first-paint hook.
#include "app/FirstPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Toolbar"));
    for (const char* menu : {"File", "Edit", "Options", "Help"}) {
        QMenu* m = window.menuBar()->addMenu(QString::fromLatin1(menu));
        for (const char* item : {"New", "Open", "Save"}) {
            QAction* action = m->addAction(QString::fromLatin1(item));
            if (menu[0] == 'F') toolbar->addAction(action);
        }
    }
    window.setCentralWidget(new QTextEdit(&window));
    window.showMaximized();
    ReportFirstPaint(window);
    // As Scenolux does, for timing the start-up alone.
    if (qEnvironmentVariableIsSet("SCENOLUX_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
