#include "platform/widgets/RichTextBox.h"
#include "platform/VbColor.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr long kBlue = RGB(0, 0, 255);

// Selects [start, start + length) in the two-characters-per-break view.
void select(RichTextBox& box, int start, int length) {
    box.setSelStart(start);
    box.setSelLength(length);
}

} // namespace

TEST(RichTextBoxPositions, ALineBreakCountsAsTwoCharacters) {
    RichTextBox box;
    box.setText(QStringLiteral("ab\r\ncd\r\n\r\nef"));
    EXPECT_EQ(box.Text(), QStringLiteral("ab\r\ncd\r\n\r\nef"));
    EXPECT_EQ(box.TextLength(), box.Text().size());

    box.setSelStart(4); // just after the first break
    EXPECT_EQ(box.SelStart(), 4);
    box.setSelLength(2);
    EXPECT_EQ(box.SelText(), QStringLiteral("cd"));

    box.setSelStart(10); // after two breaks in a row
    box.setSelLength(2);
    EXPECT_EQ(box.SelText(), QStringLiteral("ef"));

    // Positions line up with the text the program scans.
    const QString text = box.Text();
    for (int i = 0; i <= text.size(); ++i) {
        if (i > 0 && text[i - 1] == u'\r') continue; // between CR and LF
        box.setSelStart(i);
        EXPECT_EQ(box.SelStart(), i) << "position " << i;
    }
}

TEST(RichTextBoxPositions, SelectionsAcrossBreaks) {
    RichTextBox box;
    box.setText(QStringLiteral("one\r\ntwo\r\nthree"));
    select(box, 1, 9);
    EXPECT_EQ(box.SelText(), QStringLiteral("ne\r\ntwo\r\n"));
    EXPECT_EQ(box.SelStart(), 1);
    EXPECT_EQ(box.SelLength(), 9);
    // An end between CR and LF stops before the break.
    select(box, 1, 8);
    EXPECT_EQ(box.SelText(), QStringLiteral("ne\r\ntwo"));

    // A caret between CR and LF stays at the end of its line.
    box.setSelStart(4);
    EXPECT_EQ(box.SelStart(), 3);

    // Selecting just the break and replacing it joins the lines.
    select(box, 3, 2);
    EXPECT_EQ(box.SelText(), QStringLiteral("\r\n"));
    box.setSelText(QStringLiteral(" "));
    EXPECT_EQ(box.Text(), QStringLiteral("one two\r\nthree"));

    // Positions past the end are clamped; a selection cannot run past the end.
    box.setSelStart(1000);
    EXPECT_EQ(box.SelStart(), box.TextLength());
    select(box, 10, 1000);
    EXPECT_EQ(box.SelText(), QStringLiteral("hree"));
}

