#include "platform/rtf/RtfTestSupport.h"

#include <QRegularExpression>
#include <QTextList>

using namespace Qt::StringLiterals;
using namespace rtftest;

namespace {

QString PlainText(const QByteArray& rtf) {
    return ReadRtf(rtf)->toPlainText();
}

// A cut can leave the sign of a parameter ("\\fi-") behind as text, so minus signs are
// ignored along with white space.
QString Significant(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[\\s-]")));
    return text;
}

} // namespace

TEST(RtfReaderTokens, ControlSymbolsAndDelimiters) {
    // The space after a control word is its delimiter; a second one is text.
    EXPECT_EQ(PlainText(R"({\rtf1\b bold\b0  plain})"), "bold plain");
    const auto doc = ReadRtf(R"({\rtf1 a\~b\-c\_d\\\{\}e})");
    EXPECT_EQ(Lines(*doc).value(0), u"a\u00A0bc\u2011d\\{}e"_s);
    EXPECT_EQ(PlainText(R"({\rtf1 \tab\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote)"
                        R"(\emspace\enspace\qmspace\zwj\zwnj\ltrmark\rtlmark x})"),
              u"\t\u2014\u2013\u2022\u2018\u2019\u201C\u201D\u2003\u2002\u2005x"_s);
}

TEST(RtfReaderTokens, ParametersAndOverlongWords) {
    // An unknown 40-letter word is ignored; the text after it is kept.
    EXPECT_EQ(PlainText(R"({\rtf1 \abcdefghijabcdefghijabcdefghijabcdefghij x})"), "x");
    // A digit run is the parameter, so "\b1" is bold on and "2" is text.
    const auto doc = ReadRtf(R"({\rtf1\b1 2\b0 3\fs99999999999999999 big})");
    EXPECT_EQ(Lines(*doc).value(0), "23big");
    EXPECT_TRUE(Bold(FormatOf(*doc, "2")));
    EXPECT_FALSE(Bold(FormatOf(*doc, "3")));
    EXPECT_DOUBLE_EQ(FormatOf(*doc, "big").fontPointSize(), 1638.0);
}

TEST(RtfReaderTokens, RawLineBreaksAreIgnoredButEscapedOnesBreak) {
    EXPECT_EQ(Lines(*ReadRtf("{\\rtf1 one\r\ntwo\\\nthree\\\r\nfour}")),
              QStringList({"onetwo", "three", "four"}));
}

