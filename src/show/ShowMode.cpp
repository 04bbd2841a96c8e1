#include "show/ShowMode.h"

#include "core/ScriptDocument.h"
#include "display/ProjectorWindow.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/RichTextBox.h"
#include "script/CueLookup.h"
#include "script/FindReplace.h"
#include "show/OscRemote.h"
#include "show/Panic.h"
#include "show/RemoteDialog.h"
#include "ui/Form1.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>

Q_LOGGING_CATEGORY(lcShow, "scenolux.show")

namespace {

const QColor kStandbyBackground(0xFF, 0xD8, 0x40);
const QColor kShowOrange(0xFF, 0x80, 0x00);
const QColor kFailureRed(0xC0, 0x00, 0x00);

// The toolbar hotspots that change the script: formatting, add media, add command.
constexpr int kFirstEditingHotspot = 4;

bool isGoKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter ||
           key == Qt::Key_PageDown;
}

// Keys that only move the caret or copy: they keep working on a locked script.
bool isReadingKey(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_End:
    case Qt::Key_F1:
    case Qt::Key_F3:
    case Qt::Key_F9:
    case Qt::Key_F11:
        return true;
    default:
        return key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll);
    }
}

} // namespace

bool ScriptLocked(const Form1& form) {
    return form.showMode && form.showMode->Active();
}

ShowMode::ShowMode(Form1& form) : failureTimer(0), form_(form) {
    failureTimer.onTimer = [this] { clearFailure(); };
    form_.cues->onCueFailed = [this](const QString& cue) { CueFailed(cue); };
    panic = std::make_unique<Panic>(
        PanicPlayers{*form.volume, *form.Timer3, form.core.audio, *form.audio, *form.video,
                     *form.WMP2, *form.WMP3, *form.background, [&form]() -> MediaPlayerControl* {
                         return form.HasProjectorWindow() ? form.ProjectorWindow().WMP1 : nullptr;
                     }});
    remote = std::make_unique<OscRemote>();
    remote->onGo = [this] { Go(); };
    remote->onBack = [this] { Back(); };
    remote->onPanic = [this] { StartPanic(); };
    remote->onShowMode = [this](bool on) { SetActive(on); };
    remote->onCue = [this](const QString& cue) { RunCue(cue); };
    remote->standbyText = [this] { return StandbyText(); };

    mnuShowMode = new MenuItem(MessageText(Msg::ShowModeMenu), form_.mnuOpzioni);
    mnuShowMode->setObjectName(QStringLiteral("mnuShowMode"));
    mnuShowMode->setCheckable(true);
    mnuShowMode->setShortcut(Qt::Key_F11);
    mnuShowMode->onClick = [this] { mnuShowMode_Click(); };
    mnuRemoteControl = new MenuItem(MessageText(Msg::RemoteMenu), form_.mnuOpzioni);
    mnuRemoteControl->setObjectName(QStringLiteral("mnuRemoteControl"));
    mnuRemoteControl->onClick = [this] { mnuRemoteControl_Click(); };
    form_.mnuOpzioni->addSeparator();
    form_.mnuOpzioni->addAction(mnuShowMode);
    form_.mnuOpzioni->addAction(mnuRemoteControl);

    lblShowMode = new Label(form_.Client());
    lblShowMode->setObjectName(QStringLiteral("lblShowMode"));
    lblShowMode->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblShowMode->setAutoFillBackground(true);
    QPalette pal = lblShowMode->palette();
    pal.setColor(QPalette::Window, kShowOrange);
    pal.setColor(QPalette::WindowText, Qt::black);
    lblShowMode->setPalette(pal);
    lblShowMode->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(9);
    font.setBold(true);
    lblShowMode->setFont(font);
    lblShowMode->setVisible(false);

    RichTextBox* rtb = form_.RTB;
    rtb->installEventFilter(this);
    form_.installEventFilter(this);
    form_.Client()->installEventFilter(this);
    // Opened, new or recovered: the standby is the first cue after the caret of that script.
    connect(rtb, &RichTextBox::scriptReplaced, this, [this] {
        clearFailure();
        if (Active()) refreshStandby();
    });
    connect(rtb, &QTextEdit::cursorPositionChanged, this, [this] {
        if (Active() && !running_) refreshStandby();
    });
}

ShowMode::~ShowMode() = default;

bool ShowMode::Active() const {
    return form_.core.state.ShowModeActive();
}

void ShowMode::SetActive(bool on) {
    mnuShowMode->setChecked(on);
    if (on == Active()) return;
    settings_.showMode = on;
    form_.core.state.SetShowModeActive(on);
    lockScript(on);
    updateTitle();
    if (on) {
        refreshStandby();
        form_.RTB->SetFocus();
    } else {
        showStandby(-1);
    }
    save();
}

