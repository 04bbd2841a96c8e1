#include "show/ShowMode.h"

#include "core/Notices.h"
#include "core/ScriptDocument.h"
#include "core/ShowState.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "script/CueLookup.h"
#include "show/MidiControl.h"
#include "show/OscRemote.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcShow, "scenolux.show")

ShowMode::ShowMode(ShowModeParts parts)
    : failureTimer(0), preparationTimer(0),
      preparation({[&cues = parts.cues](const QString& cue) { return cues.CueFile(cue); },
                   parts.state, parts.outputs}),
      state_(parts.state), script_(parts.script), notices_(parts.notices), cueLookup_(parts.cues),
      resume_(std::move(parts.resume)) {
    failureTimer.onTimer = [this] { clearFailure(); };
    preparationTimer.onTimer = [this] {
        preparationTimer.setInterval(0);
        prepareStandby();
    };
    cueLookup_.onCueFailed = [this](const QString& cue) { CueFailed(cue); };
    preparation.onFailed = [this](const QString& cue, const QString& file, const QString& reason) {
        standbyFailed(cue, file, reason);
    };
    panic = std::make_unique<Panic>(parts.panicPlayers);
    remote = std::make_unique<OscRemote>();
    remote->onGo = [this] { Go(remote->ArrivedMs()); };
    remote->clock = [this] { return goGuard.Now(); };
    remote->onBack = [this] { Back(); };
    remote->onPanic = [this] { StartPanic(); };
    remote->onShowMode = [this](bool on) { SetActive(on); };
    remote->onCue = [this](const QString& cue) { RunCue(cue); };
    remote->standbyText = [this] { return StandbyText(); };
    midi = std::make_unique<MidiControl>();
    midi->onGo = [this](qint64 arrivedMs) { Go(arrivedMs); };
    midi->onBack = [this] { Back(); };
    midi->onPanic = [this] { StartPanic(); };
    midi->onShowMode = [this] { SetActive(!Active()); };
    midi->onResume = [this] {
        if (resume_) resume_();
    };
    midi->onCue = [this](int n) { RunCueNumber(n); };
    midi->clock = [this] { return goGuard.Now(); };
    // A learned message is kept at once.
    connect(midi.get(), &MidiControl::learned, this, [this] {
        settings_.midi.triggers = midi->Settings().triggers;
        save();
    });
}

ShowMode::~ShowMode() = default;

bool ShowMode::Active() const {
    return state_.ShowModeActive();
}

void ShowMode::SetActive(bool on) {
    if (on == Active()) return;
    settings_.showMode = on;
    state_.SetShowModeActive(on);
    if (on)
        refreshStandby();
    else
        setStandby(-1);
    save();
}

void ShowMode::ScriptReplaced() {
    clearFailure();
    if (Active()) refreshStandby();
}

void ShowMode::CaretMoved() {
    if (Active() && !running_) refreshStandby();
}

const QList<CueSpan>& ShowMode::cues() const {
    // Made again whenever the script on screen changed, whichever way it changed.
    const quint64 version = script_.Version();
    if (!cuesMade_ || cuesVersion_ != version) {
        cues_ = FindCues(script_.Text());
        cuesVersion_ = version;
        cuesMade_ = true;
    }
    return cues_;
}

void ShowMode::refreshStandby(bool prepareLater) {
    setStandby(CueAfter(cues(), script_.Caret()), prepareLater);
}

void ShowMode::setStandby(int index, bool prepareLater) {
    standby_ = index;
    preparationTimer.setInterval(0);
    if (index < 0) {
        state_.ClearStandby();
        preparation.Release();
        return;
    }
    state_.SetStandby(StandbyText(), cues()[index].open);
    if (prepareLater)
        preparationTimer.setInterval(kPrepareAfterGoMs);
    else
        prepareStandby();
}

void ShowMode::prepareStandby() {
    if (!Active() || !Standby()) return;
    if (preparation.Prepare(StandbyText()) != StandbyPreparation::Outcome::Failed)
        reportedCue_.clear();
}

// The operator learns of a file that will not play before the GO, not at it; once for each
// time the cue becomes the standby. The GO still tries it (the file may be back by then).
void ShowMode::standbyFailed(const QString& cue, const QString& file, const QString& reason) {
    if (cue == reportedCue_) return;
    reportedCue_ = cue;
    CueFailed(cue);
    if (file.isEmpty())
        notices_.ShowNotice(Lingua[127], kNoticeMs);
    else
        notices_.ShowMediaFailure(file, reason);
}

