// Small documents of each kind word processors make of a prompt book. Each is read and checked
// as the editor holds it, written, checked as LibreOffice and pandoc read what was written, and
// read again.
#include "platform/rtf/RtfTestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextList>
#include <QTextTable>

using namespace Qt::StringLiterals;
using namespace rtftest;

namespace {

// LibreOffice's conversion of an RTF file: "txt:Text" gives its plain text, "html" its
// tables. Fails the test when LibreOffice is missing: the test dependencies install it.
std::optional<QString> LibreOffice(const QByteArray& rtf, const QString& filter) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        ADD_FAILURE() << "soffice (libreoffice-writer-nogui) is not installed";
        return std::nullopt;
    }
    // One profile for the whole run: making one takes longer than a conversion.
    static QTemporaryDir profile;
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("script.rtf"));
    QFile file(in);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) return std::nullopt;
    file.close();
    QProcess process;
    process.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + profile.path(),
                            QStringLiteral("--headless"), QStringLiteral("--convert-to"), filter,
                            QStringLiteral("--outdir"), dir.path(), in});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        ADD_FAILURE() << "soffice failed: " << process.readAllStandardError().toStdString();
        return std::nullopt;
    }
    const QString extension = filter.section(u':', 0, 0);
    QFile out(dir.filePath(QStringLiteral("script.") + extension));
    if (!out.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "soffice wrote no " << extension.toStdString();
        return std::nullopt;
    }
    QString text = QString::fromUtf8(out.readAll());
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

std::optional<QString> Pandoc(const QByteArray& rtf, const char* format) {
    const auto out = RunPandoc({"-f", "rtf", "-t", format}, rtf);
    if (!out) ADD_FAILURE() << "pandoc is not installed or failed";
    return out ? std::optional<QString>(QString::fromUtf8(*out)) : std::nullopt;
}