void ShowMode::lockScript(bool locked) {
    RichTextBox& rtb = *form_.RTB;
    rtb.setReadOnly(locked);
    // Read-only, the caret stays and still moves with the arrows: it chooses the standby.
    if (locked)
        rtb.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    for (int i = kFirstEditingHotspot; i < int(form_.Label2.size()); ++i)
        form_.Label2[i]->setEnabled(!locked);
    for (Label* letter : form_.Label3)
        if (letter) letter->setEnabled(!locked);
    form_.Combo1->setEnabled(!locked);
    form_.Combo2->setEnabled(!locked);
    for (MenuItem* item :
         {form_.mnuAnnulla, form_.mnuRipeti, form_.mnuTaglia, form_.mnuIncolla,
          form_.mnuAggiungiMultimedia, form_.mnuAddCommand, form_.mnuAddImg, form_.mnuSostituisci})
        item->setEnabled(!locked);
    // A replace dialog left open would still write into the script.
    if (locked)
        if (QDialog* find = form_.findReplace->Dialog()) find->close();

    if (locked) {
        editorFrame_ = form_.Label1->palette();
        QPalette pal = editorFrame_;
        pal.setColor(QPalette::Window, kShowOrange);
        form_.Label1->setPalette(pal);
        placeMark();
        lblShowMode->raise();
    } else {
        form_.Label1->setPalette(editorFrame_);
    }
    lblShowMode->setVisible(locked);
}

void ShowMode::placeMark() {
    // Over the toolbar's editing buttons and the font boxes, all of them off in show mode.
    const QWidget* first = form_.Label2[kFirstEditingHotspot];
    int right = 0;
    for (const QWidget* w :
         {static_cast<const QWidget*>(form_.Label2.back()),
          static_cast<const QWidget*>(form_.Combo1), static_cast<const QWidget*>(form_.Combo2)})
        right = std::max(right, w->geometry().right());
    lblShowMode->setGeometry(first->x(), first->y(), right - first->x() + 1, first->height());
}

void ShowMode::updateTitle() {
    form_.core.session.SetShowModeMark(Active() ? MessageText(Msg::ShowModeTitle) : QString());
}

const QList<CueSpan>& ShowMode::cues() const {
    // Made again whenever the script on screen changed, whichever way it changed.
    const quint64 version = form_.scriptDocument->Version();
    if (!cuesMade_ || cuesVersion_ != version) {
        cues_ = FindCues(form_.scriptDocument->Text());
        cuesVersion_ = version;
        cuesMade_ = true;
    }
    return cues_;
}

void ShowMode::refreshStandby() {
    showStandby(CueAfter(cues(), form_.scriptDocument->Caret()));
}

void ShowMode::showStandby(int index) {
    RichTextBox& rtb = *form_.RTB;
    standby_ = index;
    QList<QTextEdit::ExtraSelection> marks;
    if (index >= 0) {
        const CueSpan cue = cues()[index];
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(rtb.document());
        mark.cursor.setPosition(rtb.ToDocumentPosition(cue.open));
        mark.cursor.setPosition(rtb.ToDocumentPosition(cue.close), QTextCursor::KeepAnchor);
        mark.format.setBackground(kStandbyBackground);
        marks << mark;
        // Kept in view: a third of the way down when it has left the visible part.
        QTextCursor at(rtb.document());
        at.setPosition(rtb.ToDocumentPosition(cue.open));
        const QRect r = rtb.cursorRect(at);
        if (!rtb.viewport()->rect().contains(r)) {
            QScrollBar* bar = rtb.verticalScrollBar();
            bar->setValue(bar->value() + r.top() - rtb.viewport()->height() / 3);
        }
    }
    rtb.setExtraSelections(marks);
    if (index >= 0)
        form_.core.state.SetStandby(StandbyText());
    else
        form_.core.state.ClearStandby();
    Retranslate();
}

std::optional<CueSpan> ShowMode::Standby() const {
    if (standby_ < 0 || standby_ >= cues().size()) return std::nullopt;
    return cues()[standby_];
}

QString ShowMode::StandbyText() const {
    const std::optional<CueSpan> cue = Standby();
    if (!cue) return QString();
    const QString text = form_.scriptDocument->Text();
    return text.mid(cue->inside(), cue->close - 2 - cue->inside()).trimmed();
}

