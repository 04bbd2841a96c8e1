#include "ui/GoProtectionDialog.h"

#include "i18n/Messages.h"
#include "show/ShowSettings.h"
#include "ui/QtDialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

GoProtectionDialog::GoProtectionDialog(int currentMs, QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("GoProtectionDialog"));
    setWindowTitle(MessageText(Msg::GoProtectionTitle));
    FitTitle(*this);
    txtMs = new QSpinBox(this);
    txtMs->setRange(0, ShowSettings::kMaxGoProtectionMs);
    txtMs->setSingleStep(50);
    txtMs->setSuffix(QStringLiteral(" ms"));
    txtMs->setSpecialValueText(MessageText(Msg::GoProtectionOff));
    txtMs->setValue(currentMs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(MessageText(Msg::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(MessageText(Msg::GoProtectionLabel), txtMs);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

int GoProtectionDialog::ChosenMs() const {
    return txtMs->value();
}
