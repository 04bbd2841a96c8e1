#include "ui/FindReplace.h"
#include "i18n/Lingua.h"
#include "platform/Dialogs.h"
#include "platform/widgets/RichTextBox.h"
#include "support/SavedLingua.h"
#include "support/ScriptedDialogs.h"
#include "ui/EditorDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The language entries the window reads, restored afterwards.
struct FindTexts : SavedLingua {
    FindTexts() {
        Lingua[21] = QStringLiteral("Annulla");
        Lingua[56] = QStringLiteral("Tro&va");
        Lingua[57] = QStringLiteral("Trova &successivo");
        Lingua[59] = QStringLiteral("S&ostituisci");
        Lingua[60] = QStringLiteral("Sostituisci &con:");
        Lingua[61] = QStringLiteral("Sostituisci t&utto");
        Lingua[62] = QStringLiteral("Opzioni di ricerca");
        Lingua[63] = QStringLiteral("Solo parole &intere");
        Lingua[64] = QStringLiteral("&Maiuscole/minuscole");
        Lingua[65] = QStringLiteral("Testo non trovato.");
        Lingua[66] = QStringLiteral("Nessun'altra occorrenza.");
        Lingua[67] = QStringLiteral("Sostituzioni effettuate:");
        Lingua[68] = QStringLiteral("in totale.");
    }
};

struct FindWindow {
    explicit FindWindow(const QString& script) {
        rtb->setText(script);
        owner.resize(400, 300);
    }
    frmFind& open(bool replace) {
        replace ? find.mnuSostituisci_Click() : find.mnuTrova_Click();
        return *find.Dialog();
    }
    frmFind& replaceWindow(const QString& what, const QString& with, int options = 0) {
        frmFind& d = open(true);
        d.cboFind->setEditText(what);
        d.cboReplace->setEditText(with);
        d.chkWholeWord->setChecked(options & RichTextBox::rtfWholeWord);
        d.chkMatchCase->setChecked(options & RichTextBox::rtfMatchCase);
        return d;
    }
    QStringList items(QComboBox* box) const {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    }
    FindTexts texts;
    ScriptedDialogs dialogs;
    QWidget owner;
    RichTextBox* rtb = new RichTextBox(&owner);
    EditorDocument editor{*rtb};
    FindReplace find{editor, &owner};
};

