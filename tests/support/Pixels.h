// What a panel shows, read back from its drawing.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// The colour drawn at a share (0 to 1) along a control laid on panel, half-way down it.
inline QColor ColourAlong(QWidget* panel, const QWidget& control, double share) {
    const QImage image = panel->grab().toImage();
    const QRect r = control.geometry();
    return image.pixelColor(r.left() + int(r.width() * share), r.center().y());
}
