#include "app/Commands.h"
#include "platform/VbColor.h"
#include "platform/widgets/RichTextBox.h"
#include "script/EditCommands.h"
#include "support/ScriptedDialogs.h"
#include "ui/Controls.h"
#include "ui/FindReplace.h"
#include "ui/Form1.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A main window whose history starts, as after start-up, with the script given.
struct EditedScript {
    explicit EditedScript(const QString& text) {
        rtb().setText(text);
        form.edit->InizializzaAnnulla();
        form.core.session.SetModificato(0);
    }
    RichTextBox& rtb() { return *form.RTB; }
    void undo() { form.edit->mnuAnnulla_Click(); }
    void redo() { form.edit->mnuRipeti_Click(); }
    void type(const QString& keys) { QTest::keyClicks(&rtb(), keys); }
    void key(Qt::Key k) { QTest::keyClick(&rtb(), k); }
    void select(int start, int length) {
        rtb().setSelStart(start);
        rtb().setSelLength(length);
    }
    Form1 form;
};

// Sets the selection's character format, as the toolbar does.
void makeBoldRed(RichTextBox& rtb, int start, int length) {
    rtb.setSelStart(start);
    rtb.setSelLength(length);
    rtb.setSelBold(true);
    rtb.setSelColor(RGB(255, 0, 0));
}

} // namespace

TEST(UndoRedo, EachTypedCharacterIsOneStepBackAndForth) {
    EditedScript s(QStringLiteral("Act 1"));
    s.rtb().setSelStart(5);
    s.type(QStringLiteral("abc"));
    ASSERT_EQ(s.rtb().Text(), QStringLiteral("Act 1abc"));

    const QStringList back = {QStringLiteral("Act 1ab"), QStringLiteral("Act 1a"),
                              QStringLiteral("Act 1")};
    for (int i = 0; i < 3; ++i) {
        s.undo();
        EXPECT_EQ(s.rtb().Text(), back[i]);
        EXPECT_EQ(s.rtb().SelStart(), 7 - i) << "the caret stands where the character was";
        EXPECT_EQ(s.rtb().SelLength(), 0);
    }
    s.undo(); // only the base is left: nothing happens
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("Act 1"));

    const QStringList forth = {QStringLiteral("Act 1a"), QStringLiteral("Act 1ab"),
                               QStringLiteral("Act 1abc")};
    for (int i = 0; i < 3; ++i) {
        s.redo();
        EXPECT_EQ(s.rtb().Text(), forth[i]);
        EXPECT_EQ(s.rtb().SelStart(), 6 + i) << "the caret stands after the character";
    }
    s.redo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("Act 1abc"));
    EXPECT_EQ(s.form.core.session.Modificato(), 1);
}

TEST(UndoRedo, DeletionsComeBackSelectedUnlessOneCharacterOrOneLineBreak) {
    EditedScript s(QStringLiteral("one\r\nthree words here"));
    // A word deleted with one key comes back selected.
    s.select(11, 6); // "words "
    s.key(Qt::Key_Delete);
    ASSERT_EQ(s.rtb().Text(), QStringLiteral("one\r\nthree here"));
    s.undo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("one\r\nthree words here"));
    EXPECT_EQ(s.rtb().SelStart(), 11);
    EXPECT_EQ(s.rtb().SelLength(), 6);

    // One character deleted with Backspace comes back with the caret after it.
    s.rtb().setSelStart(10);
    s.key(Qt::Key_Backspace);
    ASSERT_EQ(s.rtb().Text(), QStringLiteral("one\r\nthre words here"));
    s.undo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("one\r\nthree words here"));
    EXPECT_EQ(s.rtb().SelStart(), 10);
    EXPECT_EQ(s.rtb().SelLength(), 0);

    // A line break joined away comes back with the caret after it, not selected.
    s.rtb().setSelStart(5);
    s.key(Qt::Key_Backspace);
    ASSERT_EQ(s.rtb().Text(), QStringLiteral("onethree words here"));
    s.undo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("one\r\nthree words here"));
    EXPECT_EQ(s.rtb().SelStart(), 5);
    EXPECT_EQ(s.rtb().SelLength(), 0);
}

TEST(UndoRedo, OvertypingOrPastingOverASelectionComesBackExactlyWithItsFormatting) {
    EditedScript s(QStringLiteral("one TWO three"));
    makeBoldRed(s.rtb(), 4, 3);
    s.form.edit->InizializzaAnnulla(); // the formatted script is the base

    // Typing over the formatted word.
    s.select(4, 3);
    s.type(QStringLiteral("x"));
    ASSERT_EQ(s.rtb().Text(), QStringLiteral("one x three"));
    s.undo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("one TWO three"));
    EXPECT_EQ(s.rtb().SelStart(), 4);
    EXPECT_EQ(s.rtb().SelLength(), 3);
    EXPECT_EQ(s.rtb().SelBold(), true);
    EXPECT_EQ(s.rtb().SelColor(), RGB(255, 0, 0));
    s.redo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("one x three"));
    EXPECT_EQ(s.rtb().SelStart(), 5);
    s.undo();

    // Pasting plain text over it.
    s.select(8, 5); // "three"
    s.form.edit->mnuCopia_Click();
    s.select(4, 3);
    s.form.edit->mnuIncolla_Click();
    ASSERT_EQ(s.rtb().Text(), QStringLiteral("one three three"));
    s.undo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("one TWO three"));
    s.select(4, 3);
    EXPECT_EQ(s.rtb().SelBold(), true);
    EXPECT_EQ(s.rtb().SelColor(), RGB(255, 0, 0));
    s.select(8, 5);
    EXPECT_EQ(s.rtb().SelBold(), false);
}