QStringList NonEmptyLines(const QString& text) {
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r?\n")));
    for (QString& line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines;
}

// The text of every cell of every table in an HTML page, row by row.
QList<QStringList> HtmlRows(const QString& html) {
    static const QRegularExpression row(QStringLiteral("<tr[^>]*>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QList<QStringList> rows;
    for (auto r = row.globalMatch(html); r.hasNext();) {
        const QString cellsHtml = r.next().captured(1);
        QStringList cells;
        for (auto c = cell.globalMatch(cellsHtml); c.hasNext();)
            cells
                << c.next().captured(1).remove(tag).replace(blanks, QStringLiteral(" ")).trimmed();
        rows << cells;
    }
    return rows;
}

// The table the block holding `text` stands in, and its cell there.
QTextTableCell CellOf(const QTextDocument& doc, const QString& text, QTextTable** table) {
    const QTextCursor found = doc.find(text, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull()) {
        ADD_FAILURE() << "not in the document: " << text.toStdString();
        return {};
    }
    *table = found.currentTable();
    return *table ? (*table)->cellAt(found.position()) : QTextTableCell();
}

// What every document here must survive: written, read again, it is the same document, and
// writing that gives the same file.
QByteArray ExpectStableThroughSave(const QTextDocument& doc) {
    const QByteArray saved = rtf::Write(&doc);
    const auto again = ReadRtf(saved);
    EXPECT_EQ(again->toRawText(), doc.toRawText());
    EXPECT_EQ(rtf::Write(again.get()).toStdString(), saved.toStdString());
    return saved;
}

const QByteArray kPromptBook =
    R"({\rtf1\ansi\deff0{\fonttbl{\f0 Times New Roman;}}{\colortbl;\red0\green0\blue255;})"
    "\r\n"
    R"(\pard Act One\par)"
    "\r\n"
    R"(\trowd\trgaph108\trleft-108\clbrdrt\brdrs\brdrw10\cellx4500\clbrdrt\brdrs\brdrw10\cellx9000)"
    R"(\pard\intbl HAMLET: To be, or not to be\par that is the question\cell)"
    R"(\pard\intbl {\cf1 [[FadeIn Slow]]}\cell\pard\intbl\row)"
    "\r\n"
    R"(\trowd\trgaph108\trleft-108\cellx4500\cellx9000)"
    R"(\pard\intbl OPHELIA: Good my lord\cell\pard\intbl {\cf1 [[thunder.wav]]}\cell)"
    R"(\pard\intbl\row)"
    "\r\n"
    R"(\pard End\par})";

} // namespace

TEST(RtfPromptBook, ATwoColumnTableWithCuesInTheRightColumn) {
    const auto doc = ReadRtf(kPromptBook);
    // Each cell is its own line; nothing joins the next cell.
    const QStringList lines = {"Act One",
                               "HAMLET: To be, or not to be",
                               "that is the question",
                               "[[FadeIn Slow]]",
                               "OPHELIA: Good my lord",
                               "[[thunder.wav]]",
                               "End"};
    EXPECT_EQ(Lines(*doc), lines);
    EXPECT_EQ(doc->toPlainText().split(u'\n'), lines);
    QTextTable* table = nullptr;
    const QTextTableCell cue = CellOf(*doc, "[[FadeIn Slow]]", &table);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 2);
    EXPECT_EQ(cue.row(), 0);
    EXPECT_EQ(cue.column(), 1);
    EXPECT_EQ(CellOf(*doc, "[[thunder.wav]]", &table).column(), 1);
    EXPECT_EQ(CellOf(*doc, "that is the question", &table).column(), 0);
    EXPECT_EQ(FormatOf(*doc, "[[FadeIn Slow]]").foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(table->format().columnWidthConstraints(),
              QList<QTextLength>({QTextLength(QTextLength::FixedLength, 300),
                                  QTextLength(QTextLength::FixedLength, 300)}));
    EXPECT_GT(table->format().border(), 0);
    EXPECT_EQ(doc->find("End").currentTable(), nullptr);

    const QByteArray saved = ExpectStableThroughSave(*doc);
    if (const auto text = LibreOffice(saved, QStringLiteral("txt:Text"))) {
        EXPECT_EQ(NonEmptyLines(*text), lines);
    }
    const QList<QStringList> rows = {
        {"HAMLET: To be, or not to be that is the question", "[[FadeIn Slow]]"},
        {"OPHELIA: Good my lord", "[[thunder.wav]]"}};
    if (const auto html = LibreOffice(saved, QStringLiteral("html"))) {
        EXPECT_EQ(HtmlRows(*html), rows);
    }
    if (const auto html = Pandoc(saved, "html")) {
        EXPECT_EQ(HtmlRows(*html), rows);
    }
}

TEST(RtfPromptBook, NestedTablesAndTextOnlyInTheNestedTableDescription) {
    // Word: a nested table's cells end with \nestcell, its rows are described afterwards.
    const auto word = ReadRtf(R"({\rtf1\ansi\trowd\cellx3000\cellx6000)"
                              R"(\pard\intbl Cast\par)"
                              R"(\pard\intbl\itap2 Hamlet\nestcell Prince\nestcell)"
                              R"({\*\nesttableprops\trowd\cellx1500\cellx3000\nestrow})"
                              R"({\nonesttables Hamlet Prince\par})"
                              R"(\pard\intbl\itap1\cell\pard\intbl Notes\cell\pard\intbl\row)"
                              R"(\pard After\par})");
    // A table that opens the document follows an empty line: the editor has one there.
    EXPECT_EQ(Lines(*word), QStringList({"", "Cast", "Hamlet", "Prince", "", "Notes", "After"}));
    QTextTable* inner = nullptr;
    QTextTable* outer = nullptr;
    EXPECT_EQ(CellOf(*word, "Prince", &inner).column(), 1);
    EXPECT_EQ(CellOf(*word, "Cast", &outer).column(), 0);
    ASSERT_NE(inner, nullptr);
    ASSERT_NE(outer, nullptr);
    EXPECT_NE(inner, outer);
    EXPECT_EQ(inner->parentFrame(), outer);
    EXPECT_EQ(outer->cellAt(inner->firstPosition()).column(), 0);
    EXPECT_EQ(CellOf(*word, "Notes", &outer).column(), 1);

    // A writer that puts the nested cells' text inside the description itself.
    const auto inside = ReadRtf(R"({\rtf1\ansi\trowd\cellx4000\cellx8000\pard\intbl Names\cell)"
                                R"(\pard\intbl\itap2{\*\nesttableprops\trowd\cellx2000\cellx4000)"
                                R"(\pard\intbl\itap2 Rosencrantz\nestcell)"
                                R"(\pard\intbl\itap2 Guildenstern\nestcell\nestrow})"
                                R"(\pard\intbl\itap1\cell\row})");
    EXPECT_EQ(CellOf(*inside, "Guildenstern", &inner).column(), 1);
    EXPECT_EQ(CellOf(*inside, "Names", &outer).column(), 0);
    EXPECT_EQ(inner->parentFrame(), outer);

    const QByteArray saved = ExpectStableThroughSave(*word);
    const QStringList words = {"Cast", "Hamlet", "Prince", "Notes", "After"};
    if (const auto text = LibreOffice(saved, QStringLiteral("txt:Text"))) {
        EXPECT_EQ(NonEmptyLines(*text), words);
    }
    if (const auto html = LibreOffice(saved, QStringLiteral("html"))) {
        // A table inside the first cell of another.
        static const QRegularExpression nested(
            QStringLiteral("<table.*<td[^>]*>.*Cast.*<table.*Hamlet.*</td>.*Prince.*</table>.*"
                           "</td>.*<td[^>]*>.*Notes.*</table>"),
            QRegularExpression::DotMatchesEverythingOption);
        EXPECT_TRUE(nested.match(*html).hasMatch()) << html->toStdString();
    }
    // pandoc knows no nested tables: it drops the text before one in a cell (Word's files
    // too) and runs the nested cells together.
    if (const auto text = Pandoc(saved, "plain")) {
        for (const QString& w : words.mid(1))
            EXPECT_TRUE(text->contains(w)) << w.toStdString();
    }
    ExpectStableThroughSave(*inside);
}

TEST(RtfPromptBook, MergedCells) {
    const auto doc = ReadRtf(R"({\rtf1\ansi)"
                             R"(\trowd\clmgf\cellx3000\clmrg\cellx6000\cellx9000)"
                             R"(\pard\intbl Scene\cell\pard\intbl\cell\pard\intbl Cue\cell\row)"
                             R"(\trowd\clvmgf\cellx3000\cellx6000\cellx9000)"
                             R"(\pard\intbl Chorus\cell\pard\intbl B2\cell\pard\intbl C2\cell\row)"
                             R"(\trowd\clvmrg\cellx3000\cellx6000\cellx9000)"
                             R"(\pard\intbl\cell\pard\intbl B3\cell\pard\intbl C3\cell\row})");
    QTextTable* table = nullptr;
    const QTextTableCell wide = CellOf(*doc, "Scene", &table);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(wide.columnSpan(), 2);
    EXPECT_EQ(CellOf(*doc, "Cue", &table).column(), 2);
    const QTextTableCell tall = CellOf(*doc, "Chorus", &table);
    EXPECT_EQ(tall.rowSpan(), 2);
    EXPECT_EQ(table->cellAt(2, 0), tall);
    EXPECT_EQ(CellOf(*doc, "B3", &table).row(), 2);

    // Word writes a heading across the table as a row of one wide cell.
    const auto heading = ReadRtf(R"({\rtf1\trowd\cellx9000\pard\intbl ACT ONE\cell\row)"
                                 R"(\trowd\cellx4500\cellx9000\pard\intbl Text\cell\pard\intbl)"
                                 R"( [[Cue]]\cell\row})");
    EXPECT_EQ(CellOf(*heading, "ACT ONE", &table).columnSpan(), 2);
    EXPECT_EQ(CellOf(*heading, "[[Cue]]", &table).column(), 1);
    EXPECT_EQ(table->format().columnWidthConstraints().size(), 2);
    ExpectStableThroughSave(*heading);

    const QByteArray saved = ExpectStableThroughSave(*doc);
    const QStringList words = {"Scene", "Cue", "Chorus", "B2", "C2", "B3", "C3"};
    if (const auto text = LibreOffice(saved, QStringLiteral("txt:Text"))) {
        EXPECT_EQ(NonEmptyLines(*text), words);
    }
    if (const auto html = LibreOffice(saved, QStringLiteral("html"))) {
        // Merged cells are one cell each: 2 + 3 + 2.
        const QList<QStringList> rows = HtmlRows(*html);
        ASSERT_EQ(rows.size(), 3);
        EXPECT_EQ(rows[0], QStringList({"Scene", "Cue"}));
        EXPECT_EQ(rows[1], QStringList({"Chorus", "B2", "C2"}));
        EXPECT_EQ(rows[2], QStringList({"B3", "C3"}));
    }
    if (const auto text = Pandoc(saved, "plain")) {
        for (const QString& w : words)
            EXPECT_TRUE(text->contains(w)) << w.toStdString();
    }
}

TEST(RtfPromptBook, DamagedTablesLoseNoText) {
    // Cut short inside a row, cells with no row, a \row with no table, more cells than a row
    // may hold, and nesting past any writer's.
    QByteArray many = R"({\rtf1\trowd\pard\intbl )";
    for (int i = 0; i < 100; ++i)
        many += "c" + QByteArray::number(i) + R"(\cell )";
    many += R"(\row})";
    QByteArray deep = R"({\rtf1\pard\intbl\itap200 deep\nestcell\nestrow\row after})";
    for (const QByteArray& rtf :
         {QByteArray(R"({\rtf1\trowd\cellx100\pard\intbl one\cell two)"),
          QByteArray(R"({\rtf1 a\cell b\row c\nestrow d\par})"), many, deep}) {
        SCOPED_TRACE(rtf.toStdString());
        const auto doc = ReadRtf(rtf);
        QString expected = QString::fromLatin1(rtf);
        static const QRegularExpression words(QStringLiteral("\\\\[a-z]+\\d*|[{} ]"));
        expected.remove(words);
        QString text = doc->toPlainText();
        text.remove(QRegularExpression(QStringLiteral("\\s")));
        EXPECT_EQ(text, expected);
        ExpectStableThroughSave(*doc);
    }
    // A paragraph of the file before a table, a note just before a cell's end, a note's word
    // in the middle of a group whose text has shown: the same after a save.
    for (const QByteArray& rtf :
         {QByteArray(R"({\rtf1\fs30\par\trowd\cellx900\intbl e{\*\atnid X}\cell\row})"),
          QByteArray(R"({\rtf1 f{g\*\atnid X} h\par})")}) {
        SCOPED_TRACE(rtf.toStdString());
        ExpectStableThroughSave(*ReadRtf(rtf));
    }
}

TEST(RtfPromptBook, NumberedListsOfFiveStylesOverThreeLevels) {
    const auto doc = ReadRtf(
        R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\*\listtable{\list\listtemplateid1)"
        R"({\listlevel\levelnfc0\levelstartat3{\leveltext\'02\'00.;}{\levelnumbers\'01;}})"
        R"({\listlevel\levelnfc4{\leveltext\'03(\'01);}{\levelnumbers\'02;}})"
        R"({\listlevel\levelnfc2{\leveltext\'02\'02);}{\levelnumbers\'01;}}\listid7})"
        R"({\list\listtemplateid2{\listlevel\levelnfc3{\leveltext\'08Scene \'00:;})"
        R"({\levelnumbers\'07;}}{\listlevel\levelnfc1{\leveltext\'02\'01.;}{\levelnumbers\'01;}})"
        R"(\listid8}}{\*\listoverridetable{\listoverride\listid7\listoverridecount0\ls1})"
        R"({\listoverride\listid8\listoverridecount0\ls2}})"
        R"(\pard\ls1\ilvl0 Prologue\par\pard\ls1\ilvl1 Enter Chorus\par)"
        R"(\pard\ls1\ilvl2 thunder\par\pard\ls1\ilvl2 lightning\par\pard\ls1\ilvl1 Exit\par)"
        R"(\pard\ls1\ilvl0 Act One\par\pard\ls1\ilvl1 Enter Hamlet\par\pard Interlude\par)"
        R"(\pard\ls2\ilvl0 Elsinore\par\pard\ls2\ilvl1 Platform\par\pard\ls1\ilvl0 Act Two\par})");
    // What the editor shows before each line. A level restarts after an item above it; a
    // list goes on past other paragraphs. This Qt shows every list from 1, so the start
    // number 3 is kept for the file but not shown.
    const QStringList numbers = {"1.",  "(a)", "i)",       "ii)", "(b)", "2.",
                                 "(a)", "",    "Scene A:", "I.",  "3."};
    QStringList shown;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        shown << (b.textList() ? b.textList()->itemText(b) : QString());
    EXPECT_EQ(shown, numbers);
    EXPECT_EQ(Block(*doc, 0).textList()->format().indent(), 1);
    EXPECT_EQ(Block(*doc, 2).textList()->format().indent(), 3);
    EXPECT_EQ(Block(*doc, 0).textList()->format().intProperty(rtf::kListStartProperty), 3);

    const QByteArray saved = ExpectStableThroughSave(*doc);
    const auto again = ReadRtf(saved);
    QStringList shownAgain;
    for (QTextBlock b = again->begin(); b.isValid(); b = b.next())
        shownAgain << (b.textList() ? b.textList()->itemText(b) : QString());
    EXPECT_EQ(shownAgain, numbers);
    if (const auto text = LibreOffice(saved, QStringLiteral("txt:Text"))) {
        EXPECT_EQ(NonEmptyLines(*text),
                  QStringList({"3. Prologue", "(a) Enter Chorus", "i) thunder", "ii) lightning",
                               "(b) Exit", "4. Act One", "(a) Enter Hamlet", "Interlude",
                               "Scene A: Elsinore", "I. Platform", "5. Act Two"}));
    }
    if (const auto text = Pandoc(saved, "plain")) {
        // pandoc knows the styles, not the text around the number nor where levels restart.
        for (const char* line : {"3.  Prologue", "a.  Enter Chorus", "i.  thunder", "ii. lightning",
                                 "A.  Elsinore", "I.  Platform"})
            EXPECT_TRUE(text->contains(QLatin1String(line))) << line << "\n" << text->toStdString();
    }
}

TEST(RtfPromptBook, SymbolAndWingdingsCharactersReadAsWhatTheyShow) {
    const auto doc = ReadRtf(
        R"({\rtf1\ansi{\fonttbl{\f0 Times New Roman;}{\f1\fcharset2 Symbol;})"
        R"({\f2\fnil\fcharset2 Wingdings;}}\pard{\f1 a}-D-Glucosidase, {\f1\'b3} 5{\f1\u-3996 ?})"
        R"({\f1\'b7})"
        R"(\par\pard{\f2\'46} Cue here {\f2 J}\par})");
    const QStringList lines = {u"\u03B1-D-Glucosidase, \u2265 5\u03B4\u2022"_s,
                               u"\u261E Cue here \u263A"_s};
    EXPECT_EQ(Lines(*doc), lines);
    // Find looks for the character shown, not the Latin letter under it.
    EXPECT_FALSE(doc->find(u"\u03B1-D"_s).isNull());
    EXPECT_TRUE(doc->find("a-D").isNull());
    // Shown in a text font: the symbol font would show other pictures for these characters.
    EXPECT_NE(Family(FormatOf(*doc, u"\u03B1"_s)), "Symbol");

    const QByteArray saved = ExpectStableThroughSave(*doc);
    if (const auto text = LibreOffice(saved, QStringLiteral("txt:Text"))) {
        EXPECT_EQ(NonEmptyLines(*text), lines);
    }
    if (const auto text = Pandoc(saved, "plain")) {
        EXPECT_EQ(NonEmptyLines(*text), lines);
    }
}

TEST(RtfPromptBook, HeadersFootersFootnotesHiddenTextNotesAndFieldsSurviveASave) {
    const auto doc = ReadRtf(
        R"({\rtf1\ansi\deff0{\fonttbl{\f0 Times New Roman;}{\f1 Arial;}})"
        R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"({\header\pard\plain\f1\cf1 Hamlet - prompt copy\par})"
        R"({\footer\pard\plain\f1 Page {\field{\*\fldinst PAGE}{\fldrslt 1}}\par})"
        R"(\pard\plain\f0 Enter the ghost{\super\chftn}{\footnote\pard\plain{\super\chftn} In )"
        R"(armour.}.\par\pard See {\field{\*\fldinst HYPERLINK "http://example.org/cues"})"
        R"({\fldrslt {\ul\cf2 the cue sheet}}} now.{\v secret note} [[thunder.wav]]\par)"
        R"(\pard Director{\*\atnid DR}{\*\atnauthor Director}\chatn{\*\annotation\pard\plain )"
        R"(Louder here.} speaks\par})");
    // The footnote shows as its number; hidden text and the note stand behind a zero-width
    // space; the header and footer are not in the script's text.
    const QStringList lines = {"Enter the ghost1.",
                               u"See the cue sheet now.\u200B [[thunder.wav]]"_s,
                               u"Director\u200B speaks"_s};
    EXPECT_EQ(Lines(*doc), lines);
    EXPECT_EQ(FormatOf(*doc, "1").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_TRUE(FormatOf(*doc, "the cue sheet")
                    .property(rtf::kFieldInstructionProperty)
                    .toByteArray()
                    .contains("HYPERLINK \"http://example.org/cues\""));

    const QByteArray saved = ExpectStableThroughSave(*doc);
    if (auto html = LibreOffice(saved, QStringLiteral("html"))) {
        html->replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
        static const QRegularExpression header(QStringLiteral(
            R"(<div title="header">.*#ff0000.*Arial.*Hamlet - prompt copy.*</div>)"));
        EXPECT_TRUE(header.match(*html).hasMatch());
        static const QRegularExpression footer(
            QStringLiteral(R"(<div title="footer">.*Arial.*Page .*<sdfield type=PAGE)"));
        EXPECT_TRUE(footer.match(*html).hasMatch());
        EXPECT_TRUE(html->contains(QLatin1String("sdfootnoteanc")));
        EXPECT_TRUE(html->contains(QLatin1String("In armour.")));
        EXPECT_TRUE(html->contains(QLatin1String(R"(<a href="http://example.org/cues">)")));
        EXPECT_TRUE(html->contains(QLatin1String(R"(display: none">secret note)")));
        EXPECT_TRUE(html->contains(QLatin1String("<!-- Louder here. -->")));
        EXPECT_FALSE(html->contains(QChar(0x200B)));
    }
    if (const auto text = Pandoc(saved, "plain")) {
        EXPECT_TRUE(text->contains(QLatin1String("Enter the ghost[1].")));
        EXPECT_TRUE(text->contains(QLatin1String("[1] In armour.")));
    }
}
