#include "platform/rtf/RtfTestSupport.h"

#include <QTextList>

using namespace Qt::StringLiterals;
using namespace rtftest;

namespace {

QTextCharFormat Format(const QString& family, double points) {
    QTextCharFormat f;
    f.setFontFamilies({family});
    f.setFontPointSize(points);
    return f;
}

using Runs = std::vector<std::pair<QString, QTextCharFormat>>;

// Builds a document line by line; consecutive bulleted lines share one list.
class Script {
public:
    void Add(const Runs& runs, Qt::Alignment alignment = Qt::AlignLeft, bool bullet = false) {
        QTextCursor cursor(&doc);
        cursor.movePosition(QTextCursor::End);
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(alignment);
        if (empty_)
            cursor.setBlockFormat(blockFormat);
        else
            cursor.insertBlock(blockFormat);
        empty_ = false;
        for (const auto& [text, format] : runs)
            cursor.insertText(text, format);
        if (!bullet)
            list_ = nullptr;
        else if (list_)
            list_->add(cursor.block());
        else
            list_ = cursor.createList(QTextListFormat::ListDisc);
    }

    QTextDocument doc;

private:
    bool empty_ = true;
    QTextList* list_ = nullptr;
};

std::unique_ptr<QTextDocument> RoundTrip(const QTextDocument& doc) {
    return ReadRtf(rtf::Write(&doc));
}

void ExpectSameFormat(const QTextCharFormat& expected, const QTextCharFormat& actual,
                      const char* what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(Family(actual), Family(expected));
    EXPECT_DOUBLE_EQ(actual.fontPointSize(), expected.fontPointSize());
    EXPECT_EQ(Bold(actual), Bold(expected));
    EXPECT_EQ(actual.fontItalic(), expected.fontItalic());
    EXPECT_EQ(actual.fontUnderline(), expected.fontUnderline());
    EXPECT_EQ(actual.fontStrikeOut(), expected.fontStrikeOut());
    ASSERT_EQ(HasColor(actual), HasColor(expected));
    if (HasColor(expected)) {
        EXPECT_EQ(actual.foreground().color(), expected.foreground().color());
    }
}

} // namespace

TEST(RtfWriterRoundTrip, CharacterFormats) {
    Script script;
    const QTextCharFormat plain = Format("Arial", 12);
    QTextCharFormat bold = plain, italic = plain, under = plain, strike = plain, red = plain,
                    black = plain;
    bold.setFontWeight(QFont::Bold);
    italic.setFontItalic(true);
    under.setFontUnderline(true);
    strike.setFontStrikeOut(true);
    red.setForeground(QColor(200, 10, 20));
    black.setForeground(Qt::black);
    const QTextCharFormat mono = Format("Courier New", 10.5);
    QTextCharFormat all = Format("Georgia", 20);
    all.setFontWeight(QFont::Bold);
    all.setFontItalic(true);
    all.setFontUnderline(true);
    all.setFontStrikeOut(true);
    all.setForeground(QColor(0, 0, 255));
    const Runs runs = {{"plain ", plain}, {"bold ", bold},     {"italic ", italic},
                       {"under ", under}, {"strike ", strike}, {"red ", red},
                       {"black ", black}, {"mono ", mono},     {"all", all}};
    script.Add(runs);
    script.Add({{"second", Format("Times New Roman", 14)}, {"default", QTextCharFormat()}});
    const QTextDocument& doc = script.doc;

    const auto back = RoundTrip(doc);
    ASSERT_EQ(Lines(*back), Lines(doc));
    for (const auto& [text, format] : runs)
        ExpectSameFormat(format, FormatOf(*back, text), qPrintable(text));
    ExpectSameFormat(Format("Times New Roman", 14), FormatOf(*back, "second"), "second");
    // Text without a font of its own gets the document's default font, spelled out.
    ExpectSameFormat(Format(doc.defaultFont().family(), doc.defaultFont().pointSizeF()),
                     FormatOf(*back, "default"), "default");
}