TEST(RtfReaderCharFormat, WordPad) {
    const auto doc = ReadRtf(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{"
        "\\f0\\fnil\\fcharset0 "
        "Calibri;}{\\f1\\fnil\\fcharset0 Courier New;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
        "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
        "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 Plain \\b bold\\b0  \\i italic\\i0  \\ul "
        "under\\ulnone  \\strike gone\\strike0  \\cf1 red\\cf0  \\f1\\fs28 mono\\f0\\fs22  "
        "\\v hidden\\v0 end\\par\r\n}\r\n");
    // Hidden text is kept for the file behind a zero-width space.
    EXPECT_EQ(Lines(*doc), QStringList({u"Plain bold italic under gone red mono \u200Bend"_s}));
    const QTextCharFormat plain = FormatOf(*doc, "Plain ");
    EXPECT_EQ(Family(plain), "Calibri");
    EXPECT_DOUBLE_EQ(plain.fontPointSize(), 11.0);
    EXPECT_FALSE(Bold(plain));
    EXPECT_FALSE(plain.fontItalic() || plain.fontUnderline() || plain.fontStrikeOut());
    EXPECT_FALSE(HasColor(plain));
    EXPECT_TRUE(Bold(FormatOf(*doc, "bold")));
    EXPECT_TRUE(FormatOf(*doc, "italic").fontItalic());
    EXPECT_TRUE(FormatOf(*doc, "under").fontUnderline());
    EXPECT_TRUE(FormatOf(*doc, "gone").fontStrikeOut());
    EXPECT_EQ(FormatOf(*doc, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(HasColor(FormatOf(*doc, "mono")));
    EXPECT_EQ(Family(FormatOf(*doc, "mono")), "Courier New");
    EXPECT_DOUBLE_EQ(FormatOf(*doc, "mono").fontPointSize(), 14.0);
}

TEST(RtfReaderCharFormat, Word) {
    const auto doc = ReadRtf(
        R"({\rtf1\adeflang1025\ansi\ansicpg1252\uc1\adeff31507\deff0\stshfdbch31505\deflang1033)"
        R"({\fonttbl{\f0\fbidi \froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;})"
        R"({\f37\fbidi \fswiss\fcharset0\fprq2{\*\panose 020f0502020204030204}Calibri{\*\falt Calibri Light};}})"
        "\r\n"
        R"({\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red255\green0\blue0;})"
        R"({\*\defchp \fs22\loch\af31506\hich\af31506\dbch\af31505 })"
        R"({\stylesheet{\ql \li0\ri0\sa160\widctlpar\rtlch\fcs1 \af0\afs22 \ltrch\fcs0 \f31506\fs22 \snext0 \sqformat Normal;}})"
        R"({\*\rsidtbl \rsid1\rsid2}{\info{\author Someone}{\creatim\yr2024\mo1\dy2}})"
        "\r\n"
        R"(\pard\plain \ltrpar\qc \li0\ri0\sa160\widctlpar\rtlch\fcs1 \af0\afs22 \ltrch\fcs0 \f37\fs22\lang1033 )"
        R"({\rtlch\fcs1 \af0 \ltrch\fcs0 \b\insrsid1 Title}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \par })"
        R"(\pard \ltrpar\qj \li0\ri0\sa160 {\rtlch\fcs1 \af0 \ltrch\fcs0 \cf3\insrsid1 Red })"
        R"({\rtlch\fcs1 \ab\af0 \ltrch\fcs0 \i\ul\insrsid1 styled}{\rtlch\fcs1 \af0 \ltrch\fcs0 \insrsid1 \par }})");
    EXPECT_EQ(Lines(*doc), QStringList({"Title", "Red styled"}));
    EXPECT_EQ(Block(*doc, 0).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(Block(*doc, 1).blockFormat().alignment(), Qt::AlignJustify);
    const QTextCharFormat title = FormatOf(*doc, "Title");
    EXPECT_TRUE(Bold(title));
    EXPECT_EQ(Family(title), "Calibri");
    EXPECT_DOUBLE_EQ(title.fontPointSize(), 11.0);
    EXPECT_EQ(FormatOf(*doc, "Red").foreground().color(), QColor(255, 0, 0));
    EXPECT_TRUE(FormatOf(*doc, "styled").fontItalic());
    EXPECT_TRUE(FormatOf(*doc, "styled").fontUnderline());
    EXPECT_FALSE(Bold(FormatOf(*doc, "styled")));
}

TEST(RtfReaderCharFormat, LibreOffice) {
    const auto doc = ReadRtf(
        "{\\rtf1\\ansi\\deff3\\adeflang1025\n"
        "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New "
        "Roman;}{\\f1\\froman\\fprq2\\fcharset2 "
        "Symbol;}{\\f3\\froman\\fprq2\\fcharset0 Liberation Serif{\\*\\falt Times New "
        "Roman};}{\\f4\\fswiss\\fprq2\\fcharset0 Liberation Sans{\\*\\falt Arial};}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;}\n"
        "{\\stylesheet{\\s0\\snext0\\ql\\nowidctlpar\\loch\\f3\\fs24\\lang1033 Normal;}}\n"
        "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64}{\\info{\\creatim\\yr2024}}\\deftab709\n"
        "\\viewkind1\n"
        "{\\*\\pgdsctbl\n{\\pgdsc0\\pgdscuse451\\pgwsxn12240\\pgdscnxt0 Default Page Style;}}\n"
        "\\formshade{\\*\\pgdscno0}\\paperh15840\\sectd\\sbknone\\pgndec\n"
        "{\\*\\ftnsep\\chftnsep}\\pgndec\\pard\\plain \\s0\\ql\\nowidctlpar\\ltrpar\\cf0\\loch\\f3"
        "\\hich\\af3\\fs24\\lang1033\\qr{\\loch\nRight }{\\b\\loch\nbold}\n"
        "\\par \\pard\\plain \\s0\\ql\\loch\\f4\\fs32\\cf2 {\\i\\loch Sans}\\par }");
    EXPECT_EQ(Lines(*doc), QStringList({"Right bold", "Sans"}));
    EXPECT_EQ(Block(*doc, 0).blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(Block(*doc, 1).blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_EQ(Family(FormatOf(*doc, "Right ")), "Liberation Serif");
    EXPECT_DOUBLE_EQ(FormatOf(*doc, "Right ").fontPointSize(), 12.0);
    EXPECT_TRUE(Bold(FormatOf(*doc, "bold")));
    const QTextCharFormat sans = FormatOf(*doc, "Sans");
    EXPECT_EQ(Family(sans), "Liberation Sans");
    EXPECT_DOUBLE_EQ(sans.fontPointSize(), 16.0);
    EXPECT_TRUE(sans.fontItalic());
    EXPECT_EQ(sans.foreground().color(), QColor(0, 0, 128));
}

TEST(RtfReaderCharFormat, DefaultsPlainAndAutomaticColour) {
    const auto doc = ReadRtf(R"({\rtf1\deff1{\fonttbl{\f0 Arial;}{\f1 Georgia;}})"
                             R"({\colortbl;\red1\green2\blue3;;}\f0\fs40\b\cf1 a\plain b)"
                             R"(\cf2 c\cf1 d\cf0 e\cf9 f\f7 g})");
    const QTextCharFormat a = FormatOf(*doc, "a");
    EXPECT_EQ(Family(a), "Arial");
    EXPECT_TRUE(Bold(a));
    EXPECT_EQ(a.foreground().color(), QColor(1, 2, 3));
    // \plain goes back to the \deff font at 12 points.
    const QTextCharFormat b = FormatOf(*doc, "b");
    EXPECT_EQ(Family(b), "Georgia");
    EXPECT_DOUBLE_EQ(b.fontPointSize(), 12.0);
    EXPECT_FALSE(Bold(b));
    EXPECT_FALSE(HasColor(b));
    // An empty table entry, \cf0 and a missing entry all mean automatic.
    EXPECT_FALSE(HasColor(FormatOf(*doc, "c")));
    EXPECT_TRUE(HasColor(FormatOf(*doc, "d")));
    EXPECT_FALSE(HasColor(FormatOf(*doc, "e")));
    EXPECT_FALSE(HasColor(FormatOf(*doc, "f")));
    // An unknown font number falls back to the default font.
    EXPECT_EQ(Family(FormatOf(*doc, "g")), "Georgia");
}

TEST(RtfReaderCharFormat, ALaterTableReplacesTheOneWaitingTextReferredTo) {
    // Numbers read under the first table are looked up in the second, where they name nothing:
    // automatic colour, default font. Once through a run, once through a paragraph's format.
    const char* colours = R"({\colortbl;\red255\green0\blue0;\red0\green255\blue0;)"
                          R"(\red0\green0\blue255;})";
    const auto run =
        ReadRtf(R"({\rtf1\ansi)"_ba + colours + R"(\cf3 hello{\colortbl;}\par world})");
    EXPECT_EQ(Lines(*run), QStringList({"hello", "world"}));
    EXPECT_FALSE(HasColor(FormatOf(*run, "hello")));
    EXPECT_FALSE(HasColor(FormatOf(*run, "world")));
    const auto paragraph =
        ReadRtf(R"({\rtf1)"_ba + colours + R"(\cf3 hello\par{\colortbl;}world})");
    EXPECT_FALSE(HasColor(Block(*paragraph, 1).charFormat()));
    EXPECT_FALSE(HasColor(FormatOf(*paragraph, "world")));

    const char* fonts = R"({\fonttbl{\f0 Arial;}{\f1 Georgia;}{\f2 Verdana;}})";
    const char* second = R"({\fonttbl{\f0 Courier New;}})";
    const auto fontRun =
        ReadRtf(R"({\rtf1)"_ba + fonts + R"(\f2 hello)" + second + R"(\par world})");
    EXPECT_EQ(Family(FormatOf(*fontRun, "hello")), "Courier New");
    EXPECT_EQ(Family(FormatOf(*fontRun, "world")), "Courier New");
    const auto fontParagraph =
        ReadRtf(R"({\rtf1)"_ba + fonts + R"(\f2 hello\par)" + second + R"(world})");
    EXPECT_EQ(Family(Block(*fontParagraph, 1).charFormat()), "Courier New");
}

TEST(RtfReaderParagraphs, AlignmentAppliesWhenTheParagraphEnds) {
    const auto doc = ReadRtf(R"({\rtf1\pard\ql L\par\pard\qr R\par\pard\qc C\par\pard\qj J\par)"
                             R"(\pard late \qr alignment\par same\par\pard reset\par})");
    const Qt::Alignment expected[] = {Qt::AlignLeft,    Qt::AlignRight, Qt::AlignHCenter,
                                      Qt::AlignJustify, Qt::AlignRight, Qt::AlignRight,
                                      Qt::AlignLeft};
    ASSERT_EQ(doc->blockCount(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Block(*doc, i).blockFormat().alignment(), expected[i]) << "block " << i;
}

TEST(RtfReaderParagraphs, WordPadBullets) {
    const auto doc = ReadRtf(
        R"({\rtf1\ansi{\fonttbl{\f0\fnil Arial;}{\f1\fnil\fcharset2 Symbol;}})"
        R"(\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-720\li720 One\par)"
        R"({\pntext\f1\'B7\tab}Two\par)"
        R"(\pard Three\par)"
        R"(\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}Four\par})");
    EXPECT_EQ(Lines(*doc), QStringList({"One", "Two", "Three", "Four"}));
    QTextList* first = Block(*doc, 0).textList();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(Block(*doc, 1).textList(), first);
    EXPECT_EQ(Block(*doc, 2).textList(), nullptr);
    ASSERT_NE(Block(*doc, 3).textList(), nullptr);
    EXPECT_NE(Block(*doc, 3).textList(), first);
}

TEST(RtfReaderParagraphs, WordAndLibreOfficeLists) {
    const auto doc = ReadRtf(
        R"({\rtf1{\fonttbl{\f0 Arial;}{\f3 Symbol;}}{\*\listtable{\list\listtemplateid1{\listlevel)"
        R"(\levelnfc23{\leveltext\'01\u-3913 ?;}{\levelnumbers;}\f3}\listid1}})"
        R"({\*\listoverridetable{\listoverride\listid1\listoverridecount0\ls1}})"
        R"({\listtext\pard\plain\f3 \'b7\tab}\pard\plain \ql\fi-360\li720\ls1\ilvl0 Alpha\par)"
        R"({\listtext\pard\plain\f3 \'b7\tab}Beta\par)"
        R"(\pard\plain\ls0 Gamma\par})");
    EXPECT_EQ(Lines(*doc), QStringList({"Alpha", "Beta", "Gamma"}));
    ASSERT_NE(Block(*doc, 0).textList(), nullptr);
    EXPECT_EQ(Block(*doc, 1).textList(), Block(*doc, 0).textList());
    EXPECT_EQ(Block(*doc, 2).textList(), nullptr);
}

TEST(RtfReaderCodePages, FontTableNamesAndCharsets) {
    const auto doc = ReadRtf(
        R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fswiss\fcharset0 Arial;})"
        R"({\f1\froman\fcharset204{\*\panose 02020603050405020304}Times New {\b Roman} Cyr{\*\falt Times};})"
        R"({\f2\fnil\fcharset134 \'cb\'ce\'cc\'e5;}})"
        R"(\f0 caf\'e9 \'80 \'93q\'94 \f1 \'cf\'f0\'e8\'e2\'e5\'f2\f2 x})");
    EXPECT_EQ(Lines(*doc).value(0), u"café € “q” Приветx"_s);
    EXPECT_EQ(Family(FormatOf(*doc, u"Привет"_s)), "Times New Roman Cyr");
    EXPECT_EQ(Family(FormatOf(*doc, "x")), u"宋体"_s);
}

TEST(RtfReaderCodePages, DocumentCodePageAndDoubleByteCharacters) {
    // Fonts without a charset use \ansicpg; gathered bytes decode together across line breaks.
    EXPECT_EQ(PlainText(R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0\fnil Arial;}}\f0 \'cf\'f0\'e8})"),
              u"При"_s);
    EXPECT_EQ(PlainText("{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\r\n\\'82\\'a2}"), u"あい"_s);
    EXPECT_EQ(PlainText(R"({\rtf1{\fonttbl{\f0\fcharset129 Gulim;}}\f0 \'c7\'d1})"), u"한"_s);
    EXPECT_EQ(PlainText(R"({\rtf1\ansi\ansicpg65001 caf\'c3\'a9})"), u"café"_s);
    // Old-style table: entries separated by semicolons only.
    const auto doc = ReadRtf(R"({\rtf1{\fonttbl\f0\fswiss Arial;\f1\froman Times;}\f1 t})");
    EXPECT_EQ(Family(FormatOf(*doc, "t")), "Times");
}

TEST(RtfReaderCodePages, MacAsianAndCyrillicCodePages) {
    // TextEdit on a Japanese Mac: Mac code page and Mac charset.
    const auto mac = ReadRtf(
        R"({\rtf1\mac\ansicpg10001{\fonttbl{\f0\fnil\fcharset78 \'82\'6c\'82\'72 \'96\'be\'92\'a9;}})"
        R"(\f0 \'93\'fa\'96\'7b\'83A})");
    EXPECT_EQ(Lines(*mac).value(0), u"\u65E5\u672C\u30A2"_s);
    EXPECT_EQ(Family(FormatOf(*mac, u"\u65E5"_s)), u"\uFF2D\uFF33 \u660E\u671D"_s);
    EXPECT_EQ(PlainText(R"({\rtf1\mac caf\'8e})"), u"caf\u00E9"_s);
    EXPECT_EQ(PlainText(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})"),
              u"\u041F\u0440\u0438\u0432\u0435\u0442"_s);
    EXPECT_EQ(PlainText(R"({\rtf1\ansi\ansicpg936 \'d6\'d0\'ce\'c4})"), u"\u4E2D\u6587"_s);
    EXPECT_EQ(PlainText(R"({\rtf1{\fonttbl{\f1\fcharset89 Mac Cyr;}}\f1 \'8f})"), u"\u041F"_s);
}

TEST(RtfReaderUnicode, FallbackSkipping) {
    EXPECT_EQ(PlainText(R"({\rtf1 \u1055?\u1088?})"), u"Пр"_s);
    EXPECT_EQ(PlainText(R"({\rtf1 \uc2\u1055\'cf\'f0!})"), u"П!"_s);
    EXPECT_EQ(PlainText(R"({\rtf1 \uc0\u8220 q\u8221 })"), u"“q”"_s);
    // Negative values are the upper half; two of them make a surrogate pair.
    EXPECT_EQ(PlainText(R"({\rtf1 \u-10179?\u-8704?})"), u"😀"_s);
    // A control word counts as one fallback character.
    EXPECT_EQ(PlainText(R"({\rtf1 \u1055\tab x})"), u"Пx"_s);
    // Skipping stops at a group boundary, and \uc is scoped to its group.
    EXPECT_EQ(PlainText(R"({\rtf1 \uc3 {\u1055}ab})"), u"Пab"_s);
    EXPECT_EQ(PlainText(R"({\rtf1 {\uc2 \u1055 xx}\u1088 yz})"), u"Прz"_s);
}

TEST(RtfReaderDestinations, SkippedTextNeverShows) {
    const auto doc =
        ReadRtf(R"({\rtf1\ansi{\*\generator Msftedit 5.41;}{\info{\title T}{\author A}})"
                R"({\stylesheet{\s0 Normal;}}{\header Head}{\footerl Foot}{\*\unknown thing})"
                R"(a{\pict\wmetafile8\picw100 0100090000037a0000000000}b{\*\bkmkstart mark}c)"
                R"({\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt {\ul link}}})"
                R"({\field{\fldinst PAGE}{\fldrslt 1}}{\footnote note}{\*\themedata 0a0b})"
                R"({\object\objemb{\*\objdata 01}{\result{\pict 00}}}d{\*\blob\bin5 }{\}x}e})");
    // A footnote shows as its number, the text kept for the file behind it.
    EXPECT_EQ(Lines(*doc), QStringList({"abclink11de"}));
    EXPECT_TRUE(FormatOf(*doc, "link").fontUnderline());
}

TEST(RtfReaderStructure, BreaksAndFinalPar) {
    EXPECT_EQ(Lines(*ReadRtf(R"({\rtf1 a\line b\par c\page d\sect e\row f\cell g})")),
              QStringList({"a", "b", "c", "d", "e", "f\tg"}));
    EXPECT_EQ(Lines(*ReadRtf(R"({\rtf1 a\par b\par})")), QStringList({"a", "b"}));
    EXPECT_EQ(Lines(*ReadRtf(R"({\rtf1 a\par b\par\par})")), QStringList({"a", "b", ""}));
    EXPECT_EQ(Lines(*ReadRtf(R"({\rtf1 a\par b})")), QStringList({"a", "b"}));
    EXPECT_EQ(Lines(*ReadRtf(R"({\rtf1 \par})")), QStringList({""}));
    EXPECT_EQ(Lines(*ReadRtf("")), QStringList({""}));
}

TEST(RtfReaderStructure, DamagedInput) {
    // Extra closing braces, missing ones, and input that is not RTF at all.
    EXPECT_EQ(Lines(*ReadRtf(R"({\rtf1 a\par}}})")), QStringList({"a"}));
    const auto open = ReadRtf(R"({\rtf1 {\b a\par b)");
    EXPECT_EQ(Lines(*open), QStringList({"a", "b"}));
    EXPECT_TRUE(Bold(FormatOf(*open, "b")));
    EXPECT_EQ(PlainText("x}y {z}"), "xy z");
    EXPECT_EQ(PlainText(R"({\rtf1 a{\pict\bin99999 xyz)"), "a");
}

TEST(RtfReaderStructure, AnyDepthOfNestingIsReadAndRestored) {
    // Outlook nests text more than a thousand groups deep; none of it may be lost.
    QByteArray deep = R"({\rtf1 a)";
    deep += QByteArray(200000, '{') + "deep" + QByteArray(200000, '}') + "b}";
    EXPECT_EQ(PlainText(deep), "adeepb");
    // Formatting opened deep inside ends with its group, however deep.
    QByteArray nested = R"({\rtf1 a{\b )";
    for (int i = 0; i < 3000; ++i)
        nested += i == 2000 ? "{\\i " : "{";
    nested += "x" + QByteArray(3000, '}') + "c}d}";
    const auto doc = ReadRtf(nested);
    EXPECT_EQ(Lines(*doc).value(0), "axcd");
    EXPECT_TRUE(FormatOf(*doc, "x").fontItalic());
    EXPECT_TRUE(Bold(FormatOf(*doc, "c")));
    EXPECT_FALSE(FormatOf(*doc, "c").fontItalic());
    EXPECT_FALSE(Bold(FormatOf(*doc, "d")));
}

TEST(RtfReaderDestinations, AStarOnlyMarksADestinationAtTheStartOfAGroup) {
    EXPECT_EQ(PlainText(R"({\rtf1 {\b bold \*still shown} after})"), "bold still shown after");
    // StarWriter writes "\*" in front of words it made up, in the middle of the document.
    EXPECT_EQ(PlainText(R"({\rtf1{\*\unknown x}\pard\plain\*\soutlevel0 Text of a play\par})"),
              "Text of a play");
}

TEST(RtfReaderDestinations, WhatLibreOfficeShowsOfTablesSymbolsAndTextBoxes) {
    // The plain-text copy of a nested table is for readers without nested tables.
    EXPECT_EQ(Lines(*ReadRtf(R"({\rtf1 a\nestcell b\nestcell{\*\nesttableprops\nestrow})"
                             R"({\nonesttables a\tab b}\par})")),
              QStringList({"a\tb\t"}));
    // The Unicode twin of an ANSI text is the one meant.
    EXPECT_EQ(PlainText(R"({\rtf1 {\upr{A-text}{\*\ud{U-text \u26085?}}}})"), u"U-text \u65E5"_s);
    // A SYMBOL field with an empty result stands for its character; a result is kept as is.
    EXPECT_EQ(PlainText(R"({\rtf1 x{\field{\*\fldinst SYMBOL 97 \\f "Symbol" \\s 12}{\fldrslt }}y)"
                        R"({\field{\*\fldinst SYMBOL 61623 \\f Symbol}{\fldrslt }})"
                        R"({\field{\*\fldinst SYMBOL 65}{\fldrslt }})"
                        R"({\field{\*\fldinst {SYMBOL 97 \\f "Symbol"}}{\fldrslt {b}}}})"),
              u"x\u03B1y\u2022Ab"_s);
    // A text box's text is read; the drawing's fallback picture or copy is not.
    EXPECT_EQ(Lines(*ReadRtf(R"({\rtf1 a{\shp{\*\shpinst{\sp{\sn shapeType}{\sv 202}})"
                             R"({\shptxt box text\par}}{\shprslt fallback}}b})")),
              QStringList({"abox text", "b"}));
}

TEST(RtfReaderStructure, EveryPrefixOfAFileLoads) {
    const QByteArray full =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil"
        "\\fcharset204 Times;}{\\f2\\fnil\\fcharset2 Symbol;}}\r\n{\\colortbl ;\\red255\\green0"
        "\\blue0;}\r\n{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1\r\n\\pard\\qc\\f0\\fs24 "
        "Caf\\'e9 \\b bold\\b0\\par\r\n\\pard{\\pntext\\f2\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf2"
        "\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 \\f1 \\'cf\\'f0\\f0\\cf1 red\\cf0\\par\r\n"
        "\\pard end {\\pict\\wmetafile8 0102}\\par\r\n}\r\n";
    const auto whole = ReadRtf(full);
    ASSERT_EQ(Lines(*whole), QStringList({u"Café bold"_s, u"Прred"_s, "end "}));
    const QString wholeText = Significant(whole->toPlainText());
    for (int size = 0; size < full.size(); ++size) {
        const auto part = ReadRtf(full.left(size));
        EXPECT_TRUE(wholeText.startsWith(Significant(part->toPlainText()))) << "cut at " << size;
        EXPECT_LE(part->blockCount(), whole->blockCount()) << "cut at " << size;
    }
}

TEST(RtfReaderPandoc, ReadsPandocOutput) {
    const auto rtf =
        RunPandoc({"-f", "markdown", "-t", "rtf", "-s"}, "Plain *italic* **bold**\n\nSecond\n");
    if (!rtf) GTEST_SKIP() << "pandoc is not available";
    const auto doc = ReadRtf(*rtf);
    QStringList lines = Lines(*doc);
    lines.removeAll(QString());
    EXPECT_EQ(lines, QStringList({"Plain italic bold", "Second"}));
    EXPECT_TRUE(FormatOf(*doc, "italic").fontItalic());
    EXPECT_FALSE(Bold(FormatOf(*doc, "italic")));
    EXPECT_TRUE(Bold(FormatOf(*doc, "bold")));
    EXPECT_FALSE(FormatOf(*doc, "Plain").fontItalic());
}
