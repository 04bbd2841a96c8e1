#include "ui/AddCommand.h"
#include "app/Commands.h"
#include "i18n/Lingua.h"
#include "media/BackgroundAudio.h"
#include "platform/MediaPlayerControl.h"
#include "platform/VbColor.h"
#include "platform/widgets/RichTextBox.h"
#include "script/CueLookup.h"
#include "support/FormSpies.h"
#include "support/SavedLingua.h"
#include "support/ScriptedDialogs.h"
#include "ui/EditorDocument.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct AddCommandTexts : SavedLingua {
    AddCommandTexts() {
        Lingua[21] = QStringLiteral("Annulla");
        Lingua[30] = QStringLiteral("Posizione in secondi");
        Lingua[147] = QStringLiteral("&Aggiungi comando");
    }
};

struct AddWindow {
    AddWindow() { dialog.show(); }
    void loseFocus(QLineEdit* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    }
    AddCommandTexts texts;
    QWidget owner;
    RichTextBox* rtb = new RichTextBox(&owner);
    EditorDocument editor{*rtb};
    Form3 dialog{editor, &owner};
};

// The format of the character at position (0-based, two-character line breaks).
struct CharFormat {
    long colour;
    QString font;
    double size;
    bool bold;
};
CharFormat formatAt(RichTextBox& rtb, int position) {
    rtb.setSelStart(position);
    rtb.setSelLength(1);
    return {rtb.SelColor().value_or(-1), rtb.SelFontName(), rtb.SelFontSize(),
            rtb.SelBold().value_or(false)};
}

} // namespace

TEST(AddCommandWindow, EachButtonBuildsItsCue) {
    AddWindow t;
    EXPECT_EQ(t.dialog.windowTitle(), QStringLiteral("Aggiungi comando"));
    EXPECT_EQ(t.dialog.Text2->toolTip(), QStringLiteral(" Posizione in secondi "));
    // Opened and added at once: the button chosen at opening. (That every button's cue runs:
    // TheInterpreterRunsEveryCueItInserts.)
    EXPECT_EQ(t.dialog.CommandText(), QStringLiteral("[[Stop Audio]]"));

    // The numbers go in trimmed but not checked.
    t.dialog.Option1[10]->click();
    t.dialog.Text1->setText(QStringLiteral("  50 "));
    EXPECT_EQ(t.dialog.CommandText(), QStringLiteral("[[Vol 50]]"));
    t.dialog.Text2->setText(QString());
    EXPECT_EQ(t.dialog.CommandText(), QStringLiteral("[[Seek Audio ]]"));
    t.dialog.Text3->setText(QStringLiteral("soon"));
    EXPECT_EQ(t.dialog.CommandText(), QStringLiteral("[[Seek Video soon]]"));
    t.dialog.Text4->setText(QStringLiteral("7"));
    t.dialog.Option1[25]->click();
    EXPECT_EQ(t.dialog.CommandText(), QStringLiteral("[[BG Vol 7]]"));
}

TEST(AddCommandWindow, TypingANumberChoosesItsButtonExceptTheBackgroundVolume) {
    AddWindow t;
    QTest::keyClicks(t.dialog.Text2, QStringLiteral("5"));
    EXPECT_TRUE(t.dialog.Option1[11]->isChecked());
    QTest::keyClicks(t.dialog.Text3, QStringLiteral("5"));
    EXPECT_TRUE(t.dialog.Option1[12]->isChecked());
    QTest::keyClicks(t.dialog.Text1, QStringLiteral("5"));
    EXPECT_TRUE(t.dialog.Option1[10]->isChecked());
    QTest::keyClicks(t.dialog.Text4, QStringLiteral("5"));
    EXPECT_FALSE(t.dialog.Option1[25]->isChecked());
    EXPECT_TRUE(t.dialog.Option1[10]->isChecked());
}

TEST(AddCommandWindow, VolumeAbove100Becomes100WhenTheBoxIsLeft) {
    AddWindow t;
    t.dialog.Text1->setText(QStringLiteral("250"));
    EXPECT_EQ(t.dialog.Text1->text(), QStringLiteral("250")) << "only when the box is left";
    t.loseFocus(t.dialog.Text1);
    EXPECT_EQ(t.dialog.Text1->text(), QStringLiteral("100"));
    t.dialog.Text1->setText(QStringLiteral("-5"));
    t.loseFocus(t.dialog.Text1);
    EXPECT_EQ(t.dialog.CommandText(), QStringLiteral("[[Vol -5]]")) << "no lower bound";
    // The other boxes have no bound.
    t.dialog.Text4->setText(QStringLiteral("250"));
    t.loseFocus(t.dialog.Text4);
    EXPECT_EQ(t.dialog.Text4->text(), QStringLiteral("250"));
}

