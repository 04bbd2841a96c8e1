#include "ui/FindReplace.h"

#include "core/ScriptEditor.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "ui/QtDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QLatin1String kLineBreak("\r\n");

// Removes blanks at both ends (tabs and line breaks stay), as the program trims its texts.
QString trimBlanks(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == u' ')
        ++from;
    while (to > from && text[to - 1] == u' ')
        --to;
    return text.mid(from, to - from);
}

// The part before the first line break (of any kind: dropped text may come from anywhere); cut
// says whether there was one.
QString firstLine(const QString& text, bool* cut) {
    qsizetype at = 0;
    while (at < text.size() && text[at] != u'\r' && text[at] != u'\n')
        ++at;
    *cut = at < text.size();
    return text.left(at);
}

QString withoutAmpersands(QString text) {
    return text.remove(u'&');
}

// A caption that opens more: "..." after it, once (some languages' words carry it already).
QString withEllipsis(const QString& text) {
    return text.endsWith(QLatin1String("...")) ? text : text + QLatin1String("...");
}

QComboBox* historyBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    // The program keeps the history itself; the box must not add to it or change the case of
    // what is typed.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->completer()->setCaseSensitivity(Qt::CaseSensitive);
    box->setMinimumContentsLength(28);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

// Appends the box's text to its list unless the list holds it already (case-sensitively) or
// it is blank.
void updateHistory(QComboBox* box) {
    const QString text = box->currentText();
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i) == text) return;
    if (!text.trimmed().isEmpty()) box->addItem(text);
}

} // namespace

frmFind::frmFind(ScriptEditor& editor, bool replaceMode, QWidget* owner)
    : QDialog(owner), editor_(editor), replaceMode_(replaceMode) {
    setObjectName(QStringLiteral("frmFind"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    cboFind = historyBox(this);
    cboReplace = historyBox(this);
    lblFind = new QLabel(this);
    lblReplace = new QLabel(this);
    lblFind->setBuddy(cboFind);
    lblReplace->setBuddy(cboReplace);
    cmdFind = new QPushButton(this);
    cmdReplace = new QPushButton(this);
    cmdReplaceAll = new QPushButton(this);
    cmdCancel = new QPushButton(this);
    cmdFind->setDefault(true);
    fraOptions = new QGroupBox(this);
    chkWholeWord = new QCheckBox(fraOptions);
    chkMatchCase = new QCheckBox(fraOptions);

    auto* optionsLayout = new QVBoxLayout(fraOptions);
    optionsLayout->addWidget(chkWholeWord);
    optionsLayout->addWidget(chkMatchCase);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {cmdFind, cmdReplace, cmdReplaceAll, cmdCancel})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblFind, 0, 0);
    grid->addWidget(cboFind, 0, 1);
    grid->addWidget(lblReplace, 1, 0);
    grid->addWidget(cboReplace, 1, 1);
    grid->addWidget(fraOptions, 2, 0, 1, 2);
    grid->addLayout(buttons, 0, 2, 4, 1);
    grid->setRowStretch(3, 1);

    connect(cmdFind, &QPushButton::clicked, this, &frmFind::cmdFind_Click);
    connect(cmdReplace, &QPushButton::clicked, this, &frmFind::cmdReplace_Click);
    connect(cmdReplaceAll, &QPushButton::clicked, this, &frmFind::cmdReplaceAll_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFind::cmdCancel_Click);
    connect(cboFind, &QComboBox::activated, this, &frmFind::cboFind_Click);
    // Cancel, Escape and the close box all end here.
    connect(this, &QDialog::finished, this, &frmFind::Form_Unload);
    // Drops into the boxes go through the program's own handling.
    for (QComboBox* box : {cboFind, cboReplace}) {
        box->lineEdit()->setAcceptDrops(false);
        box->setAcceptDrops(true);
        box->installEventFilter(this);
    }
    Form_Load();
}

void frmFind::Form_Load() {
    cboFind->setEditText(trimBlanks(firstLine(editor_.SelText(), &MultiRiga)));
    Retranslate();
    if (!cboFind->currentText().isEmpty()) cboFind->addItem(cboFind->currentText());
    for (QWidget* w : {static_cast<QWidget*>(cmdReplace), static_cast<QWidget*>(cmdReplaceAll),
                       static_cast<QWidget*>(lblReplace), static_cast<QWidget*>(cboReplace)})
        w->setEnabled(replaceMode_);
}

void frmFind::Retranslate() {
    showCaptions();
    // Entry 21 is the Edit menu's Undo; in most languages that is no word for Cancel.
    cmdCancel->setText(MessageText(Msg::Cancel));
    cmdReplaceAll->setText(Lingua[61]);
    lblFind->setText(Lingua[56]);
    lblReplace->setText(Lingua[60]);
    fraOptions->setTitle(Lingua[62]);
    chkWholeWord->setText(Lingua[63]);
    chkMatchCase->setText(Lingua[64]);
    setWindowTitle(withoutAmpersands(withEllipsis(replaceMode_ ? Lingua[59] : Lingua[56])));
    FitTitle(*this);
}