// Drops text with a move proposed (as the editor's own drag of a selection does; Shift makes
// the proposal here), and checks that the box takes a copy, so that the source keeps its text.
void dropText(QWidget* box, const QString& text) {
    QMimeData data;
    data.setText(text);
    const Qt::DropActions offered = Qt::MoveAction | Qt::CopyAction;
    QDragEnterEvent enter(QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(box, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(drop.proposedAction(), Qt::MoveAction);
    QApplication::sendEvent(box, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
}

const QString kOptionScript = QStringLiteral("concat Cat cat.\r\nCAT cats");

// For each option set: where the first match stands, and the text after Replace All of "cat"
// with "dog".
struct OptionCase {
    int options;
    int first;
    const char* replacedAll;
    int count;
};
const OptionCase kOptionCases[] = {
    {0, 3, "condog dog dog.\r\ndog dogs", 5},
    {RichTextBox::rtfWholeWord, 7, "concat dog dog.\r\ndog cats", 3},
    {RichTextBox::rtfMatchCase, 3, "condog Cat dog.\r\nCAT dogs", 3},
    {RichTextBox::rtfWholeWord | RichTextBox::rtfMatchCase, 11, "concat Cat dog.\r\nCAT cats", 1},
};

} // namespace

TEST(FindWindow, LoadsWithTheFirstLineOfTheSelectionAndTheCaptionsOfTheLanguage) {
    FindWindow t(QStringLiteral("  two words \r\nsecond line"));
    t.rtb->setSelStart(0);
    t.rtb->setSelLength(20);
    frmFind& d = t.open(false);
    EXPECT_EQ(d.cboFind->currentText(), QStringLiteral("two words"));
    EXPECT_TRUE(d.search.MultiRiga);
    EXPECT_EQ(t.items(d.cboFind), QStringList{QStringLiteral("two words")});
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Trova..."));
    EXPECT_EQ(d.cmdFind->text(), QStringLiteral("&Tro&va"));
    EXPECT_EQ(d.cmdReplace->text(), QStringLiteral("S&ostituisci..."));
    EXPECT_EQ(d.chkMatchCase->text(), Lingua[64]);
    // Find mode: nothing of the replacing part can be used.
    EXPECT_FALSE(d.cmdReplace->isEnabled());
    EXPECT_FALSE(d.cmdReplaceAll->isEnabled());
    EXPECT_FALSE(d.cboReplace->isEnabled());

    FindWindow r(QStringLiteral("one line"));
    frmFind& rd = r.open(true);
    EXPECT_EQ(rd.windowTitle(), QStringLiteral("Sostituisci..."));
    EXPECT_TRUE(rd.cboReplace->isEnabled());
    EXPECT_FALSE(rd.search.MultiRiga);
    EXPECT_EQ(rd.cboFind->count(), 0) << "no selection, no history item";
}

TEST(FindWindow, OneWindowThatKeepsItsModeAndHistoryUntilClosed) {
    FindWindow t(QStringLiteral("abc"));
    frmFind* first = &t.open(false);
    first->cboFind->setEditText(QStringLiteral("zzz"));
    t.dialogs.ExpectMsgBox(vbmsg::OK);
    first->cmdFind->click();
    // Replace while the find window is open: the same window, still in find mode.
    frmFind* again = &t.open(true);
    EXPECT_EQ(again, first);
    EXPECT_FALSE(again->ReplaceMode());
    EXPECT_FALSE(again->cmdReplace->isEnabled());
    EXPECT_EQ(t.items(again->cboFind), QStringList{QStringLiteral("zzz")});

    QPointer<frmFind> closing = first;
    first->cmdCancel->click();
    EXPECT_EQ(t.find.Dialog(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull()) << "the closed window is unloaded";
    frmFind& fresh = t.open(true);
    EXPECT_TRUE(fresh.ReplaceMode());
    EXPECT_EQ(fresh.cboFind->count(), 0) << "a new window starts with no history";

    // Closing with Escape, and closing on exit, unload it as well.
    QTest::keyClick(&fresh, Qt::Key_Escape);
    EXPECT_EQ(t.find.Dialog(), nullptr);
    t.open(false);
    t.find.ChiudiTrova();
    EXPECT_EQ(t.find.Dialog(), nullptr);
    t.find.ChiudiTrova(); // nothing open: nothing to do
}

TEST(FindWindow, FindHonoursEachOptionCombination) {
    for (const OptionCase& c : kOptionCases) {
        FindWindow t(kOptionScript);
        frmFind& d = t.replaceWindow(QStringLiteral("cat"), QString(), c.options);
        d.cmdFind->click();
        EXPECT_EQ(t.rtb->SelStart(), c.first) << "options " << c.options;
        EXPECT_EQ(t.rtb->SelLength(), 3) << "options " << c.options;
        EXPECT_EQ(d.cmdFind->text(), Lingua[57]);
    }
}

TEST(FindWindow, FindStartsAtTheTopThenGoesOnAndWrapsAfterTheLast) {
    FindWindow t(QStringLiteral("cue one\r\ncue two\r\nend"));
    t.rtb->setSelStart(12); // the middle of the script
    frmFind& d = t.open(false);
    d.cboFind->setEditText(QStringLiteral("cue"));
    d.cmdFind->click();
    EXPECT_EQ(t.rtb->SelStart(), 0) << "a first search starts at the top";
    d.cmdFind->click();
    EXPECT_EQ(t.rtb->SelStart(), 9);
    EXPECT_EQ(t.rtb->SelText(), QStringLiteral("cue"));

    t.dialogs.ExpectMsgBox(vbmsg::OK);
    d.cmdFind->click();
    ASSERT_EQ(t.dialogs.shown.size(), 1);
    EXPECT_EQ(t.dialogs.shown[0].text, Lingua[66]);
    EXPECT_EQ(t.dialogs.shown[0].title, ApplicationTitle());
    EXPECT_EQ(t.dialogs.shown[0].buttons, vbmsg::OKOnly);
    EXPECT_EQ(d.cmdFind->text(), QStringLiteral("&Tro&va"));
    d.cmdFind->click();
    EXPECT_EQ(t.rtb->SelStart(), 0) << "after the last match the next search starts at the top";

    d.cboFind->setEditText(QStringLiteral("missing"));
    t.dialogs.ExpectMsgBox(vbmsg::OK);
    d.cmdFind->click(); // a find next that finds nothing
    EXPECT_EQ(t.dialogs.shown.last().text, Lingua[66]);
    t.dialogs.ExpectMsgBox(vbmsg::OK);
    d.cmdFind->click(); // then a first search
    EXPECT_EQ(t.dialogs.shown.last().text, Lingua[65]);
    EXPECT_EQ(t.rtb->Text(), QStringLiteral("cue one\r\ncue two\r\nend"));
}

TEST(FindWindow, ReplaceSelectsFirstThenReplacesMatchesOnly) {
    FindWindow t(QStringLiteral("a cat, a Cat\r\nthe end"));
    frmFind& d = t.replaceWindow(QStringLiteral("cat"), QStringLiteral("dog"));
    d.cmdReplace->click();
    EXPECT_EQ(t.rtb->Text(), QStringLiteral("a cat, a Cat\r\nthe end")) << "first press selects";
    EXPECT_EQ(t.rtb->SelStart(), 2);
    EXPECT_EQ(t.rtb->SelLength(), 3);
    EXPECT_EQ(d.cmdReplace->text(), Lingua[59]);

    d.cmdReplace->click();
    EXPECT_EQ(t.rtb->Text(), QStringLiteral("a dog, a Cat\r\nthe end"));
    EXPECT_EQ(t.rtb->SelStart(), 9) << "the next match is selected";
    EXPECT_EQ(t.rtb->SelLength(), 3);

    // The operator selects other text: the armed button does not replace it.
    t.rtb->setSelStart(14);
    t.rtb->setSelLength(3);
    t.dialogs.ExpectMsgBox(vbmsg::OK);
    d.cmdReplace->click();
    EXPECT_EQ(t.dialogs.shown.last().text, Lingua[65]);
    EXPECT_EQ(t.rtb->Text(), QStringLiteral("a dog, a Cat\r\nthe end"));

    // From before the last match: it is found and replaced; after it, nothing is replaced.
    t.rtb->setSelStart(7);
    d.cmdReplace->click();
    EXPECT_EQ(t.rtb->Text(), QStringLiteral("a dog, a dog\r\nthe end"));
    EXPECT_EQ(d.cmdFind->text(), QStringLiteral("&Tro&va")) << "nothing more to find";
    t.dialogs.ExpectMsgBox(vbmsg::OK);
    d.cmdReplace->click();
    EXPECT_EQ(t.rtb->Text(), QStringLiteral("a dog, a dog\r\nthe end"))
        << "pressed after the last match, nothing goes in at the caret";
}

TEST(FindWindow, ReplaceHonoursEachOptionCombination) {
    for (const OptionCase& c : kOptionCases) {
        FindWindow t(kOptionScript);
        frmFind& d = t.replaceWindow(QStringLiteral("cat"), QStringLiteral("dog"), c.options);
        d.cmdReplace->click();
        d.cmdReplace->click();
        QString expected = kOptionScript;
        expected.replace(c.first, 3, QStringLiteral("dog"));
        EXPECT_EQ(t.rtb->Text(), expected) << "options " << c.options;
    }
}

TEST(FindWindow, ReplaceAllHonoursTheOptionsAndReplacesTheWholeScript) {
    for (const OptionCase& c : kOptionCases) {
        FindWindow t(kOptionScript);
        frmFind& d = t.replaceWindow(QStringLiteral(" cat "), QStringLiteral(" dog "), c.options);
        t.dialogs.ExpectMsgBox(vbmsg::OK);
        d.cmdReplaceAll->click();
        EXPECT_EQ(t.rtb->Text(), QString::fromLatin1(c.replacedAll)) << "options " << c.options;
        EXPECT_EQ(d.search.ContaSostituzioni, c.count) << "options " << c.options;
        EXPECT_EQ(t.dialogs.shown.last().text,
                  QStringLiteral("Sostituzioni effettuate: \r\n%1 in totale.").arg(c.count));
        EXPECT_EQ(t.dialogs.shown.last().title, ApplicationTitle());
    }
    // Wherever the caret stands, every match in the script: a second Replace All, with the
    // caret left after the first one's last replacement, still finds the matches before it.
    FindWindow t(kOptionScript);
    t.rtb->setSelStart(8);
    frmFind& d = t.replaceWindow(QStringLiteral("cat"), QStringLiteral("dog"));
    t.dialogs.ExpectMsgBox(vbmsg::OK);
    d.cmdReplaceAll->click();
    EXPECT_EQ(t.rtb->Text(), QStringLiteral("condog dog dog.\r\ndog dogs"));
    EXPECT_EQ(d.search.ContaSostituzioni, 5);
    d.cboFind->setEditText(QStringLiteral("dog"));
    d.cboReplace->setEditText(QStringLiteral("cow"));
    t.dialogs.ExpectMsgBox(vbmsg::OK);
    d.cmdReplaceAll->click();
    EXPECT_EQ(t.rtb->Text(), QStringLiteral("concow cow cow.\r\ncow cows"));
    EXPECT_EQ(d.search.ContaSostituzioni, 5);
    // Nothing found is reported too.
    d.cboFind->setEditText(QStringLiteral("cat"));
    t.dialogs.ExpectMsgBox(vbmsg::OK);
    d.cmdReplaceAll->click();
    EXPECT_EQ(d.search.ContaSostituzioni, 0);
    EXPECT_EQ(t.dialogs.shown.last().text,
              QStringLiteral("Sostituzioni effettuate: \r\n0 in totale."));
}

TEST(FindWindow, HistoriesKeepEachTextOnceAndCaseCounts) {
    FindWindow t(QStringLiteral("Show show SHOW"));
    frmFind& d = t.replaceWindow(QStringLiteral("show"), QStringLiteral("x"));
    d.cmdFind->click();
    d.cmdFind->click();
    d.cboFind->setEditText(QStringLiteral("Show"));
    d.cmdReplace->click();
    d.cboFind->setEditText(QStringLiteral("   "));
    t.dialogs.ExpectMsgBox(vbmsg::OK);
    d.cmdFind->click();
    EXPECT_EQ(t.items(d.cboFind), (QStringList{QStringLiteral("show"), QStringLiteral("Show")}));
    EXPECT_EQ(t.items(d.cboReplace), QStringList{QStringLiteral("x")});

    // Choosing a history item sends the next search back to the top.
    t.rtb->setSelStart(10);
    d.cboFind->setCurrentIndex(1);
    emit d.cboFind->activated(1);
    EXPECT_EQ(t.rtb->SelStart(), 0);
}

TEST(FindWindow, DroppedTextKeepsItsFirstLineAndIsReplacedWithItsBreak) {
    FindWindow t(QStringLiteral("Act one\r\nAct two"));
    frmFind& d = t.open(true);
    dropText(d.cboFind, QStringLiteral("  Act one \r\nAct two"));
    EXPECT_EQ(d.cboFind->currentText(), QStringLiteral("Act one"));
    EXPECT_TRUE(d.search.MultiRiga);
    dropText(d.cboReplace, QStringLiteral("Scene 1\nScene 2"));
    EXPECT_EQ(d.cboReplace->currentText(), QStringLiteral("Scene 1"));
    EXPECT_EQ(t.items(d.cboFind), QStringList{QStringLiteral("Act one")});
    EXPECT_EQ(t.items(d.cboReplace), QStringList{QStringLiteral("Scene 1")});

    // The multi-line search text's replacement carries the line break, once.
    d.cmdReplace->click();
    d.cmdReplace->click();
    EXPECT_EQ(t.rtb->Text(), QStringLiteral("Scene 1\r\n\r\nAct two"));
    EXPECT_FALSE(d.search.MultiRiga);
}

TEST(FindWindow, ReplaceAllIsOneEditThatKeepsEachMatchsFormat) {
    FindWindow t(QStringLiteral("x cat\r\ncat x\r\n\r\nlast cat"));
    RichTextBox& rtb = *t.rtb;
    rtb.setSelStart(7); // the second "cat" in bold
    rtb.setSelLength(3);
    rtb.setSelBold(true);
    rtb.setSelStart(0);
    int changes = 0;
    rtb.onChange = [&] { ++changes; };

    frmFind& d = t.replaceWindow(QStringLiteral("cat"), QStringLiteral("lion"));
    t.dialogs.ExpectMsgBox(vbmsg::OK);
    d.cmdReplaceAll->click();
    EXPECT_EQ(rtb.Text(), QStringLiteral("x lion\r\nlion x\r\n\r\nlast lion"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(rtb.SelStart(), rtb.TextLength()) << "the caret after the last replacement";
    rtb.setSelStart(8);
    rtb.setSelLength(4);
    EXPECT_EQ(rtb.SelBold(), std::optional<bool>(true));
    rtb.setSelStart(2);
    rtb.setSelLength(4);
    EXPECT_EQ(rtb.SelBold(), std::optional<bool>(false));
}
