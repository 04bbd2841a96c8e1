#include "ui/WebRemoteDialog.h"

#include "i18n/Messages.h"
#include "ui/QtDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <qrencode.h>

QImage QrCodeImage(const QString& text, int scale) {
    QRcode* code = QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code) return QImage();
    const int quiet = 4;
    const int side = (code->width + 2 * quiet) * scale;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                painter.fillRect((x + quiet) * scale, (y + quiet) * scale, scale, scale, Qt::black);
    QRcode_free(code);
    return image;
}

WebRemoteDialog::WebRemoteDialog(const ShowSettings& current,
                                 std::function<QString(const ShowSettings&)> address,
                                 QWidget* owner)
    : QDialog(owner), current_(current), address_(std::move(address)) {
    setObjectName(QStringLiteral("WebRemoteDialog"));
    setWindowTitle(MessageText(Msg::WebTitle));
    FitTitle(*this);
    if (current_.webCode.isEmpty()) current_.webCode = NewPassCode();
    chkOn = new QCheckBox(MessageText(Msg::WebOn), this);
    chkOn->setChecked(current.webOn);
    txtPort = new QSpinBox(this);
    txtPort->setRange(1024, 65535);
    txtPort->setValue(current.webPort);
    optLocal = new QRadioButton(MessageText(Msg::RemoteLocal), this);
    optAll = new QRadioButton(MessageText(Msg::RemoteAll), this);
    (current.webAllInterfaces ? optAll : optLocal)->setChecked(true);
    lblCode = new QLabel(this);
    lblCode->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = lblCode->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblCode->setFont(big);
    cmdRenew = new QPushButton(MessageText(Msg::WebRenew), this);
    lblAddress = new QLabel(this);
    lblAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    picQr = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(MessageText(Msg::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdRenew, &QPushButton::clicked, this, [this] {
        current_.webCode = NewPassCode();
        showAddress();
    });
    connect(chkOn, &QCheckBox::toggled, this, [this] { showAddress(); });
    connect(txtPort, &QSpinBox::valueChanged, this, [this] { showAddress(); });
    connect(optAll, &QRadioButton::toggled, this, [this] { showAddress(); });

    auto* form = new QFormLayout;
    form->addRow(MessageText(Msg::WebPort), txtPort);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(lblCode, 1);
    codeRow->addWidget(cmdRenew);
    form->addRow(MessageText(Msg::WebCode), codeRow);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkOn);
    layout->addLayout(form);
    layout->addWidget(optLocal);
    layout->addWidget(optAll);
    layout->addWidget(new QLabel(MessageText(Msg::WebAddress), this));
    layout->addWidget(lblAddress);
    layout->addWidget(picQr, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    showAddress();
}

void WebRemoteDialog::showAddress() {
    const ShowSettings chosen = Chosen();
    lblCode->setText(chosen.webCode);
    const QString address = address_(chosen);
    lblAddress->setText(address);
    picQr->setPixmap(QPixmap::fromImage(QrCodeImage(address, 4)));
    picQr->setEnabled(chosen.webOn);
}

ShowSettings WebRemoteDialog::Chosen() const {
    ShowSettings chosen = current_;
    chosen.webOn = chkOn->isChecked();
    chosen.webPort = txtPort->value();
    chosen.webAllInterfaces = optAll->isChecked();
    return chosen;
}