void frmFind::showCaptions() {
    cmdFind->setText(findNext_ ? Lingua[57] : QLatin1String("&") + Lingua[56]);
    cmdReplace->setText(armed_ ? Lingua[59] : withEllipsis(Lingua[59]));
}

int frmFind::options() const {
    return (chkWholeWord->isChecked() ? ScriptEditor::rtfWholeWord : 0) +
           (chkMatchCase->isChecked() ? ScriptEditor::rtfMatchCase : 0);
}

void frmFind::afterSearch() {
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void frmFind::AggiornaStoriaTrova() {
    updateHistory(cboFind);
}

void frmFind::AggiornaStoriaSostituisci() {
    updateHistory(cboReplace);
}

void frmFind::cmdFind_Click() {
    AggiornaStoriaTrova();
    AggiornaStoriaSostituisci();
    const QString text = cboFind->currentText();
    if (!findNext_) {
        if (editor_.Find(text, 0, -1, options()) < 0) {
            dialogs().MsgBox(Lingua[65], vbmsg::OKOnly, ApplicationTitle());
        } else {
            editor_.SetFocus();
            findNext_ = true;
        }
    } else if (editor_.Find(text, editor_.SelStart() + editor_.SelLength(), -1, options()) < 0) {
        dialogs().MsgBox(Lingua[66], vbmsg::OKOnly, ApplicationTitle());
        findNext_ = false; // the next search starts again at the top
    }
    showCaptions();
    afterSearch();
}

void frmFind::cmdReplace_Click() {
    AggiornaStoriaTrova();
    AggiornaStoriaSostituisci();
    const QString text = cboFind->currentText();
    // The search starts at the selection, so a selection that is a match is found itself;
    // whatever is replaced below is always a match just found with the current options.
    if (editor_.Find(text, editor_.SelStart(), -1, options()) < 0) {
        dialogs().MsgBox(Lingua[65], vbmsg::OKOnly, ApplicationTitle());
        return;
    }
    if (!armed_) {
        // First press: the match stays selected, so the operator sees what will be replaced.
        armed_ = true;
        showCaptions();
        return;
    }
    QString replacement = cboReplace->currentText();
    if (MultiRiga) {
        replacement += kLineBreak;
        MultiRiga = false;
    }
    editor_.setSelText(replacement);
    if (editor_.Find(text, editor_.SelStart() + editor_.SelLength(), -1, options()) < 0)
        findNext_ = false;
    showCaptions();
    afterSearch();
}

void frmFind::cmdReplaceAll_Click() {
    ContaSostituzioni = 0;
    const QString text = trimBlanks(cboFind->currentText());
    const QString replacement = trimBlanks(cboReplace->currentText());
    // The whole script, wherever the caret stands, with the options ticked, as one edit: an
    // operator who replaces "all" means every match, not those after the caret.
    ContaSostituzioni = editor_.ReplaceAll(text, replacement, 0, options());
    dialogs().MsgBox(Lingua[67] + QLatin1String(" ") + kLineBreak +
                         QString::number(ContaSostituzioni) + QLatin1String(" ") + Lingua[68],
                     vbmsg::OKOnly, ApplicationTitle());
}

void frmFind::cmdCancel_Click() {
    close();
}

void frmFind::cboFind_Click() {
    editor_.setSelStart(0);
}

void frmFind::cboFind_OLEDragDrop(const QMimeData& data) {
    bool cut = false;
    cboFind->setEditText(trimBlanks(firstLine(data.text(), &cut)));
    if (cut) MultiRiga = true;
    AggiornaStoriaTrova();
    AggiornaStoriaSostituisci();
}

void frmFind::cboReplace_OLEDragDrop(const QMimeData& data) {
    bool cut = false;
    cboReplace->setEditText(trimBlanks(firstLine(data.text(), &cut)));
    AggiornaStoriaTrova();
    AggiornaStoriaSostituisci();
}

bool frmFind::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cboFind || watched == cboReplace) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            // Always a copy: text dragged out of the script stays in the script.
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData()->hasText()) {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
            }
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (watched == cboFind)
                cboFind_OLEDragDrop(*drop->mimeData());
            else
                cboReplace_OLEDragDrop(*drop->mimeData());
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmFind::Form_Unload() {
    emit unloaded();
}

// ---- the menu commands ----

void FindReplace::show(bool replaceMode) {
    // An open window comes to the front as it is, in the mode it was loaded in.
    if (!dialog_) {
        dialog_ = new frmFind(editor_, replaceMode, owner_);
        frmFind* opened = dialog_;
        QObject::connect(opened, &frmFind::unloaded, opened, [this, opened] {
            if (dialog_ == opened) dialog_ = nullptr;
        });
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void FindReplace::ChiudiTrova() {
    if (dialog_) dialog_->close();
}
