#include "display/ZoomWindow.h"

#include "ui/Controls.h"

frmZoom::frmZoom(QWidget* parent) : QWidget(parent, Qt::Window), Image1(new PictureBox(this)) {
    setObjectName(QStringLiteral("frmZoom"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
}
