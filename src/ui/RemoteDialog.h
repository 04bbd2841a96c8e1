// The remote control's settings window: on or off, the UDP port, and who may send.
#pragma once

#include "show/ShowSettings.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;

class RemoteDialog : public QDialog {
    Q_OBJECT
public:
    RemoteDialog(const ShowSettings& current, QWidget* owner);
    // The remote-control settings as the window now shows them.
    ShowSettings Chosen() const;

    QCheckBox* chkOn;
    QSpinBox* txtPort;
    QRadioButton* optLocal;
    QRadioButton* optAll;

private:
    ShowSettings current_;
};
