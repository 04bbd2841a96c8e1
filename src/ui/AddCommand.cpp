#include "ui/AddCommand.h"

#include "core/ScriptEditor.h"
#include "i18n/Lingua.h"
#include "i18n/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/VbColor.h"
#include "platform/widgets/ViewDialogs.h"
#include "script/EditCommands.h"
#include "ui/QtDialogs.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The captions, by index. The four that take a number show only the command word here; their
// number box and the closing "]]" stand beside the button.
const char* const kCaptions[Form3::kOptions] = {"[[Stop Audio]]",
                                                "[[Play Audio]]",
                                                "[[Stop Video]]",
                                                "[[Pause Video]]",
                                                "[[Fade In]]",
                                                "[[Fade In Fast]]",
                                                "[[Fade In Slow]]",
                                                "[[Fade Out]]",
                                                "[[Fade Out Fast]]",
                                                "[[Fade Out Slow]]",
                                                "[[Vol",
                                                "[[Seek Audio",
                                                "[[Seek Video",
                                                "[[Pause Audio]]",
                                                "[[Play Video]]",
                                                "[[Projector On]]",
                                                "[[Projector Off]]",
                                                "[[Img On]]",
                                                "[[Img Off]]",
                                                "[[BG Stop Audio]]",
                                                "[[BG Play Audio]]",
                                                "[[BG Pause Audio]]",
                                                "[[BG Fade In]]",
                                                "[[BG Fade Out]]",
                                                "[[BG Loop]]",
                                                "[[BG Vol"};

// First index of each column: the general commands, then fades, images and projector, then
// the background player.
constexpr int kColumnStarts[] = {0, 9, 19, Form3::kOptions};

} // namespace

Form3::Form3(ScriptEditor& editor, QWidget* owner) : QDialog(owner), editor_(editor) {
    setObjectName(QStringLiteral("Form3"));
    if (owner) setWindowIcon(owner->windowIcon());
    Text1 = new QLineEdit(QStringLiteral("100"), this);
    Text2 = new QLineEdit(QStringLiteral("100"), this);
    Text3 = new QLineEdit(QStringLiteral("100"), this);
    Text4 = new QLineEdit(QStringLiteral("100"), this);
    Label2 = new QLabel(this);
    Command1 = new QPushButton(this);
    Command2 = new QPushButton(this);
    Retranslate();
    Command1->setDefault(true);

    // One group: the buttons share a parent, so exactly one is chosen at a time.
    for (int i = 0; i < kOptions; ++i) {
        Option1[i] = new QRadioButton(QString::fromLatin1(kCaptions[i]), this);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    }
    Option1[0]->setChecked(true);
    // The chosen button has the focus at opening, so that typing does not go into a number
    // box and change the choice.
    Option1[0]->setFocus();

    auto numberBox = [&](int index, QLineEdit* box) {
        box->setMaxLength(10);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
        auto* row = new QHBoxLayout;
        row->addWidget(Option1[index]);
        row->addWidget(box);
        row->addWidget(new QLabel(QStringLiteral("]]"), this));
        row->addStretch();
        return row;
    };
    auto* columns = new QGridLayout;
    columns->setHorizontalSpacing(24);
    for (int c = 0; c + 1 < int(std::size(kColumnStarts)); ++c) {
        for (int i = kColumnStarts[c]; i < kColumnStarts[c + 1]; ++i) {
            const int row = i - kColumnStarts[c];
            QLineEdit* box = i == 10   ? Text1
                             : i == 11 ? Text2
                             : i == 12 ? Text3
                             : i == 25 ? Text4
                                       : nullptr;
            if (box)
                columns->addLayout(numberBox(i, box), row, c);
            else
                columns->addWidget(Option1[i], row, c);
        }
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addLayout(columns);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Form3::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form3::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &Form3::Text3_Change);
    Text1->installEventFilter(this);
}

void Form3::Retranslate() {
    setWindowTitle(QString(Lingua[147]).remove(u'&'));
    FitTitle(*this);
    const QString seekTip = u' ' + Lingua[30] + u' ';
    Text2->setToolTip(seekTip);
    Text3->setToolTip(seekTip);
    Label2->setText(MessageText(Msg::General));
    Command1->setText(Lingua[147]);
    // Entry 21 is the Edit menu's Undo; in most languages that is no word for Cancel.
    Command2->setText(MessageText(Msg::Cancel));
}

QString Form3::CommandText() const {
    for (int i = 0; i < kOptions; ++i) {
        if (!Option1[i]->isChecked()) continue;
        switch (i) {
        case 10:
            return QStringLiteral("[[Vol ") + Text1->text().trimmed() + QLatin1String("]]");
        case 11:
            return QStringLiteral("[[Seek Audio ") + Text2->text().trimmed() + QLatin1String("]]");
        case 12:
            return QStringLiteral("[[Seek Video ") + Text3->text().trimmed() + QLatin1String("]]");
        case 25:
            return QStringLiteral("[[BG Vol ") + Text4->text().trimmed() + QLatin1String("]]");
        default:
            return Option1[i]->text();
        }
    }
    return QString();
}

void Form3::Command1_Click() {
    const QString cue = CommandText();
    if (!cue.isEmpty()) InsertCommandCue(editor_, cue);
    accept();
}

void Form3::Command2_Click() {
    reject();
}

void Form3::Text1_Change() {
    if (!Option1[10]->isChecked()) Option1[10]->setChecked(true);
}

void Form3::Text2_Change() {
    if (!Option1[11]->isChecked()) Option1[11]->setChecked(true);
}

void Form3::Text3_Change() {
    if (!Option1[12]->isChecked()) Option1[12]->setChecked(true);
}

void Form3::Text1_LostFocus() {
    // Only an upper bound: a negative volume is clamped by the interpreter when clicked.
    if (NumericValue(Text1->text()) > 100) Text1->setText(QStringLiteral("100"));
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::FocusOut) Text1_LostFocus();
    return QDialog::eventFilter(watched, event);
}

void mnuAddCommand_Click(ScriptEditor& editor, QWidget* owner) {
    Form3 dialog(editor, owner);
    viewDialogs().ShowModal(dialog);
}
