// Show mode as the operator sees it: the Options entries, the orange bar over the formatting
// toolbar with the standby cue (and a cue that failed), the orange frame round the script, the
// editing controls switched off, the standby's mark in the script and the title's mark. All of
// it follows the show state; the keys of show mode (Space, Enter, Page Down GO, Page Up back,
// Home to the first cue, Escape panic, F11 the mode) are turned into show mode's commands here.
#pragma once

#include "show/HeldKeys.h"

#include <QObject>
#include <QPalette>
#include <QTimer>

class Form1;
class Label;
class MenuItem;
class QKeyEvent;
class ShowMode;

class ShowModeView : public QObject {
    Q_OBJECT
public:
    ShowModeView(Form1& form, ShowMode& showMode);

    // The Options entry of the remote control: its dialog, then the listener as chosen.
    void mnuRemoteControl_Click();
    // The Options entry of the protection from a double GO: its window, then the time chosen.
    void mnuGoProtection_Click();
    // The Options entry of MIDI control: its window, then MIDI control as chosen.
    void mnuMidiControl_Click();
    // The Options entry of the remote page: its window, then the server as chosen.
    void mnuWebRemote_Click();
    // The entries, the bar and the title's mark in the active language.
    void Retranslate();

    MenuItem* mnuShowMode = nullptr;
    MenuItem* mnuRemoteControl = nullptr;
    MenuItem* mnuGoProtection = nullptr;
    MenuItem* mnuMidiControl = nullptr;
    MenuItem* mnuWebRemote = nullptr;
    Label* lblShowMode = nullptr; // the bar over the formatting toolbar
    // A refused GO: the bar flashes while this runs.
    QTimer refusedFlash;
    static constexpr int kRefusedFlashMs = 300;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a key in show mode; true when it was taken (refused keys are taken too).
    bool showKey(QKeyEvent* key, bool fromEditor);
    void showModeChanged(bool on);
    void lockScript(bool locked);
    void placeMark();
    void showStandby();
    void paintBar();
    void updateTitle();

    Form1& form_;
    ShowMode& showMode_;
    HeldKeys held_;
    QPalette editorFrame_;
};
