#include "ui/MidiDialog.h"

#include "i18n/Messages.h"
#include "show/MidiControl.h"
#include "ui/QtDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

Msg actionName(int a) {
    static const Msg kNames[kMidiActions] = {Msg::MidiActionGo, Msg::MidiActionBack,
                                             Msg::MidiActionPanic, Msg::MidiActionShowMode,
                                             Msg::MidiActionCue};
    return kNames[a];
}

QString triggerText(const MidiTrigger& t) {
    return t.kind == MidiTrigger::Kind::None ? MessageText(Msg::MidiNotSet) : t.ToText();
}

} // namespace

MidiDialog::MidiDialog(MidiControl& midi, QWidget* owner)
    : QDialog(owner), midi_(midi), current_(midi.Settings()) {
    setObjectName(QStringLiteral("MidiDialog"));
    setWindowTitle(MessageText(Msg::MidiTitle));
    FitTitle(*this);
    chkOn = new QCheckBox(MessageText(Msg::MidiOn), this);
    chkOn->setChecked(current_.on);

    cboPort = new QComboBox(this);
    cboPort->addItem(MessageText(Msg::MidiAllPorts), QString());
    QStringList ports = midi_.Ports();
    // A port kept from before that is not plugged in now stays the choice.
    if (!current_.port.isEmpty() && !ports.contains(current_.port)) ports << current_.port;
    for (const QString& port : ports)
        cboPort->addItem(port, port);
    cboPort->setCurrentIndex(qMax(0, cboPort->findData(current_.port)));

    cboChannel = new QComboBox(this);
    cboChannel->addItem(MessageText(Msg::MidiAnyChannel));
    for (int c = 1; c <= 16; ++c)
        cboChannel->addItem(QString::number(c));
    cboChannel->setCurrentIndex(current_.channel);

    txtDeviceId = new QSpinBox(this);
    txtDeviceId->setRange(0, 126);
    txtDeviceId->setValue(current_.deviceId);

    auto* form = new QFormLayout;
    form->addRow(MessageText(Msg::MidiPort), cboPort);
    form->addRow(MessageText(Msg::MidiChannel), cboChannel);
    form->addRow(MessageText(Msg::MidiDeviceId), txtDeviceId);

    auto* grid = new QGridLayout;
    for (int a = 0; a < kMidiActions; ++a) {
        grid->addWidget(new QLabel(MessageText(actionName(a)), this), a, 0);
        lblLearned[size_t(a)] = new QLabel(triggerText(current_.triggers[size_t(a)]), this);
        grid->addWidget(lblLearned[size_t(a)], a, 1);
        cmdLearn[size_t(a)] = new QPushButton(MessageText(Msg::MidiLearn), this);
        cmdLearn[size_t(a)]->setObjectName(QStringLiteral("cmdLearn%1").arg(a));
        grid->addWidget(cmdLearn[size_t(a)], a, 2);
        connect(cmdLearn[size_t(a)], &QPushButton::clicked, this, [this, a] {
            if (midi_.Learning() == MidiAction(a)) {
                midi_.CancelLearn();
            } else {
                midi_.Learn(MidiAction(a), ChosenPort(), cboChannel->currentIndex());
            }
            showLearning();
        });
    }
    connect(&midi_, &MidiControl::learned, this, &MidiDialog::learned);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(MessageText(Msg::Cancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkOn);
    layout->addLayout(form);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

MidiDialog::~MidiDialog() {
    // A learn left waiting would take the next press of the show.
    midi_.CancelLearn();
}

void MidiDialog::learned(MidiAction action, const MidiTrigger& trigger) {
    current_.trigger(action) = trigger;
    lblLearned[size_t(action)]->setText(triggerText(trigger));
    showLearning();
}

void MidiDialog::showLearning() {
    for (int a = 0; a < kMidiActions; ++a)
        cmdLearn[size_t(a)]->setText(MessageText(
            midi_.Learning() == MidiAction(a) ? Msg::MidiLearnWaiting : Msg::MidiLearn));
}

QString MidiDialog::ChosenPort() const {
    return cboPort->currentData().toString();
}

MidiSettings MidiDialog::Chosen() const {
    MidiSettings chosen = current_;
    chosen.on = chkOn->isChecked();
    chosen.port = ChosenPort();
    chosen.channel = cboChannel->currentIndex();
    chosen.deviceId = txtDeviceId->value();
    return chosen;
}