void ShowMode::Go() {
    if (!Active()) return;
    // The standby may have moved with an edit made before (a rewritten cue).
    refreshStandby();
    const std::optional<CueSpan> cue = Standby();
    if (!cue) return;
    running_ = true;
    form_.scriptDocument->SetCaret(cue->inside());
    const QString failedBefore = failedCue_;
    failedCue_.clear();
    form_.cues->RTB_DblClick();
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
    form_.scriptDocument->SetCaret(all[index].open);
    refreshStandby();
}

void ShowMode::First() {
    if (!Active()) return;
    form_.scriptDocument->SetCaret(0);
    refreshStandby();
}

void ShowMode::StartPanic() {
    panic->Start();
}

void ShowMode::CueFailed(const QString& cue) {
    if (!Active()) return;
    failedCue_ = cue;
    failureTimer.setInterval(Form1::kNoticeMs);
    paintBar();
}

void ShowMode::clearFailure() {
    failureTimer.setInterval(0);
    failedCue_.clear();
    paintBar();
}

void ShowMode::paintBar() {
    QPalette pal = lblShowMode->palette();
    pal.setColor(QPalette::Window, failedCue_.isEmpty() ? kShowOrange : kFailureRed);
    pal.setColor(QPalette::WindowText, failedCue_.isEmpty() ? Qt::black : Qt::white);
    lblShowMode->setPalette(pal);
    Retranslate();
}

void ShowMode::RunCue(const QString& text) {
    running_ = true;
    form_.cues->RunCue(text);
    running_ = false;
}

void ShowMode::RestoreSaved() {
    settings_.Read(ShowSettingsPath());
    const bool on = settings_.showMode;
    settings_.showMode = Active();
    SetActive(on);
    applyRemote();
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

void ShowMode::applyRemote() {
    remote->Stop();
    if (!settings_.remoteOn) return;
    QString error;
    if (!remote->Start(settings_.port, settings_.allInterfaces, &error))
        form_.ShowNotice(MessageText(Msg::RemoteFailed).arg(settings_.port).arg(error),
                         Form1::kNoticeMs);
}

void ShowMode::mnuRemoteControl_Click() {
    RemoteDialog dialog(settings_, &form_);
    if (dialogs().ShowModal(dialog) != QDialog::Accepted) return;
    const ShowSettings chosen = dialog.Chosen();
    SetRemote(chosen.remoteOn, chosen.port, chosen.allInterfaces);
}

void ShowMode::Retranslate() {
    mnuShowMode->setCaption(MessageText(Msg::ShowModeMenu));
    mnuRemoteControl->setCaption(MessageText(Msg::RemoteMenu));
    const QString standby = StandbyText();
    QString line = standby_ >= 0 ? MessageText(Msg::ShowStandby).arg(standby)
                                 : MessageText(Msg::ShowNoStandby);
    if (!failedCue_.isEmpty())
        line = MessageText(Msg::ShowCueFailed).arg(failedCue_) + QStringLiteral("  —  ") + line;
    lblShowMode->setCaption(u' ' + MessageText(Msg::ShowModeTitle) + QStringLiteral("  —  ") +
                            line);
    lblShowMode->setToolTip(MessageText(Msg::ShowKeys));
    updateTitle();
}

bool ShowMode::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_.Client() && event->type() == QEvent::Resize && Active()) placeMark();
    if (watched != form_.RTB && watched != &form_) return false;
    switch (event->type()) {
    case QEvent::KeyRelease:
        held_.Release(*static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::WindowDeactivate:
        held_.Clear(); // the releases now go to another window
        return false;
    case QEvent::ShortcutOverride: {
        // A held F11 would switch the mode on and off: its repeats never reach the shortcut.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F11 || !held_.IsRepeat(*key)) return false;
        event->accept();
        return true;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // F11 arrives here only as a repeat the shortcut was kept from.
        if (key->key() == Qt::Key_F11 && held_.IsRepeat(*key)) {
            held_.Press(*key);
            return true;
        }
        if (!Active()) return false;
        return showKey(key, watched == form_.RTB);
    }
    default:
        return false;
    }
}

bool ShowMode::showKey(QKeyEvent* key, bool fromEditor) {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const int k = key->key();
    if (mods == Qt::NoModifier || (mods == Qt::ShiftModifier && isGoKey(k))) {
        // A held key repeats: one press is one GO, never a run through the show.
        const bool fresh = !held_.Press(*key);
        if (isGoKey(k)) {
            if (fresh) Go();
            return true;
        }
        if (k == Qt::Key_PageUp) {
            if (fresh) Back();
            return true;
        }
        if (k == Qt::Key_Home) {
            if (fresh) First();
            return true;
        }
        if (k == Qt::Key_Escape) {
            if (fresh) StartPanic();
            return true;
        }
    }
    // In the editor every key that would change the script is refused.
    return fromEditor && !isReadingKey(key);
}