TEST(RtfWriterRoundTrip, AlignmentAndBullets) {
    Script script;
    const QTextCharFormat f = Format("Arial", 12);
    script.Add({{"left", f}});
    script.Add({{"right", f}}, Qt::AlignRight);
    script.Add({{"centre", f}}, Qt::AlignHCenter);
    script.Add({{"justify", f}}, Qt::AlignJustify);
    script.Add({{"b1", f}}, Qt::AlignLeft, true);
    script.Add({{"b2", f}}, Qt::AlignHCenter, true);
    script.Add({{"plain", f}});
    script.Add({{"b3", f}}, Qt::AlignLeft, true);
    const QTextDocument& doc = script.doc;

    const auto back = RoundTrip(doc);
    ASSERT_EQ(Lines(*back), Lines(doc));
    for (int i = 0; i < doc.blockCount(); ++i) {
        EXPECT_EQ(Block(*back, i).blockFormat().alignment(),
                  Block(doc, i).blockFormat().alignment())
            << "block " << i;
        EXPECT_EQ(Block(*back, i).textList() != nullptr, Block(doc, i).textList() != nullptr)
            << "block " << i;
    }
    QTextList* first = Block(*back, 4).textList();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(Block(*back, 5).textList(), first);
    EXPECT_NE(Block(*back, 7).textList(), first);
}

TEST(RtfWriterRoundTrip, TextAndLines) {
    Script script;
    QTextCharFormat bold = Format("Arial", 12);
    bold.setFontWeight(QFont::Bold);
    const QTextCharFormat plain = Format("Arial", 12);
    const QString text = u"Привет — “quotes” café €5 \\ {braces} \t tab 😀 中文 ΑΒΓ "_s +
                         QChar(0x00A0) + "nbsp  two  spaces ";
    script.Add({{text, plain}});
    // Digits and spaces right after a formatting change must not merge into a control word.
    script.Add({{"x", plain}, {"9", bold}, {"1 ", plain}, {" -2", bold}});
    script.Add({});
    script.Add({});
    script.Add({{"after empty lines", plain}});
    script.Add({});
    // An empty line keeps its own format: typing there starts with it.
    QTextCursor(script.doc.lastBlock()).setBlockCharFormat(Format("Georgia", 20));
    const QTextDocument& doc = script.doc;

    const auto back = RoundTrip(doc);
    EXPECT_EQ(Lines(*back), Lines(doc));
    EXPECT_TRUE(Bold(FormatOf(*back, "9")));
    EXPECT_FALSE(Bold(FormatOf(*back, "1 ")));
    EXPECT_EQ(Family(back->lastBlock().charFormat()), "Georgia");
    EXPECT_DOUBLE_EQ(back->lastBlock().charFormat().fontPointSize(), 20.0);

    const QTextDocument empty;
    EXPECT_EQ(Lines(*RoundTrip(empty)), QStringList({""}));
}

