#include "script/EditCommands.h"
#include "platform/VbColor.h"
#include "platform/widgets/RichTextBox.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>
#include <cctype>
#include <gtest/gtest.h>

namespace {

struct Script {
    explicit Script(const QString& text) {
        rtb().setText(text);
        form.edit->CaricaFont();
        form.edit->InizializzaAnnulla();
    }
    RichTextBox& rtb() { return *form.RTB; }
    EditCommands& edit() { return *form.edit; }
    void select(int start, int length) {
        rtb().setSelStart(start);
        rtb().setSelLength(length);
    }
    Form1 form;
};

// What LibreOffice Writer puts on the clipboard for a line with each kind of formatting.
QByteArray writerRtf() {
    QFile file(QStringLiteral(SCENOLUX_TEST_DATA "/writer-clipboard.rtf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putOnClipboard(const QString& plain, const QByteArray& rtf, const QString& rtfName) {
    auto* data = new QMimeData;
    data->setText(plain);
    if (!rtf.isEmpty()) data->setData(rtfName, rtf);
    QApplication::clipboard()->setMimeData(data);
}

} // namespace

TEST(Clipboard, CopyOffersPlainTextToOtherProgramsAndRichTextToWordProcessors) {
    Script s(QStringLiteral("say [[Play Audio]]\r\nnow"));
    s.select(4, 14);
    s.rtb().setSelBold(true);
    s.rtb().setSelColor(RGB(0, 0, 255));
    s.select(4, 19); // the cue, the line break and "now"
    s.edit().mnuCopia_Click();

    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QStringLiteral("[[Play Audio]]\nnow"));
    for (const char* name : {"text/rtf", "text/richtext"})
        EXPECT_TRUE(data->data(QString::fromLatin1(name)).startsWith("{\\rtf")) << name;
    EXPECT_EQ(s.edit().TestoCopiato(), QStringLiteral("[[Play Audio]]\r\nnow"));
    // A word processor reading the rich text shows the cue in its blue: the colour in force
    // where the cue's text starts is the table's pure blue.
    const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
    const qsizetype table = rtf.indexOf("{\\colortbl");
    ASSERT_GE(table, 0) << rtf.constData();
    const QList<QByteArray> colours = rtf.mid(table, rtf.indexOf('}', table) - table).split(';');
    const qsizetype cue = rtf.indexOf("[[Play Audio]]");
    const qsizetype colour = rtf.lastIndexOf("\\cf", cue);
    ASSERT_GE(colour, 0) << rtf.constData();
    qsizetype digits = colour + 3;
    while (digits < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[digits])))
        ++digits;
    const int index = rtf.mid(colour + 3, digits - colour - 3).toInt();
    ASSERT_LT(index, colours.size());
    EXPECT_EQ(colours[index].trimmed(), QByteArray("\\red0\\green0\\blue255")) << rtf.constData();

    // Another program's text boxes get the words, never the markup.
    QLineEdit line;
    line.paste();
    EXPECT_TRUE(line.text().startsWith(QStringLiteral("[[Play Audio]]")))
        << line.text().toStdString();
    EXPECT_FALSE(line.text().contains(QStringLiteral("rtf")));
    QTextEdit other;
    other.paste();
    EXPECT_EQ(other.toPlainText(), QStringLiteral("[[Play Audio]]\nnow"));
}

TEST(Clipboard, CopyAndPasteInsideTheScriptKeepFormatting) {
    Script s(QStringLiteral("cue [[Stop Audio]] end"));
    s.select(4, 14);
    s.rtb().setSelBold(true);
    s.rtb().setSelColor(RGB(0, 0, 255));
    s.edit().mnuCopia_Click();
    s.rtb().setSelStart(s.rtb().TextLength());
    s.edit().mnuIncolla_Click();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("cue [[Stop Audio]] end[[Stop Audio]]"));
    s.select(22, 14);
    EXPECT_EQ(s.rtb().SelBold(), true);
    EXPECT_EQ(s.rtb().SelColor(), RGB(0, 0, 255));
    s.select(18, 4);
    EXPECT_EQ(s.rtb().SelBold(), false) << "the text around the paste keeps its format";
}

TEST(Clipboard, RichTextFromAWordProcessorKeepsItsFormattingUnderEitherName) {
    const QByteArray rtf = writerRtf();
    ASSERT_FALSE(rtf.isEmpty());
    for (const char* name : {"text/rtf", "text/richtext"}) {
        Script s(QStringLiteral("<>"));
        putOnClipboard(QStringLiteral("Enter Bold italic under red Big [[Play Audio]]"), rtf,
                       QString::fromLatin1(name));
        s.rtb().setSelStart(1);
        s.edit().mnuIncolla_Click();
        // "Enter " 1-6, "Bold" 7-10, "italic" 12-17, "under" 19-23, "red" 25-27, "Big" 29-31.
        ASSERT_TRUE(s.rtb().Text().startsWith(
            QStringLiteral("<Enter Bold italic under red Big [[Play Audio]]")))
            << name;
        s.select(7, 4);
        EXPECT_EQ(s.rtb().SelBold(), true);
        EXPECT_EQ(s.rtb().SelFontName(), QStringLiteral("Liberation Sans"));
        EXPECT_EQ(s.rtb().SelFontSize(), 12);
        s.select(12, 6);
        EXPECT_EQ(s.rtb().SelItalic(), true);
        EXPECT_EQ(s.rtb().SelBold(), false);
        s.select(19, 5);
        EXPECT_EQ(s.rtb().SelUnderline(), true);
        s.select(25, 3);
        EXPECT_EQ(s.rtb().SelColor(), RGB(255, 0, 0));
        s.select(29, 3);
        EXPECT_EQ(s.rtb().SelFontSize(), 20);
        EXPECT_EQ(s.rtb().SelFontName(), QStringLiteral("DejaVu Serif"));
    }
}