TEST(RichTextBoxEditing, SelTextReplacesAndLeavesTheCaretAfterOneChange) {
    RichTextBox box;
    box.setText(QStringLiteral("[[fadein]] rest"));
    int changes = 0;
    box.onChange = [&] { ++changes; };
    select(box, 2, 6);
    box.setSelText(QStringLiteral("FadeIn Slow"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.Text(), QStringLiteral("[[FadeIn Slow]] rest"));
    EXPECT_EQ(box.SelStart(), 13);
    EXPECT_EQ(box.SelLength(), 0);

    // Multi-line text in any line-break convention comes in as line breaks.
    box.setSelText(QStringLiteral("a\nb\r\nc\rd"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(box.Text(), QStringLiteral("[[FadeIn Slowa\r\nb\r\nc\r\nd]] rest"));
    EXPECT_EQ(box.SelStart(), 23);

    // The same text in place of itself is no change, and no step of the edit history; the
    // caret still ends after it.
    const int steps = box.document()->availableUndoSteps();
    select(box, 2, 11);
    box.setSelText(QStringLiteral("FadeIn Slow"));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(box.document()->availableUndoSteps(), steps);
    EXPECT_EQ(box.SelStart(), 13);
    EXPECT_EQ(box.SelLength(), 0);

    // Formatting alone is not a change of the script.
    select(box, 0, 4);
    box.setSelBold(true);
    box.setSelColor(kBlue);
    box.setSelBullet(true);
    box.setSelAlignment(2);
    EXPECT_EQ(changes, 2);
}

TEST(RichTextBoxEditing, ReplacedTextTakesTheFormatOfTheFirstReplacedCharacter) {
    RichTextBox box;
    box.setText(QStringLiteral("x [[vol 50]] y"));
    select(box, 2, 10);
    box.setSelColor(kBlue);
    select(box, 4, 6);
    box.setSelText(QStringLiteral("Vol 50"));
    select(box, 4, 6);
    EXPECT_EQ(box.SelColor(), kBlue);
}

TEST(RichTextBoxFormatting, UniformAndMixedSelections) {
    RichTextBox box;
    box.setText(QStringLiteral("plain bold\r\nnext"));
    select(box, 6, 4);
    box.setSelBold(true);
    box.setSelItalic(true);
    box.setSelUnderline(true);
    box.setSelStrikeThru(true);
    box.setSelColor(RGB(200, 10, 20));
    box.setSelFontName(QStringLiteral("Courier New"));
    box.setSelFontSize(20);

    select(box, 6, 4); // uniform
    EXPECT_EQ(box.SelBold(), true);
    EXPECT_EQ(box.SelItalic(), true);
    EXPECT_EQ(box.SelUnderline(), true);
    EXPECT_EQ(box.SelStrikeThru(), true);
    EXPECT_EQ(box.SelColor(), RGB(200, 10, 20));
    EXPECT_EQ(box.SelFontName(), QStringLiteral("Courier New"));
    EXPECT_DOUBLE_EQ(box.SelFontSize(), 20);

    select(box, 0, 5); // uniform, untouched
    EXPECT_EQ(box.SelBold(), false);
    EXPECT_EQ(box.SelColor(), 0);
    EXPECT_EQ(box.SelFontName(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(box.SelFontSize(), 12);

    select(box, 4, 4); // mixed
    EXPECT_EQ(box.SelBold(), std::nullopt);
    EXPECT_EQ(box.SelItalic(), std::nullopt);
    EXPECT_EQ(box.SelUnderline(), std::nullopt);
    EXPECT_EQ(box.SelStrikeThru(), std::nullopt);
    EXPECT_EQ(box.SelColor(), std::nullopt);
    EXPECT_EQ(box.SelFontName(), QString());
    EXPECT_DOUBLE_EQ(box.SelFontSize(), 0);

    // With no selection, reading gives the format at the caret.
    box.setSelStart(8);
    EXPECT_EQ(box.SelBold(), true);
    box.setSelStart(2);
    EXPECT_EQ(box.SelBold(), false);
}

TEST(RichTextBoxFormatting, WritingWithNoSelectionFormatsTheTextTypedNext) {
    RichTextBox box;
    box.setText(QStringLiteral("ab"));
    box.setSelStart(1);
    box.setSelColor(kBlue);
    box.setSelBold(true);
    box.setSelText(QStringLiteral("X"));
    QTest::keyClicks(&box, QStringLiteral("Y"));
    EXPECT_EQ(box.Text(), QStringLiteral("aXYb"));
    select(box, 1, 2);
    EXPECT_EQ(box.SelColor(), kBlue);
    EXPECT_EQ(box.SelBold(), true);
    select(box, 0, 1);
    EXPECT_EQ(box.SelBold(), false);
}

TEST(RichTextBoxFormatting, ParagraphAlignmentAndBullets) {
    RichTextBox box;
    box.setText(QStringLiteral("one\r\ntwo\r\nthree"));
    select(box, 5, 3); // "two"
    box.setSelAlignment(2);
    box.setSelBullet(true);
    EXPECT_EQ(box.SelAlignment(), 2);
    EXPECT_EQ(box.SelBullet(), true);

    select(box, 0, 8); // one and two
    EXPECT_EQ(box.SelAlignment(), std::nullopt);
    EXPECT_EQ(box.SelBullet(), std::nullopt);

    // A selection ending where a paragraph starts does not touch it.
    select(box, 0, 5);
    EXPECT_EQ(box.SelAlignment(), 0);
    EXPECT_EQ(box.SelBullet(), false);

    select(box, 0, 15); // everything
    box.setSelAlignment(1);
    box.setSelBullet(true);
    EXPECT_EQ(box.SelAlignment(), 1);
    EXPECT_EQ(box.SelBullet(), true);
    box.setSelBullet(false);
    EXPECT_EQ(box.SelBullet(), false);
    EXPECT_EQ(box.Text(), QStringLiteral("one\r\ntwo\r\nthree"));
}

TEST(RichTextBoxFind, OptionsWholeWordAndMatchCase) {
    RichTextBox box;
    box.setText(QStringLiteral("Play audio\r\nplay\r\nreplay Play"));
    EXPECT_EQ(box.Find(QStringLiteral("play")), 0);
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 4);

    EXPECT_EQ(box.Find(QStringLiteral("play"), 0, -1, RichTextBox::rtfMatchCase), 12);
    EXPECT_EQ(box.SelText(), QStringLiteral("play"));

    // "replay" holds "play" but not as a whole word.
    EXPECT_EQ(box.Find(QStringLiteral("play"), 13, -1, RichTextBox::rtfWholeWord), 25);
    EXPECT_EQ(box.Find(QStringLiteral("Play"), 13, -1,
                       RichTextBox::rtfWholeWord + RichTextBox::rtfMatchCase),
              25);
    EXPECT_EQ(box.Find(QStringLiteral("PLAY"), 13, -1, RichTextBox::rtfMatchCase), -1);

    // The match must end by the end position; a miss leaves the selection alone.
    box.setSelStart(3);
    EXPECT_EQ(box.Find(QStringLiteral("audio"), 0, 9), -1);
    EXPECT_EQ(box.SelStart(), 3);
    EXPECT_EQ(box.Find(QStringLiteral("audio"), 0, 10), 5);
    EXPECT_EQ(box.Find(QStringLiteral("o\r\np")), 9);
    EXPECT_EQ(box.Find(QString()), -1);
}

TEST(RichTextBoxRtf, SelRtfCarriesFormattingIntoAnotherPlace) {
    RichTextBox source;
    source.setText(QStringLiteral("cue [[FadeIn]] end"));
    select(source, 4, 10);
    source.setSelColor(kBlue);
    source.setSelBold(true);
    const QString rtf = source.SelRTF();
    EXPECT_TRUE(rtf.startsWith(QStringLiteral("{\\rtf")));

    RichTextBox target;
    target.setText(QStringLiteral("A\r\nB"));
    int changes = 0;
    target.onChange = [&] { ++changes; };
    select(target, 1, 2); // replace the break
    target.setSelRTF(rtf);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.Text(), QStringLiteral("A[[FadeIn]]B"));
    EXPECT_EQ(target.SelStart(), 11);
    select(target, 1, 10);
    EXPECT_EQ(target.SelColor(), kBlue);
    EXPECT_EQ(target.SelBold(), true);

    // Whole lines, break included, paste as whole lines.
    RichTextBox lines;
    lines.setText(QStringLiteral("one\r\ntwo"));
    select(lines, 0, 5);
    const QString line = lines.SelRTF();
    lines.setSelStart(lines.TextLength());
    lines.setSelText(QStringLiteral("\r\n"));
    lines.setSelRTF(line);
    EXPECT_EQ(lines.Text(), QStringLiteral("one\r\ntwo\r\none\r\n"));

    // Text that is not RTF goes in as it reads.
    target.setSelStart(0);
    target.setSelRTF(QStringLiteral("plain {not rtf}"));
    EXPECT_TRUE(target.Text().startsWith(QStringLiteral("plain {not rtf}A")));
}

TEST(RichTextBoxRtf, APasteOfHtmlAloneKeepsWhatRichTextKeeps) {
    // Web pages and some word processors offer nothing but HTML.
    RichTextBox box;
    box.setText(QStringLiteral("<>"));
    box.setSelStart(1);
    QMimeData html;
    html.setHtml(QStringLiteral("<p><b>Bold</b> <i>it</i> <span style=\"color:#ff0000\">red</span> "
                                "<a href=\"https://x.example\">link</a></p>"));
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.InsertMimeData(&html);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.Text(), QStringLiteral("<Bold it red link>"));
    select(box, 1, 4);
    EXPECT_EQ(box.SelBold(), true);
    select(box, 6, 2);
    EXPECT_EQ(box.SelItalic(), true);
    EXPECT_EQ(box.SelBold(), false);
    select(box, 9, 3);
    EXPECT_EQ(box.SelColor(), RGB(255, 0, 0));

    // Plain text, when offered too, is what goes in.
    html.setText(QStringLiteral("plain"));
    box.setSelStart(0);
    box.InsertMimeData(&html);
    EXPECT_TRUE(box.Text().startsWith(QStringLiteral("plain<Bold")));
}

TEST(RichTextBoxEvents, KeyDownCanTakeAKeyAndKeyPressComesBeforeInsertion) {
    RichTextBox box;
    box.setText(QStringLiteral("[[x]"));
    box.setSelStart(4);
    QString textAtKeyPress;
    int pressed = 0;
    box.onKeyPress = [&](int& ascii) {
        pressed = ascii;
        textAtKeyPress = box.Text();
    };
    QTest::keyClick(&box, Qt::Key_BracketRight, Qt::NoModifier);
    EXPECT_EQ(pressed, 93);
    EXPECT_EQ(textAtKeyPress, QStringLiteral("[[x]"));
    EXPECT_EQ(box.Text(), QStringLiteral("[[x]]")); // still inserted afterwards

    // A handler that clears Ctrl+V's key code keeps the control from pasting.
    int downCode = -1, downShift = -1;
    QList<QPair<int, int>> ups;
    box.onKeyDown = [&](int& code, int& shift) {
        downCode = code;
        downShift = shift;
        if (shift == 2 && code == 86) code = 0;
    };
    box.onKeyUp = [&](int& code, int& shift) { ups.append({code, shift}); };
    box.onKeyPress = nullptr;
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(downCode, 86);
    EXPECT_EQ(downShift, 2);
    EXPECT_TRUE(ups.contains(qMakePair(86, 2))); // V released with Ctrl held
    EXPECT_EQ(box.Text(), QStringLiteral("[[x]]"));

    QTest::keyClick(&box, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_TRUE(ups.contains(qMakePair(112, 1)));

    // Enter and Shift+Enter both make an ordinary line break.
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.Text(), QStringLiteral("[[x]]\r\n\r\n"));
}

// Keys that move the caret or do nothing are no change of the script; a typed character and a
// deletion are (formatting alone never is).
TEST(RichTextBoxEvents, OnlyKeysThatChangeTheScriptReportAChange) {
    RichTextBox box;
    box.setText(QStringLiteral("abc"));
    box.setSelStart(1);
    int changes = 0;
    box.onChange = [&] { ++changes; };
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_End, Qt::Key_Home, Qt::Key_F4,
                        Qt::Key_Alt, Qt::Key_Shift})
        QTest::keyClick(&box, key);
    QTest::keyClick(&box, Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier); // copy
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(box.Text(), QStringLiteral("abc"));

    QTest::keyClick(&box, Qt::Key_X);
    EXPECT_EQ(changes, 1);
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(changes, 2);
    box.setSelStart(0);
    box.setSelLength(2);
    box.setSelColor(RGB(0, 0, 255));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(box.Text(), QStringLiteral("abc"));
}