TEST(UndoRedo, ANewEditDropsWhatWasUndone) {
    EditedScript s{QString()};
    s.type(QStringLiteral("ab"));
    s.undo();
    ASSERT_EQ(s.rtb().Text(), QStringLiteral("a"));
    s.type(QStringLiteral("c"));
    s.redo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("ac"));
    s.undo();
    s.undo();
    EXPECT_EQ(s.rtb().Text(), QString());
}

TEST(UndoRedo, NewAndOpenStartAFreshHistory) {
    ScriptedDialogs dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("other.txt"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Another show");
    }
    EditedScript s(QStringLiteral("First show"));
    s.type(QStringLiteral("!"));

    // Open: the previous script's edits are not in the new script's history.
    s.form.core.session.SetModificato(0); // no question about the changes
    dialogs.ExpectFile(path);
    s.form.shell->Label2_Click(1);
    ASSERT_EQ(s.rtb().Text(), QStringLiteral("Another show"));
    s.undo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("Another show"));

    // New: the same.
    s.rtb().setSelStart(0);
    s.type(QStringLiteral("x"));
    s.form.core.session.SetModificato(0);
    s.form.shell->Label2_Click(0);
    ASSERT_EQ(s.rtb().Text(), QString());
    s.undo();
    EXPECT_EQ(s.rtb().Text(), QString());
    EXPECT_FALSE(s.rtb().CanUndo());
}

TEST(UndoRedo, NothingIsTakenBackBeforeStartUpHasLoadedTheScript) {
    Form1 form;
    form.RTB->setText(QStringLiteral("loading"));
    form.edit->mnuAnnulla_Click();
    EXPECT_EQ(form.RTB->Text(), QStringLiteral("loading"));
}

TEST(UndoRedo, CtrlZAndCtrlYFromTheKeyboardRunOnce) {
    EditedScript s(QStringLiteral("go"));
    s.rtb().setSelStart(2);
    s.type(QStringLiteral("ne"));
    QTest::keyClick(&s.rtb(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("gon"));
    QTest::keyClick(&s.rtb(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("gone"));
}

TEST(UndoRedo, AFormattingChangeIsAStepOfItsOwn) {
    EditedScript s(QStringLiteral("cue here"));
    s.select(0, 3);
    s.form.shell->Label2_Click(4); // bold from the toolbar
    ASSERT_EQ(s.rtb().SelBold(), true);
    s.rtb().setSelStart(8);
    s.type(QStringLiteral("!"));
    s.undo();
    s.undo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("cue here"));
    s.select(0, 3);
    EXPECT_EQ(s.rtb().SelBold(), false);
    s.redo();
    s.select(0, 3);
    EXPECT_EQ(s.rtb().SelBold(), true);
}

TEST(UndoRedo, ReplaceAllIsOneStepBackAndForth) {
    ScriptedDialogs dialogs;
    EditedScript s(QStringLiteral("Play one, play two\r\nplay three"));
    makeBoldRed(s.rtb(), 10, 4); // the second "play"
    s.form.edit->InizializzaAnnulla();
    s.rtb().setSelStart(0);
    s.form.findReplace->mnuSostituisci_Click();
    frmFind& find = *s.form.findReplace->Dialog();
    find.cboFind->setEditText(QStringLiteral("play"));
    find.cboReplace->setEditText(QStringLiteral("stop"));
    dialogs.ExpectMsgBox(vbmsg::OK); // the count
    find.cmdReplaceAll_Click();
    ASSERT_EQ(s.rtb().Text(), QStringLiteral("stop one, stop two\r\nstop three"));

    s.undo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("Play one, play two\r\nplay three"));
    s.select(10, 4);
    EXPECT_EQ(s.rtb().SelBold(), true);
    EXPECT_EQ(s.rtb().SelColor(), RGB(255, 0, 0));
    s.redo();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("stop one, stop two\r\nstop three"));
    s.undo();
    s.undo(); // nothing before the replacement
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("Play one, play two\r\nplay three"));
    find.cmdCancel_Click();
}

TEST(UndoRedo, AFontChosenFromTheListIsOneStep) {
    EditedScript s(QStringLiteral("some words"));
    s.form.edit->CaricaFont();
    s.select(0, 4);
    const QString before = s.rtb().SelFontName();
    ComboBox& names = *s.form.Combo1;
    const int last = names.count() - 1;
    names.setCurrentIndex(last); // what a choice in the list does first...
    s.form.edit->Combo1_Click(); // ...and then
    ASSERT_EQ(s.rtb().SelFontName(), names.itemText(last));
    s.undo();
    s.select(0, 4);
    EXPECT_EQ(s.rtb().SelFontName(), before);
}
