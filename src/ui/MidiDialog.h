// MIDI control's window: on or off, the input port, the channel, the MIDI Show Control device
// ID, and a Learn button for each action with the message learned beside it.
#pragma once

#include "show/MidiTrigger.h"

#include <QDialog>
#include <array>

class MidiControl;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class MidiDialog : public QDialog {
    Q_OBJECT
public:
    MidiDialog(MidiControl& midi, QWidget* owner);
    ~MidiDialog() override;
    // The settings as the window now shows them, the messages learned included.
    MidiSettings Chosen() const;
    // The port as chosen: empty for all.
    QString ChosenPort() const;

    QCheckBox* chkOn;
    QComboBox* cboPort;
    QComboBox* cboChannel;
    QSpinBox* txtDeviceId;
    std::array<QPushButton*, kMidiActions> cmdLearn{};
    std::array<QLabel*, kMidiActions> lblLearned{};

private:
    void learned(MidiAction action, const MidiTrigger& trigger);
    void showLearning();

    MidiControl& midi_;
    MidiSettings current_;
};
