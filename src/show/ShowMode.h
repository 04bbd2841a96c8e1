// Show mode: the script becomes a prompt book that cannot be edited, one cue waits on standby
// and GO runs it. The standby cue is the first cue after the caret. The mode and the standby
// are the show state's; the window shows them (ui/ShowModeView) and turns the operator's keys
// into GO, back, first and panic.
#pragma once

#include "platform/Timer.h"
#include "show/CueList.h"
#include "show/GoGuard.h"
#include "show/Panic.h"
#include "show/ShowSettings.h"
#include "show/StandbyPreparation.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class CueLookup;
class MidiControl;
class Notices;
class OscRemote;
class ScriptDocument;
class ShowState;
class VideoOutputs;

// What show mode acts on: the show state, the script, the notice line, the cue lookup that
// runs a cue, and the players the panic silences.
struct ShowModeParts {
    ShowState& state;
    ScriptDocument& script;
    Notices& notices;
    CueLookup& cues;
    // The players a video or MIDI cue loads into, which hold the standby's file ahead.
    VideoOutputs& outputs;
    PanicPlayers panicPlayers;
    // Plays on what is paused (MIDI Show Control's RESUME).
    std::function<void()> resume = {};
};

class ShowMode : public QObject {
    Q_OBJECT
public:
    explicit ShowMode(ShowModeParts parts);
    ~ShowMode() override;

    // The show state's show mode.
    bool Active() const;
    // Switches the mode, keeps the choice in the show-control settings.
    void SetActive(bool on);
    void mnuShowMode_Click() { SetActive(!Active()); }

    // Runs the standby cue as a double-click would; the next cue becomes the standby. A GO
    // sooner than the protection allows after the last one is refused (goRefused); `arrivedMs`
    // is when it arrived on the guard's clock, -1 for now.
    void Go(qint64 arrivedMs = -1);
    // The cue before the standby becomes the standby; nothing runs.
    void Back();
    // The first cue of the script becomes the standby.
    void First();
    void StartPanic();
    // Runs a text as a click in a cue with that text would, leaving the script as it is.
    void RunCue(const QString& text);
    // Runs the script's cue number n (1: the first) as RunCue runs a text; nothing when there
    // is no such cue.
    void RunCueNumber(int n);

    // The standby cue, when there is one.
    std::optional<CueSpan> Standby() const;
    // Its text, trimmed as a click trims it; empty when there is none.
    QString StandbyText() const;

    // The script was replaced (opened, new or recovered): its own standby, and no failure.
    void ScriptReplaced();
    // The caret moved: the standby is the first cue after it, unless a cue's run moved it.
    void CaretMoved();

    // Start-up: the mode and the remote control as they were last left.
    void RestoreSaved();
    const ShowSettings& Settings() const { return settings_; }
    // Applies remote-control settings (from the dialog or a test) and keeps them.
    void SetRemote(bool on, int port, bool allInterfaces);
    // The least time between two GOs, in ms (0: off), applied and kept.
    void SetGoProtection(int ms);
    // Applies MIDI control's settings and keeps them.
    void SetMidi(const MidiSettings& midiSettings);
    // Applies the remote page's settings and keeps them; an empty code gets a new one.
    void SetWebRemote(bool on, int port, bool allInterfaces, const QString& code);

    // A cue that could not run (no such file, no such command): named on the show bar until
    // the next GO that runs or the notice time has passed.
    void CueFailed(const QString& cue);
    // The failure on the show bar; empty when none is shown.
    const QString& FailedCue() const { return failedCue_; }
    Timer failureTimer; // its tick takes the failure off the bar
    // Its tick makes ready the standby a GO moved on to: a moment after the GO, so that opening
    // the next file does not hold up the start of the cue that ran.
    Timer preparationTimer;
    static constexpr int kPrepareAfterGoMs = 100;

    std::unique_ptr<Panic> panic;
    std::unique_ptr<OscRemote> remote;
    GoGuard goGuard;
    std::unique_ptr<MidiControl> midi;
    // The standby's file, opened ahead for GO; let go at a panic and when the mode ends.
    StandbyPreparation preparation;

signals:
    void failedCueChanged();
    // A GO came too soon after the last one and was dropped.
    void goRefused();
    // The remote page's settings were restored or chosen: its server follows them.
    void webRemoteChanged();

private:
    const QList<CueSpan>& cues() const;
    // The standby is the first cue after the caret; made ready now, or a moment later (after a
    // GO).
    void refreshStandby(bool prepareLater = false);
    void setStandby(int index, bool prepareLater = false);
    void prepareStandby();
    void save();
    void applyRemote();
    void clearFailure();
    void standbyFailed(const QString& cue, const QString& file, const QString& reason);
    QString cueText(const CueSpan& cue) const;

    ShowState& state_;
    ScriptDocument& script_;
    Notices& notices_;
    CueLookup& cueLookup_;
    std::function<void()> resume_;
    ShowSettings settings_;
    mutable QList<CueSpan> cues_;
    mutable quint64 cuesVersion_ = 0; // the script's version the list was made from
    mutable bool cuesMade_ = false;
    QString failedCue_;
    QString reportedCue_; // the standby whose file was last reported as not ready
    int standby_ = -1;
    bool running_ = false; // a cue runs: the caret moves made by the run are not the operator's
};