TEST(AddCommandWindow, CueGoesInBlueArialAfterTheSelectionThenABlankInTheTextsFormat) {
    AddWindow t;
    RichTextBox& rtb = *t.rtb;
    rtb.setText(QStringLiteral("Act one\r\nHello world"));
    rtb.setSelStart(0);
    rtb.setSelLength(rtb.TextLength());
    rtb.setSelColor(RGB(200, 0, 0));
    rtb.setSelFontName(QStringLiteral("Courier New"));
    rtb.setSelFontSize(16);
    rtb.setSelBold(true);
    rtb.setSelStart(15);
    rtb.setSelLength(5); // "world"

    t.dialog.Option1[7]->click();
    t.dialog.Command1->click();
    EXPECT_EQ(rtb.Text(), QStringLiteral("Act one\r\nHello world[[Fade Out]] "));
    EXPECT_EQ(t.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(rtb.SelStart(), 33) << "the caret ends after the blank";

    const CharFormat cueFirst = formatAt(rtb, 20);
    const CharFormat cueLast = formatAt(rtb, 31);
    for (const CharFormat& cue : {cueFirst, cueLast}) {
        EXPECT_EQ(cue.colour, RGB(0, 0, 255));
        EXPECT_EQ(cue.font, QStringLiteral("Arial"));
        EXPECT_EQ(cue.size, 16);
    }
    const CharFormat blank = formatAt(rtb, 32);
    EXPECT_EQ(blank.colour, RGB(200, 0, 0));
    EXPECT_EQ(blank.font, QStringLiteral("Courier New"));
    EXPECT_EQ(blank.size, 16);
    EXPECT_TRUE(blank.bold);
    const CharFormat selected = formatAt(rtb, 19);
    EXPECT_EQ(selected.colour, RGB(200, 0, 0)) << "the selection's text keeps its format";
}

TEST(AddCommandWindow, CancelInsertsNothing) {
    AddWindow t;
    t.rtb->setText(QStringLiteral("script"));
    t.dialog.Command2->click();
    EXPECT_EQ(t.dialog.result(), QDialog::Rejected);
    EXPECT_EQ(t.rtb->Text(), QStringLiteral("script"));
}

TEST(AddCommandWindow, OpensModallyFromTheEditMenuAndTheToolbar) {
    AddCommandTexts texts;
    Form1 form;
    form.RTB->setText(QStringLiteral("Scene"));
    form.RTB->setSelStart(5);
    ScriptedDialogs script;
    auto choose = [](int option) {
        return [option](QDialog& shown) {
            auto& dialog = dynamic_cast<Form3&>(shown);
            dialog.Option1[option]->click();
            dialog.Command1->click();
        };
    };
    script.ExpectModal(choose(14));
    form.mnuAddCommand->trigger();
    EXPECT_EQ(form.RTB->Text(), QStringLiteral("Scene[[Play Video]] "));
    script.ExpectModal(choose(17));
    form.shell->Label2_Click(16);
    EXPECT_EQ(form.RTB->Text(), QStringLiteral("Scene[[Play Video]] [[Img On]] "));
    ASSERT_EQ(script.shown.size(), 2);
    EXPECT_EQ(script.shown[0].kind, QStringLiteral("modal"));
    EXPECT_EQ(script.shown[0].title, QStringLiteral("Aggiungi comando"));
    EXPECT_EQ(form.mnuAddCommand->shortcut(), QKeySequence(Qt::Key_F6));
}

// Every cue the window inserts does something when clicked: a player, the knob, a fade, the
// projector, the picture or the background player moves. (The background player's play, pause
// and stop need real media: the show tests run them.)
TEST(AddCommandWindow, TheInterpreterRunsEveryCueItInserts) {
    SpiedForm t;
    AddCommandTexts texts;
    t.form.core.state.SetVideoLoaded(true); // a video loaded
    t.form.core.state.SetAudioLoaded(true); // and audio
    MediaPlayerControl& background = *t.form.backgroundPlayer;
    const auto effects = [&] {
        return QStringList{t.log.calls.join(u','), QString::number(t.form.imgZoom->Visible()),
                           QString::number(background.settings.volume()),
                           QString::number(background.settings.loop()),
                           QString::number(t.form.background->Fading())};
    };
    Form3 dialog(*t.form.scriptDocument, &t.form);
    for (int i = 0; i < Form3::kOptions; ++i) {
        dialog.Option1[i]->click();
        const QString cue = dialog.CommandText();
        if (cue.contains(QLatin1String("Audio")) && cue.startsWith(QLatin1String("[[BG"))) continue;
        // Each switch starts where its cue has something to change.
        t.form.Check1->setValue(cue == QLatin1String("[[Projector Off]]") ? 1 : 0);
        t.form.imgZoom->setVisible(cue == QLatin1String("[[Img Off]]"));
        t.form.background->SetVolume(50);
        t.rtb().setText(QString());
        t.form.Label11->setVisible(false);
        t.log.calls.clear();
        const QStringList before = effects();
        InsertCommandCue(*t.form.scriptDocument, cue);
        t.clickAt(3);
        EXPECT_NE(effects(), before) << cue.toStdString();
        EXPECT_FALSE(t.form.Label11->Visible()) << t.form.Label11->text().toStdString();
    }
}
