#include "ui/FindReplace.h"

#include "core/ScriptEditor.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
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
    : QDialog(owner), search(editor), editor_(editor), replaceMode_(replaceMode) {
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
    cboFind->setEditText(ScriptSearch::SearchText(editor_.SelText(), &search.MultiRiga));
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
    cmdFind->setText(search.FindingNext() ? Lingua[57] : QLatin1String("&") + Lingua[56]);
    cmdReplace->setText(search.Armed() ? Lingua[59] : withEllipsis(Lingua[59]));
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
    search.Find(cboFind->currentText(), options());
    showCaptions();
    afterSearch();
}

void frmFind::cmdReplace_Click() {
    AggiornaStoriaTrova();
    AggiornaStoriaSostituisci();
    switch (search.Replace(cboFind->currentText(), cboReplace->currentText(), options())) {
    case ScriptSearch::Replaced::NotFound:
        return;
    case ScriptSearch::Replaced::Shown:
        showCaptions();
        return;
    case ScriptSearch::Replaced::Done:
        showCaptions();
        afterSearch();
        return;
    }
}

void frmFind::cmdReplaceAll_Click() {
    search.ReplaceAll(cboFind->currentText(), cboReplace->currentText(), options());
}

void frmFind::cmdCancel_Click() {
    close();
}

void frmFind::cboFind_Click() {
    search.StartAtTop();
}

void frmFind::cboFind_OLEDragDrop(const QMimeData& data) {
    bool cut = false;
    cboFind->setEditText(ScriptSearch::SearchText(data.text(), &cut));
    if (cut) search.MultiRiga = true;
    AggiornaStoriaTrova();
    AggiornaStoriaSostituisci();
}

void frmFind::cboReplace_OLEDragDrop(const QMimeData& data) {
    bool cut = false;
    cboReplace->setEditText(ScriptSearch::SearchText(data.text(), &cut));
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
