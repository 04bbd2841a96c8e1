#include "ui/ZoomWindow.h"

#include "platform/Twips.h"
#include "ui/Controls.h"

#include "platform/Pointer.h"

#include <QApplication>
#include <QKeyEvent>

frmZoom::frmZoom(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), Image1(new PictureBox(this)) {
    setObjectName(QStringLiteral("frmZoom"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(true);
    Image1->Move(0, 0, 6675, 4245);
    Image1->setVisible(false);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
}

void frmZoom::Adatta() {
    // The picture's natural size; a window or picture without size is left alone.
    const double w = PixelsToTwipsX(Image1->Picture().width());
    const double h = PixelsToTwipsY(Image1->Picture().height());
    const double width = PixelsToTwipsX(this->width());
    const double height = PixelsToTwipsY(this->height());
    if (w <= 0 || h <= 0 || width <= 0 || height <= 0) return;
    double iw, ih;
    if (h < w) {
        iw = width;
        ih = width / w * h;
        if (ih > height) {
            ih = height;
            iw = height / h * w;
        }
    } else {
        ih = height;
        iw = height / h * w;
        if (iw > width) {
            iw = width;
            ih = width / w * h;
        }
    }
    Image1->Move((width - iw) / 2, (height - ih) / 2, iw, ih);
}

void frmZoom::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Adatta();
}

void frmZoom::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) return;
    RestoreDefaultPointer();
    hide();
}
