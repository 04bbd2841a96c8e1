// The picture window that shows a still picture on the second monitor.
#pragma once

#include <QWidget>

class PictureBox;

class frmZoom : public QWidget {
    Q_OBJECT
public:
    explicit frmZoom(QWidget* parent = nullptr);
    PictureBox* Image1;
};
