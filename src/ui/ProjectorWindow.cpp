#include "ui/ProjectorWindow.h"

#include "platform/Pointer.h"
#include "platform/widgets/MediaPlayerView.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

void PlaceOnProjectorMonitor(QWidget* window) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    QScreen* target = nullptr;
    if (primary) {
        const QPoint beside(primary->geometry().right() + 1, primary->geometry().top());
        target = QGuiApplication::screenAt(beside);
        if (!target)
            for (QScreen* s : QGuiApplication::screens())
                if (s != primary) {
                    target = s;
                    break;
                }
    }
    if (!target) target = QGuiApplication::primaryScreen();
    window->setGeometry(target->geometry());
    window->winId(); // the native window exists, so it can be put on its screen
    if (window->windowHandle()) window->windowHandle()->setScreen(target);
    window->setGeometry(target->geometry());
    window->showFullScreen();
}

Form2::Form2(QWidget* owner, MediaPlayerControl& player)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint), Timer1(0) {
    setObjectName(QStringLiteral("Form2"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    WMP1 = new MediaPlayerView(player, this);
    WMP1->setObjectName(QStringLiteral("WMP1"));
    WMP1->onKeyDown = [this](int& key, int&) {
        if (key == 27) Escape();
    };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void Form2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    WMP1->setGeometry(rect());
}

void Form2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        Escape();
    else
        QWidget::keyPressEvent(event);
}

void Form2::Escape() {
    RestoreDefaultPointer();
    hide(); // playback goes on; the player or the switch brings the window back
}

void Form2::Timer1_Timer() {
    if (onTick) onTick();
}