TEST(RichTextBoxEvents, ClicksDoubleClicksAndMouseButtons) {
    RichTextBox box;
    box.resize(400, 200);
    box.setText(QStringLiteral("hello world"));
    QStringList events;
    int caretAtClick = -1;
    box.onClick = [&] {
        events << QStringLiteral("click");
        caretAtClick = box.SelStart();
    };
    box.onDblClick = [&] { events << QStringLiteral("dbl"); };
    box.onMouseDown = [&](int button, int, double, double) {
        events << QStringLiteral("down%1").arg(button);
    };
    const QPoint end = box.cursorRect(box.textCursor()).center() + QPoint(200, 0);
    box.moveCursor(QTextCursor::Start);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, end);
    EXPECT_EQ(events, QStringList({QStringLiteral("down1"), QStringLiteral("click")}));
    EXPECT_EQ(caretAtClick, 11); // the caret had moved before the click event
    events.clear();

    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, end);
    EXPECT_EQ(events.count(QStringLiteral("dbl")), 1);
    EXPECT_EQ(events.last(), QStringLiteral("dbl"));
    events.clear();

    QTest::mouseClick(box.viewport(), Qt::RightButton, {}, end);
    EXPECT_EQ(events, QStringList({QStringLiteral("down2")})); // no click for the right button
}

