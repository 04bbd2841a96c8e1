#include "ui/ShowCheckWindow.h"

#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/widgets/RichTextBox.h"
#include "show/ShowPack.h"
#include "ui/Controls.h"
#include "ui/Form1.h"
#include "ui/QtDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { Mark, LineNo, CueText, Kind, File, Details, Columns };
} // namespace

ShowCheckWindow::ShowCheckWindow(Form1& form, std::unique_ptr<MediaProbe> probe, QWidget* parent)
    : QDialog(parent), form_(form), probe_(std::move(probe)) {
    setObjectName(QStringLiteral("frmShowCheck"));
    table = new QTableWidget(0, Columns, this);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    connect(table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { GoToRow(row); });
    progress = new QProgressBar(this);
    summary = new QLabel(this);
    summary->setWordWrap(true);
    cmdAgain = new QPushButton(this);
    cmdCancel = new QPushButton(this);
    cmdClose = new QPushButton(this);
    connect(cmdAgain, &QPushButton::clicked, this, &ShowCheckWindow::Start);
    connect(cmdCancel, &QPushButton::clicked, this, &ShowCheckWindow::Cancel);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(progress, 1);
    buttons->addWidget(cmdAgain);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table, 1);
    layout->addWidget(summary);
    layout->addLayout(buttons);
    resize(900, 480);
    Retranslate();
}

ShowCheckWindow::~ShowCheckWindow() {
    cancel_ = true;
    join();
}

void ShowCheckWindow::join() {
    if (worker_.joinable()) worker_.join();
}

void ShowCheckWindow::Retranslate() {
    setWindowTitle(MessageText(Msg::CheckWindowTitle));
    FitTitle(*this);
    table->setHorizontalHeaderLabels(
        {QString(), MessageText(Msg::CheckColumnLine), MessageText(Msg::CheckColumnCue),
         MessageText(Msg::CheckColumnKind), MessageText(Msg::CheckColumnFile),
         MessageText(Msg::CheckColumnDetails)});
    cmdAgain->setText(MessageText(Msg::CheckCheckAgain));
    cmdCancel->setText(MessageText(Msg::Cancel));
    cmdClose->setText(MessageText(Msg::CheckClose));
}

void ShowCheckWindow::Start() {
    if (Running()) return;
    cancel_ = false;
    const QString text = form_.RTB->toPlainText();
    const QString folder =
        form_.FileCorrente.isEmpty() ? QString() : QFileInfo(form_.FileCorrente).absolutePath();
    progress->setRange(0, 0);
    progress->setValue(0);
    summary->clear();
    cmdAgain->setEnabled(false);
    cmdCancel->setEnabled(true);
    // The files are read on a thread of their own: the window, the players and the fades go on
    // while a big show is checked.
    worker_ = std::thread([this, text, folder] {
        const ShowReport report = CheckShow(
            text, folder, *probe_,
            [this](int done, int total) {
                QMetaObject::invokeMethod(
                    this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
            },
            &cancel_);
        QMetaObject::invokeMethod(
            this, [this, report] { showReport(report); }, Qt::QueuedConnection);
    });
}

void ShowCheckWindow::Cancel() {
    cancel_ = true;
}

void ShowCheckWindow::showProgress(int done, int total) {
    progress->setRange(0, total);
    progress->setValue(done);
    summary->setText(MessageText(Msg::CheckProgress).arg(done).arg(total));
}

void ShowCheckWindow::showReport(const ShowReport& report) {
    join();
    cmdAgain->setEnabled(true);
    cmdCancel->setEnabled(false);
    progress->setRange(0, 1);
    progress->setValue(1);
    if (report.cancelled) {
        summary->setText(MessageText(Msg::CheckCancelled));
        emit finished();
        return;
    }
    report_ = report;
    // Problems first, each group in script order.
    rowCue_.clear();
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < report.cues.size(); ++i)
            if (report.cues[i].ok() == (pass == 1)) rowCue_ << i;
    table->setRowCount(int(rowCue_.size()));
    for (int row = 0; row < rowCue_.size(); ++row) {
        const CheckedCue& c = report.cues[rowCue_[row]];
        QStringList details;
        for (CueProblem p : c.problems)
            details << ProblemText(c, p);
        if (const QString facts = FactsText(c); !facts.isEmpty()) details << facts;
        const QStringList cells{c.ok() ? QStringLiteral("✔") : QStringLiteral("✘"),
                                QString::number(c.cue.line),
                                c.cue.text,
                                KindText(c.kind),
                                QDir::toNativeSeparators(c.file),
                                details.join(QStringLiteral("; "))};
        for (int col = 0; col < Columns; ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            if (col == Mark) item->setForeground(c.ok() ? QColor(0, 128, 0) : QColor(200, 0, 0));
            if (!c.ok() && col == Details) item->setForeground(QColor(200, 0, 0));
            table->setItem(row, col, item);
        }
    }
    table->resizeColumnsToContents();
    const int wrong = report.problemCount();
    summary->setText(wrong == 0
                         ? MessageText(Msg::CheckAllGood).arg(report.cues.size())
                         : MessageText(Msg::CheckSummary).arg(report.cues.size()).arg(wrong));
    emit finished();
}