TEST(Clipboard, PlainTextGoesInInTheFormatAtTheCaretAndReplacesTheSelection) {
    Script s(QStringLiteral("aXXb"));
    s.select(0, 4);
    s.rtb().setSelItalic(true);
    putOnClipboard(QStringLiteral("line one\nline two"), {}, {});
    s.select(1, 2);
    s.edit().mnuIncolla_Click();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("aline one\r\nline twob"));
    s.select(1, 19);
    EXPECT_EQ(s.rtb().SelItalic(), true);
}

TEST(Clipboard, CutIsOneStepAndCopyingNothingKeepsTheClipboard) {
    Script s(QStringLiteral("keep this"));
    putOnClipboard(QStringLiteral("from elsewhere"), {}, {});
    s.rtb().setSelStart(2);
    s.edit().mnuCopia_Click();
    s.edit().mnuTaglia_Click();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("from elsewhere"));
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("keep this"));

    s.select(4, 5);
    s.edit().mnuTaglia_Click();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("keep"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral(" this"));
    s.edit().mnuAnnulla_Click();
    EXPECT_EQ(s.rtb().Text(), QStringLiteral("keep this"));
}

TEST(Clipboard, SelectAllSelectsTheWholeScript) {
    Script s(QStringLiteral("one\r\ntwo"));
    s.rtb().setSelStart(2);
    s.edit().mnuSelezionaTutto_Click();
    EXPECT_EQ(s.rtb().SelStart(), 0);
    EXPECT_EQ(s.rtb().SelLength(), 8);
}

TEST(FontBoxes, OfferTheSystemFamiliesAndTheSizesAndStartAtArial12) {
    Script s{QString()};
    const ComboBox& sizes = *s.form.Combo2;
    QStringList offered;
    for (int i = 0; i < sizes.count(); ++i)
        offered << sizes.itemText(i);
    EXPECT_EQ(offered.join(u','),
              QStringLiteral("5,6,7,8,9,10,11,12,13,14,15,16,18,20,22,24,26,28,36,48,72"));
    EXPECT_EQ(sizes.Text(), QStringLiteral("12"));
    EXPECT_GT(s.form.Combo1->count(), 0);
    EXPECT_EQ(s.form.Combo1->Text(), QStringLiteral("Arial"));
}

TEST(FontBoxes, TypedSizesApplyWhenTheyAreNumbersAndFamiliesOnlyFromTheList) {
    Script s(QStringLiteral("some words"));
    s.select(0, 4);
    ComboBox& sizes = *s.form.Combo2;
    for (const char* ignored : {"0", "x", "-3", "1e9"}) {
        sizes.setEditText(QString::fromLatin1(ignored));
        EXPECT_EQ(s.rtb().SelFontSize(), 12) << ignored;
    }
    sizes.setEditText(QStringLiteral("13.5"));
    EXPECT_EQ(s.rtb().SelFontSize(), 13.5);

    ComboBox& names = *s.form.Combo1;
    const int last = names.count() - 1;
    const QString family = names.itemText(last);
    names.setEditText(QStringLiteral("Typed Name"));
    EXPECT_NE(s.rtb().SelFontName(), QStringLiteral("Typed Name"));
    names.setCurrentIndex(last);
    s.edit().Combo1_Click();
    EXPECT_EQ(s.rtb().SelFontName(), family);
    s.select(5, 5);
    EXPECT_NE(s.rtb().SelFontName(), family) << "only the selection is formatted";
}

TEST(FormattingToolbar, ShowsTheFormatUnderTheCaretAndLeavesBoxesForAMixedSelection) {
    Script s(QStringLiteral("plain [[Play Audio]] tail"));
    s.select(6, 14);
    s.rtb().setSelFontName(QStringLiteral("Arial"));
    s.rtb().setSelFontSize(14);
    s.rtb().setSelBold(true);
    s.rtb().setSelAlignment(2);
    s.form.Combo1->setEditText(QStringLiteral("Something"));

    s.rtb().setSelStart(10);
    s.edit().AggiornaFormato();
    EXPECT_EQ(s.form.Combo2->Text(), QStringLiteral("14"));
    EXPECT_EQ(s.form.Combo1->Text(), QStringLiteral("Arial"));
    EXPECT_EQ(s.form.Label2[4]->BorderStyle(), 1) << "bold";
    for (int flat : {5, 6, 7, 8, 10})
        EXPECT_EQ(s.form.Label2[flat]->BorderStyle(), 0) << flat;
    EXPECT_EQ(s.form.Label2[9]->BorderStyle(), 1) << "centred";
    EXPECT_EQ(s.rtb().SelFontSize(), 14) << "showing the size does not apply it";

    // Half bold, two sizes: bold shows flat and the size box keeps what it shows.
    s.select(0, 10);
    s.edit().AggiornaFormato();
    EXPECT_EQ(s.form.Label2[4]->BorderStyle(), 0);
    EXPECT_EQ(s.form.Combo2->Text(), QStringLiteral("14"));
}