std::optional<CueSpan> ShowMode::Standby() const {
    if (standby_ < 0 || standby_ >= cues().size()) return std::nullopt;
    return cues()[standby_];
}

QString ShowMode::StandbyText() const {
    const std::optional<CueSpan> cue = Standby();
    if (!cue) return QString();
    return cueText(*cue);
}

QString ShowMode::cueText(const CueSpan& cue) const {
    return script_.Text().mid(cue.inside(), cue.close - 2 - cue.inside()).trimmed();
}

void ShowMode::Go(qint64 arrivedMs) {
    if (!Active()) return;
    if (!goGuard.Admit(arrivedMs < 0 ? goGuard.Now() : arrivedMs)) {
        qCDebug(lcShow) << "GO refused: too soon after the last one";
        emit goRefused();
        return;
    }
    // The standby may have moved with an edit made before (a rewritten cue).
    refreshStandby();
    const std::optional<CueSpan> cue = Standby();
    if (!cue) return;
    running_ = true;
    script_.SetCaret(cue->inside());
    const QString failedBefore = failedCue_;
    failedCue_.clear();
    cueLookup_.RTB_DblClick();
    running_ = false;
    // A GO that ran takes an earlier failure off the bar; one that failed put its own there.
    if (failedCue_.isEmpty() && !failedBefore.isEmpty()) clearFailure();
    // The caret is inside the cue that ran: the standby is the one after it.
    refreshStandby(true);
}

void ShowMode::Back() {
    if (!Active()) return;
    const QList<CueSpan>& all = cues();
    int index = standby_ < 0 ? int(all.size()) - 1 : standby_ - 1;
    if (index < 0) index = 0;
    if (all.isEmpty()) return;
    script_.SetCaret(all[index].open);
    refreshStandby();
}

void ShowMode::First() {
    if (!Active()) return;
    script_.SetCaret(0);
    refreshStandby();
}

void ShowMode::StartPanic() {
    preparationTimer.setInterval(0);
    preparation.Release();
    panic->Start();
}

void ShowMode::CueFailed(const QString& cue) {
    if (!Active()) return;
    failedCue_ = cue;
    failureTimer.setInterval(kNoticeMs);
    emit failedCueChanged();
}

void ShowMode::clearFailure() {
    failureTimer.setInterval(0);
    failedCue_.clear();
    emit failedCueChanged();
}

void ShowMode::RunCue(const QString& text) {
    running_ = true;
    cueLookup_.RunCue(text);
    running_ = false;
}

void ShowMode::RunCueNumber(int n) {
    const QList<CueSpan>& all = cues();
    if (n < 1 || n > all.size()) return;
    RunCue(cueText(all[n - 1]));
}

void ShowMode::RestoreSaved() {
    settings_.Read(ShowSettingsPath());
    const bool on = settings_.showMode;
    settings_.showMode = Active();
    SetActive(on);
    goGuard.SetMinimumMs(settings_.goProtectionMs);
    applyRemote();
    midi->Apply(settings_.midi);
    if (settings_.webOn && settings_.webCode.isEmpty()) {
        settings_.webCode = NewPassCode();
        save();
    }
    emit webRemoteChanged();
}

void ShowMode::save() {
    if (!settings_.Write(ShowSettingsPath()))
        qCWarning(lcShow) << "show-control settings not written:" << ShowSettingsPath();
}

void ShowMode::SetRemote(bool on, int port, bool allInterfaces) {
    settings_.remoteOn = on;
    settings_.port = port;
    settings_.allInterfaces = allInterfaces;
    save();
    applyRemote();
}

void ShowMode::SetGoProtection(int ms) {
    settings_.goProtectionMs = qBound(0, ms, ShowSettings::kMaxGoProtectionMs);
    goGuard.SetMinimumMs(settings_.goProtectionMs);
    save();
}

void ShowMode::SetMidi(const MidiSettings& midiSettings) {
    settings_.midi = midiSettings;
    save();
    midi->Apply(midiSettings);
}

void ShowMode::SetWebRemote(bool on, int port, bool allInterfaces, const QString& code) {
    settings_.webOn = on;
    settings_.webPort = port;
    settings_.webAllInterfaces = allInterfaces;
    settings_.webCode = code.isEmpty() ? NewPassCode() : code;
    save();
    emit webRemoteChanged();
}

void ShowMode::applyRemote() {
    remote->Stop();
    if (!settings_.remoteOn) return;
    QString error;
    if (!remote->Start(settings_.port, settings_.allInterfaces, &error))
        notices_.ShowNotice(MessageText(Msg::RemoteFailed).arg(settings_.port).arg(error),
                            kNoticeMs);
}