void ShowCheckWindow::GoToRow(int row) {
    if (row < 0 || row >= rowCue_.size()) return;
    const ScriptCue& cue = report_.cues[rowCue_[row]].cue;
    // The editor counts each line break as two characters.
    RichTextBox& rtb = *form_.RTB;
    rtb.setSelStart(cue.position + cue.line - 1);
    rtb.setSelLength(0);
    form_.activateWindow();
    rtb.SetFocus();
}

ShowCheckMenu::ShowCheckMenu(Form1& form) : form_(form) {
    mnuCheckShow = new MenuItem(MessageText(Msg::CheckMenu), form_.mnuFile);
    mnuCheckShow->setObjectName(QStringLiteral("mnuCheckShow"));
    mnuCheckShow->onClick = [this] { mnuCheckShow_Click(); };
    mnuPackShow = new MenuItem(MessageText(Msg::PackMenu), form_.mnuFile);
    mnuPackShow->setObjectName(QStringLiteral("mnuPackShow"));
    mnuPackShow->onClick = [this] { mnuPackShow_Click(); };
    // Before the print command's separator, with the other commands on the script's file.
    form_.mnuFile->insertAction(form_.mnuStampa, mnuCheckShow);
    form_.mnuFile->insertAction(form_.mnuStampa, mnuPackShow);
    form_.mnuFile->insertSeparator(form_.mnuStampa);
}

ShowCheckMenu::~ShowCheckMenu() {
    delete window_;
}

void ShowCheckMenu::mnuCheckShow_Click() {
    if (!window_) window_ = new ShowCheckWindow(form_, std::make_unique<GstMediaProbe>(), &form_);
    window_->setWindowFlag(Qt::Window);
    window_->show();
    window_->raise();
    window_->Start();
}

void ShowCheckMenu::mnuPackShow_Click() {
    if (form_.FileCorrente.isEmpty() || form_.core.session.Modificato()) {
        dialogs().MsgBox(MessageText(Msg::PackSaveFirst), vbmsg::OKOnly | vbmsg::Exclamation);
        return;
    }
    FileDialogRequest request;
    request.open = false;
    request.title = MessageText(Msg::PackChoose);
    request.fileName = QFileInfo(form_.FileCorrente).fileName();
    request.owner = &form_;
    request.keepCurrentFolder = true;
    const QString chosen = dialogs().MostraDialogoFile(request);
    if (chosen.isEmpty()) return;
    const PackResult result = PackShow(form_.FileCorrente, QFileInfo(chosen).absolutePath());
    const bool packed = result.state == PackResult::State::Packed;
    dialogs().MsgBox(result.message,
                     vbmsg::OKOnly | (packed && result.missing.isEmpty() ? vbmsg::Information
                                                                         : vbmsg::Exclamation));
}

void ShowCheckMenu::Retranslate() {
    mnuCheckShow->setCaption(MessageText(Msg::CheckMenu));
    mnuPackShow->setCaption(MessageText(Msg::PackMenu));
    if (window_) window_->Retranslate();
}
