// The picture window: borderless and black, full screen on the projector monitor, showing
// one picture at the largest size that fits with its proportions kept, centred.
#pragma once

#include <QWidget>

class PictureBox;

class frmZoom : public QWidget {
    Q_OBJECT
public:
    explicit frmZoom(QWidget* parent = nullptr);
    PictureBox* Image1;
    // Fits the picture to the window (also after every new picture).
    void Adatta();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