TEST(RtfWriterOutput, HeaderEscapesAndParagraphs) {
    Script script;
    QTextCharFormat odd = Format(u"Fancy {Font}; Ж"_s, 12);
    script.Add({{u"é П 😀 \\{}\t"_s + QChar(0x00A0), odd}});
    script.Add({{"bullet", Format("Arial", 12)}}, Qt::AlignLeft, true);
    const QByteArray out = rtf::Write(&script.doc);

    EXPECT_TRUE(out.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl")) << out.data();
    EXPECT_TRUE(out.contains("\\viewkind4"));
    EXPECT_TRUE(out.endsWith("}\r\n"));
    EXPECT_TRUE(std::all_of(out.cbegin(), out.cend(), [](char c) { return c > 0; }));
    EXPECT_EQ(out.count("\\par\r\n"), 2);
    for (const char* escape :
         {"\\'e9", "\\u1055 ?", "\\u-10179 ?\\u-8704 ?", "\\\\\\{\\}", "\\tab\\~",
          "{\\f0\\fnil\\fcharset0 Fancy \\{Font\\} \\u1046 ?;}", "{\\f2\\fnil\\fcharset2 Symbol;}",
          "{\\pntext\\f2\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf2"})
        EXPECT_TRUE(out.contains(escape)) << escape << "\n" << out.data();
    EXPECT_EQ(Family(FormatOf(*ReadRtf(out), u"П"_s)), u"Fancy {Font} Ж"_s);
}

TEST(RtfWriterRange, PartialRanges) {
    Script script;
    QTextCharFormat bold = Format("Arial", 12);
    bold.setFontWeight(QFont::Bold);
    script.Add({{"Hello ", Format("Arial", 12)}, {"world", bold}});
    script.Add({{"Second line", Format("Arial", 12)}});
    script.Add({{"Third", Format("Arial", 12)}});
    const QTextDocument& doc = script.doc;
    // Positions: "Hello world" 0-10, separator 11, "Second line" 12-22, "Third" 24-28.
    const auto middle = ReadRtf(rtf::Write(&doc, 6, 18));
    EXPECT_EQ(Lines(*middle), QStringList({"world", "Second"}));
    EXPECT_TRUE(Bold(FormatOf(*middle, "world")));
    // A range that holds a line break keeps it: pasted, the line stays a whole line.
    EXPECT_EQ(Lines(*ReadRtf(rtf::Write(&doc, 0, 12))), QStringList({"Hello world", ""}));
    EXPECT_EQ(Lines(*ReadRtf(rtf::Write(&doc, 0, 11))), QStringList({"Hello world"}));
    EXPECT_EQ(Lines(*ReadRtf(rtf::Write(&doc, 3, 3))), QStringList({""}));
    EXPECT_EQ(rtf::Write(&doc, 12, -1), rtf::Write(&doc, 12, doc.characterCount() - 1));
    EXPECT_EQ(Lines(*ReadRtf(rtf::Write(&doc, 12))), QStringList({"Second line", "Third"}));
}

TEST(RtfWriterPandoc, PandocReadsTheSameText) {
    Script script;
    QTextCharFormat bold = Format("Arial", 12);
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic = Format("Courier New", 10);
    italic.setFontItalic(true);
    script.Add({{"Plain ", Format("Arial", 12)},
                {"bold", bold},
                {" and ", Format("Arial", 12)},
                {"italic", italic}});
    script.Add({{u"Café, Привет, “quotes” — dash"_s, Format("Arial", 12)}});
    script.Add({{"Braces {x} and back\\slash", Format("Arial", 12)}}, Qt::AlignHCenter);
    const QTextDocument& doc = script.doc;
    const auto plain = RunPandoc({"-f", "rtf", "-t", "plain", "--wrap=none"}, rtf::Write(&doc));
    if (!plain) GTEST_SKIP() << "pandoc is not available";
    QStringList lines = QString::fromUtf8(*plain).split('\n');
    lines.removeAll(QString());
    EXPECT_EQ(lines, Lines(doc));
}

TEST(RtfLongScript, FortyThousandLinesRoundTrip) {
    // About 2 MB: 40,000 lines, most with a formatting change or two.
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fnil "
                     "Courier New;}}{\\colortbl ;\\red255\\green0\\blue0;}\r\n";
    for (int i = 0; i < 40000; ++i) {
        rtf += "\\pard\\qc\\f0\\fs24 {\\b CUE ";
        rtf += QByteArray::number(i);
        rtf += "} \"Where is he?\" {\\cf1\\f1 lights} fade caf\\'e9.\\par\r\n";
    }
    rtf += "}";
    ASSERT_GT(rtf.size(), 2'000'000);

    // Speed is measured by the benchmark (bench/); this checks that nothing is lost at size.
    QTextDocument doc;
    rtf::Read(rtf, &doc);
    const QByteArray written = rtf::Write(&doc);

    ASSERT_EQ(doc.blockCount(), 40000);
    EXPECT_EQ(Block(doc, 39999).text(), u"CUE 39999 \"Where is he?\" lights fade café."_s);
    EXPECT_EQ(ReadRtf(written)->toPlainText(), doc.toPlainText());
}
