#include "ui/RemoteDialog.h"

#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "ui/QtDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

RemoteDialog::RemoteDialog(const ShowSettings& current, QWidget* owner)
    : QDialog(owner), current_(current) {
    setObjectName(QStringLiteral("RemoteDialog"));
    setWindowTitle(MessageText(Msg::RemoteTitle));
    FitTitle(*this);
    chkOn = new QCheckBox(MessageText(Msg::RemoteOn), this);
    chkOn->setChecked(current.remoteOn);
    txtPort = new QSpinBox(this);
    txtPort->setRange(1024, 65535);
    txtPort->setValue(current.port);
    optLocal = new QRadioButton(MessageText(Msg::RemoteLocal), this);
    optAll = new QRadioButton(MessageText(Msg::RemoteAll), this);
    (current.allInterfaces ? optAll : optLocal)->setChecked(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(MessageText(Msg::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(MessageText(Msg::RemotePort), txtPort);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkOn);
    layout->addLayout(form);
    layout->addWidget(optLocal);
    layout->addWidget(optAll);
    layout->addWidget(buttons);
}

ShowSettings RemoteDialog::Chosen() const {
    ShowSettings chosen = current_;
    chosen.remoteOn = chkOn->isChecked();
    chosen.port = txtPort->value();
    chosen.allInterfaces = optAll->isChecked();
    return chosen;
}
