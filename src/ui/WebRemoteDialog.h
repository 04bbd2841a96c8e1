// The remote page's settings window: on or off, the TCP port, who may connect, and the pass
// code, with the page's address as a QR code to scan from a phone.
#pragma once

#include "show/ShowSettings.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class WebRemoteDialog : public QDialog {
    Q_OBJECT
public:
    // address gives the page's address with a code, for the QR code (the server's own, while
    // it runs with the settings shown).
    WebRemoteDialog(const ShowSettings& current,
                    std::function<QString(const ShowSettings&)> address, QWidget* owner);
    // The settings as the window now shows them.
    ShowSettings Chosen() const;

    QCheckBox* chkOn;
    QSpinBox* txtPort;
    QRadioButton* optLocal;
    QRadioButton* optAll;
    QLabel* lblCode;
    QPushButton* cmdRenew;
    QLabel* lblAddress;
    QLabel* picQr;

private:
    void showAddress();

    ShowSettings current_;
    std::function<QString(const ShowSettings&)> address_;
};

// The QR code of text, each module drawn as scale × scale pixels with a quiet zone round it; a
// null image when libqrencode cannot code the text.
QImage QrCodeImage(const QString& text, int scale);
