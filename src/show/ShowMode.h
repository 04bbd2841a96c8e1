// Show mode: the script becomes a prompt book that cannot be edited, one cue waits on standby
// and GO runs it. The standby cue is the first cue after the caret; it is marked with a
// highlight that belongs to the view, never to the script. Keys: Space, Enter and Page Down
// GO, Page Up back one cue, Home to the first cue, Escape panic. F11 switches the mode.
#pragma once

#include "platform/Timer.h"
#include "show/CueList.h"
#include "show/HeldKeys.h"
#include "show/ShowSettings.h"

#include <QObject>
#include <QPalette>
#include <memory>
#include <optional>

class Form1;
class QKeyEvent;
class Label;
class MenuItem;
class OscRemote;
class Panic;

class ShowMode : public QObject {
    Q_OBJECT
public:
    explicit ShowMode(Form1& form);
    ~ShowMode() override;

    // The show state's show mode.
    bool Active() const;
    // Switches the mode, keeps the choice in the show-control settings.
    void SetActive(bool on);
    void mnuShowMode_Click() { SetActive(!Active()); }
    // The Options entry of the remote control: its dialog, then the listener as chosen.
    void mnuRemoteControl_Click();

    // Runs the standby cue as a double-click would; the next cue becomes the standby.
    void Go();
    // The cue before the standby becomes the standby; nothing runs.
    void Back();
    // The first cue of the script becomes the standby.
    void First();
    void StartPanic();
    // Runs a text as a click in a cue with that text would, leaving the script as it is.
    void RunCue(const QString& text);

    // The standby cue, when there is one.
    std::optional<CueSpan> Standby() const;
    // Its text, trimmed as a click trims it; empty when there is none.
    QString StandbyText() const;

    // Start-up: the mode and the remote control as they were last left.
    void RestoreSaved();
    // The entries and the mark in the active language.
    void Retranslate();
    const ShowSettings& Settings() const { return settings_; }
    // Applies remote-control settings (from the dialog or a test) and keeps them.
    void SetRemote(bool on, int port, bool allInterfaces);

    // A cue that could not run (no such file, no such command): named on the show bar until
    // the next GO that runs or the notice time has passed.
    void CueFailed(const QString& cue);
    // The failure on the show bar; empty when none is shown.
    const QString& FailedCue() const { return failedCue_; }
    Timer failureTimer; // its tick takes the failure off the bar

    MenuItem* mnuShowMode = nullptr;
    MenuItem* mnuRemoteControl = nullptr;
    Label* lblShowMode = nullptr; // the mark over the formatting toolbar
    std::unique_ptr<Panic> panic;
    std::unique_ptr<OscRemote> remote;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Runs a key in show mode; true when it was taken (refused keys are taken too).
    bool showKey(QKeyEvent* key, bool fromEditor);
    void lockScript(bool locked);
    const QList<CueSpan>& cues() const;
    void refreshStandby();
    void showStandby(int index);
    void updateTitle();
    void placeMark();
    void save();
    void applyRemote();
    void clearFailure();
    void paintBar();

    Form1& form_;
    ShowSettings settings_;
    mutable QList<CueSpan> cues_;
    mutable quint64 cuesVersion_ = 0; // the editor's content version the list was made from
    mutable bool cuesMade_ = false;
    HeldKeys held_;
    QString failedCue_;
    int standby_ = -1;
    bool running_ = false; // a cue runs: the caret moves made by the run are not the operator's
    QPalette editorFrame_;
};

// True while show mode keeps the script from being edited.
bool ScriptLocked(const Form1& form);