TEST(RichTextBoxPositions, TextStaysTrueThroughEveryKindOfEdit) {
    // Text is kept up to date piece by piece; after any edit it must equal the document.
    // Each paragraph mark, cell start and table end is a line break.
    RichTextBox box;
    auto truth = [&] {
        QString raw = box.document()->toRawText();
        for (const char16_t separator : {u'\u2029', u'\uFDD0', u'\uFDD1'})
            raw.replace(QChar(separator), QStringLiteral("\r\n"));
        return raw;
    };
    for (const bool table : {false, true}) {
        SCOPED_TRACE(table ? "a script with a table" : "a script of lines");
        if (table)
            box.LoadContent(
                R"({\rtf1 first line\par\trowd\cellx2000\cellx4000\intbl HAMLET\par Who)"
                R"('s there?\cell\intbl [[Play Audio]]\cell\row\intbl\itap2 a\nestcell b)"
                R"(\nestcell{\*\nesttableprops\trowd\cellx900\nestrow}\intbl\itap1\cell)"
                R"(\pard last\par})");
        else
            box.setText(QStringLiteral("first line\r\n[[Play Audio]]\r\n\r\nlast"));
        ASSERT_EQ(box.Text(), truth());
        if (table) {
            EXPECT_EQ(box.Text(), QStringLiteral("first line\r\nHAMLET\r\nWho's there?\r\n"
                                                 "[[Play Audio]]\r\n\r\na\r\nb\r\n\r\n\r\nlast"));
            // Positions count a cell's break as two characters, as any other.
            EXPECT_EQ(box.Find(QStringLiteral("[[Play Audio]]")), 34);
            EXPECT_EQ(box.SelText(), QStringLiteral("[[Play Audio]]"));
            select(box, 12, 20);
            EXPECT_EQ(box.SelText(), QStringLiteral("HAMLET\r\nWho's there?"));
            std::unique_ptr<QMimeData> copied(box.SelectionMimeData());
            EXPECT_EQ(copied->text(), QStringLiteral("HAMLET\nWho's there?"));
        }
        quint32 seed = 12345;
        auto next = [&](int bound) {
            seed = seed * 1103515245u + 12345u;
            return int((seed >> 8) % quint32(qMax(1, bound)));
        };
        const QStringList pieces = {QStringLiteral("x"), QStringLiteral("\r\n"),
                                    QStringLiteral("ab\r\ncd"), QString(),
                                    QStringLiteral("[[vol 50]]")};
        for (int step = 0; step < 300; ++step) {
            const int length = box.TextLength();
            select(box, next(length + 1), next(12));
            switch (next(5)) {
            case 0:
                box.setSelText(pieces[next(int(pieces.size()))]);
                break;
            case 1:
                box.setSelColor(RGB(next(256), 0, 255));
                break;
            case 2:
                box.setSelBold(next(2) == 0);
                break;
            case 3:
                box.setSelRTF(box.SelRTF());
                break;
            default:
                box.setSelBullet(next(2) == 0);
                break;
            }
            ASSERT_EQ(box.Text(), truth()) << "step " << step;
            ASSERT_EQ(box.TextLength(), box.Text().size()) << "step " << step;
        }
    }
}

TEST(RichTextBoxLayout, AScriptWithAWordLongerThanAnyLineWrapsAnywhere) {
    RichTextBox box;
    box.setText(QStringLiteral("a normal script"));
    EXPECT_EQ(box.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    box.setSelStart(2);
    box.setSelText(QString(6000, u'x')); // a pasted unbroken word
    EXPECT_EQ(box.wordWrapMode(), QTextOption::WrapAnywhere);
    box.setText(QStringLiteral("the next script"));
    EXPECT_EQ(box.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}
