#include "ui/ShowModeView.h"

#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/widgets/RichTextBox.h"
#include "platform/widgets/ViewDialogs.h"
#include "show/MidiControl.h"
#include "show/ShowMode.h"
#include "show/WebRemote.h"
#include "ui/FindReplace.h"
#include "ui/Form1.h"
#include "ui/GoProtectionDialog.h"
#include "ui/MidiDialog.h"
#include "ui/RemoteDialog.h"
#include "ui/WebRemoteDialog.h"

#include <QDialog>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextEdit>
#include <algorithm>

namespace {

const QColor kStandbyBackground(0xFF, 0xD8, 0x40);
const QColor kShowOrange(0xFF, 0x80, 0x00);
const QColor kFailureRed(0xC0, 0x00, 0x00);
const QColor kRefusedFlash(Qt::white);

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

ShowModeView::ShowModeView(Form1& form, ShowMode& showMode) : form_(form), showMode_(showMode) {
    mnuShowMode = new MenuItem(MessageText(Msg::ShowModeMenu), form_.mnuOpzioni);
    mnuShowMode->setObjectName(QStringLiteral("mnuShowMode"));
    mnuShowMode->setCheckable(true);
    mnuShowMode->setShortcut(Qt::Key_F11);
    mnuShowMode->onClick = [this] {
        showMode_.mnuShowMode_Click();
        // The entry ticks itself when chosen; the tick is the mode's, whatever came of it.
        mnuShowMode->setChecked(showMode_.Active());
    };
    mnuRemoteControl = new MenuItem(MessageText(Msg::RemoteMenu), form_.mnuOpzioni);
    mnuRemoteControl->setObjectName(QStringLiteral("mnuRemoteControl"));
    mnuRemoteControl->onClick = [this] { mnuRemoteControl_Click(); };
    form_.mnuOpzioni->addSeparator();
    form_.mnuOpzioni->addAction(mnuShowMode);
    form_.mnuOpzioni->addAction(mnuRemoteControl);
    mnuGoProtection = new MenuItem(MessageText(Msg::GoProtectionMenu), form_.mnuOpzioni);
    mnuGoProtection->setObjectName(QStringLiteral("mnuGoProtection"));
    mnuGoProtection->onClick = [this] { mnuGoProtection_Click(); };
    form_.mnuOpzioni->addAction(mnuGoProtection);
    mnuMidiControl = new MenuItem(MessageText(Msg::MidiMenu), form_.mnuOpzioni);
    mnuMidiControl->setObjectName(QStringLiteral("mnuMidiControl"));
    mnuMidiControl->onClick = [this] { mnuMidiControl_Click(); };
    form_.mnuOpzioni->addAction(mnuMidiControl);
    mnuWebRemote = new MenuItem(MessageText(Msg::WebMenu), form_.mnuOpzioni);
    mnuWebRemote->setObjectName(QStringLiteral("mnuWebRemote"));
    mnuWebRemote->onClick = [this] { mnuWebRemote_Click(); };
    form_.mnuOpzioni->addAction(mnuWebRemote);

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
    connect(rtb, &RichTextBox::scriptReplaced, this, [this] { showMode_.ScriptReplaced(); });
    connect(rtb, &QTextEdit::cursorPositionChanged, this, [this] { showMode_.CaretMoved(); });

    ShowState& state = form_.core.state;
    connect(&state, &ShowState::showModeChanged, this, &ShowModeView::showModeChanged);
    connect(&state, &ShowState::standbyChanged, this, &ShowModeView::showStandby);
    connect(&showMode_, &ShowMode::failedCueChanged, this, &ShowModeView::paintBar);
    refusedFlash.setSingleShot(true);
    refusedFlash.setInterval(kRefusedFlashMs);
    connect(&refusedFlash, &QTimer::timeout, this, &ShowModeView::paintBar);
    connect(showMode_.midi.get(), &MidiControl::connectedChanged, this, &ShowModeView::Retranslate);
    connect(&showMode_, &ShowMode::goRefused, this, [this] {
        refusedFlash.start();
        paintBar();
    });
}

void ShowModeView::showModeChanged(bool on) {
    mnuShowMode->setChecked(on);
    lockScript(on);
    Retranslate();
    if (on) form_.RTB->SetFocus();
}

void ShowModeView::lockScript(bool locked) {
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

void ShowModeView::placeMark() {
    // Over the toolbar's editing buttons and the font boxes, all of them off in show mode.
    const QWidget* first = form_.Label2[kFirstEditingHotspot];
    int right = 0;
    for (const QWidget* w :
         {static_cast<const QWidget*>(form_.Label2.back()),
          static_cast<const QWidget*>(form_.Combo1), static_cast<const QWidget*>(form_.Combo2)})
        right = std::max(right, w->geometry().right());
    lblShowMode->setGeometry(first->x(), first->y(), right - first->x() + 1, first->height());
}

void ShowModeView::updateTitle() {
    form_.core.session.SetShowModeMark(showMode_.Active() ? MessageText(Msg::ShowModeTitle)
                                                          : QString());
}

void ShowModeView::showStandby() {
    RichTextBox& rtb = *form_.RTB;
    QList<QTextEdit::ExtraSelection> marks;
    if (const std::optional<CueSpan> cue = showMode_.Standby()) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(rtb.document());
        mark.cursor.setPosition(rtb.ToDocumentPosition(cue->open));
        mark.cursor.setPosition(rtb.ToDocumentPosition(cue->close), QTextCursor::KeepAnchor);
        mark.format.setBackground(kStandbyBackground);
        marks << mark;
        // Kept in view: a third of the way down when it has left the visible part.
        QTextCursor at(rtb.document());
        at.setPosition(rtb.ToDocumentPosition(cue->open));
        const QRect r = rtb.cursorRect(at);
        if (!rtb.viewport()->rect().contains(r)) {
            QScrollBar* bar = rtb.verticalScrollBar();
            bar->setValue(bar->value() + r.top() - rtb.viewport()->height() / 3);
        }
    }
    rtb.setExtraSelections(marks);
    Retranslate();
}

void ShowModeView::paintBar() {
    const bool failed = !showMode_.FailedCue().isEmpty();
    QPalette pal = lblShowMode->palette();
    pal.setColor(QPalette::Window, failed ? kFailureRed : kShowOrange);
    pal.setColor(QPalette::WindowText, failed ? Qt::white : Qt::black);
    if (refusedFlash.isActive()) pal.setColor(QPalette::Window, kRefusedFlash);
    lblShowMode->setPalette(pal);
    Retranslate();
}

void ShowModeView::mnuRemoteControl_Click() {
    RemoteDialog dialog(showMode_.Settings(), &form_);
    if (viewDialogs().ShowModal(dialog) != QDialog::Accepted) return;
    const ShowSettings chosen = dialog.Chosen();
    showMode_.SetRemote(chosen.remoteOn, chosen.port, chosen.allInterfaces);
}

void ShowModeView::mnuGoProtection_Click() {
    GoProtectionDialog dialog(showMode_.Settings().goProtectionMs, &form_);
    if (viewDialogs().ShowModal(dialog) != QDialog::Accepted) return;
    showMode_.SetGoProtection(dialog.ChosenMs());
}

void ShowModeView::mnuMidiControl_Click() {
    MidiDialog dialog(*showMode_.midi, &form_);
    if (viewDialogs().ShowModal(dialog) != QDialog::Accepted) return;
    showMode_.SetMidi(dialog.Chosen());
    Retranslate();
}

void ShowModeView::mnuWebRemote_Click() {
    WebRemote& server = *form_.webRemote;
    const ShowSettings& current = showMode_.Settings();
    WebRemoteDialog dialog(
        current,
        [&server, current](const ShowSettings& s) {
            // The server's own port when it runs as shown (it may have taken another).
            const bool running = server.Listening() && s.webPort == current.webPort &&
                                 s.webAllInterfaces == current.webAllInterfaces;
            return WebRemote::AddressFor(running ? server.Port() : s.webPort, s.webAllInterfaces,
                                         s.webCode);
        },
        &form_);
    if (viewDialogs().ShowModal(dialog) != QDialog::Accepted) return;
    const ShowSettings chosen = dialog.Chosen();
    showMode_.SetWebRemote(chosen.webOn, chosen.webPort, chosen.webAllInterfaces, chosen.webCode);
}

void ShowModeView::Retranslate() {
    mnuShowMode->setCaption(MessageText(Msg::ShowModeMenu));
    mnuRemoteControl->setCaption(MessageText(Msg::RemoteMenu));
    mnuGoProtection->setCaption(MessageText(Msg::GoProtectionMenu));
    mnuMidiControl->setCaption(MessageText(Msg::MidiMenu));
    mnuWebRemote->setCaption(MessageText(Msg::WebMenu));
    const ShowState& state = form_.core.state;
    QString line = state.HasStandby() ? MessageText(Msg::ShowStandby).arg(state.Standby())
                                      : MessageText(Msg::ShowNoStandby);
    if (!showMode_.FailedCue().isEmpty())
        line = MessageText(Msg::ShowCueFailed).arg(showMode_.FailedCue()) +
               QStringLiteral("  —  ") + line;
    // With MIDI control on, whether a port is open: the operator learns of an unplugged
    // controller before the GO that would not come.
    if (showMode_.Settings().midi.on)
        line +=
            QStringLiteral("  —  ") +
            MessageText(showMode_.midi->Connected() ? Msg::MidiConnected : Msg::MidiDisconnected);
    lblShowMode->setCaption(u' ' + MessageText(Msg::ShowModeTitle) + QStringLiteral("  —  ") +
                            line);
    lblShowMode->setToolTip(MessageText(Msg::ShowKeys));
    updateTitle();
}

bool ShowModeView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_.Client() && event->type() == QEvent::Resize && showMode_.Active())
        placeMark();
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
        if (!showMode_.Active()) return false;
        return showKey(key, watched == form_.RTB);
    }
    default:
        return false;
    }
}

bool ShowModeView::showKey(QKeyEvent* key, bool fromEditor) {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const int k = key->key();
    if (mods == Qt::NoModifier || (mods == Qt::ShiftModifier && isGoKey(k))) {
        // A held key repeats: one press is one GO, never a run through the show.
        const bool fresh = !held_.Press(*key);
        if (isGoKey(k)) {
            if (fresh) showMode_.Go();
            return true;
        }
        if (k == Qt::Key_PageUp) {
            if (fresh) showMode_.Back();
            return true;
        }
        if (k == Qt::Key_Home) {
            if (fresh) showMode_.First();
            return true;
        }
        if (k == Qt::Key_Escape) {
            if (fresh) showMode_.StartPanic();
            return true;
        }
    }
    // In the editor every key that would change the script is refused.
    return fromEditor && !isReadingKey(key);
}
