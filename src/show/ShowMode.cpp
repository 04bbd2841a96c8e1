#include "show/ShowMode.h"

#include "core/Notices.h"
#include "core/ScriptDocument.h"
#include "core/ShowState.h"
#include "i18n/Messages.h"
#include "script/CueLookup.h"
#include "show/OscRemote.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcShow, "scenolux.show")

ShowMode::ShowMode(ShowModeParts parts)
    : failureTimer(0), state_(parts.state), script_(parts.script), notices_(parts.notices),
      cueLookup_(parts.cues) {
    failureTimer.onTimer = [this] { clearFailure(); };
    cueLookup_.onCueFailed = [this](const QString& cue) { CueFailed(cue); };
    panic = std::make_unique<Panic>(parts.panicPlayers);
    remote = std::make_unique<OscRemote>();
    remote->onGo = [this] { Go(); };
    remote->onBack = [this] { Back(); };
    remote->onPanic = [this] { StartPanic(); };
    remote->onShowMode = [this](bool on) { SetActive(on); };
    remote->onCue = [this](const QString& cue) { RunCue(cue); };
    remote->standbyText = [this] { return StandbyText(); };
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

void ShowMode::refreshStandby() {
    setStandby(CueAfter(cues(), script_.Caret()));
}

void ShowMode::setStandby(int index) {
    standby_ = index;
    if (index >= 0)
        state_.SetStandby(StandbyText(), cues()[index].open);
    else
        state_.ClearStandby();
}

std::optional<CueSpan> ShowMode::Standby() const {
    if (standby_ < 0 || standby_ >= cues().size()) return std::nullopt;
    return cues()[standby_];
}

QString ShowMode::StandbyText() const {
    const std::optional<CueSpan> cue = Standby();
    if (!cue) return QString();
    const QString text = script_.Text();
    return text.mid(cue->inside(), cue->close - 2 - cue->inside()).trimmed();
}

void ShowMode::Go() {
    if (!Active()) return;
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
    refreshStandby();
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

void ShowMode::RestoreSaved() {
    settings_.Read(ShowSettingsPath());
    const bool on = settings_.showMode;
    settings_.showMode = Active();
    SetActive(on);
    applyRemote();
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
