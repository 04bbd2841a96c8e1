// RTF reader: a flat tokenizer loop over the bytes with an explicit group stack, so no input
// can exhaust the call stack, feeding text into the document run by run.
#include "platform/rtf/Rtf.h"
#include "platform/rtf/TextCodec.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rtf {

bool LooksLikeRtf(const QByteArray& data) {
    QByteArrayView rest(data);
    if (rest.startsWith("\xEF\xBB\xBF")) rest = rest.sliced(3);
    while (!rest.isEmpty() && (rest.front() == ' ' || rest.front() == '\t' ||
                               rest.front() == '\r' || rest.front() == '\n'))
        rest = rest.sliced(1);
    return rest.startsWith("{\\rtf");
}

namespace {

constexpr long long kMaxParam = 1'000'000'000;
// Bounds that keep every part of a run key inside its bit field.
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxFonts = 1 << 16;
constexpr int kMaxColors = 1 << 16;
// Where a run's key keeps its font slot and its colour number.
constexpr int kSlotShift = 40;
constexpr quint64 kSlotField = ~quint64(0) << kSlotShift;
constexpr int kColorShift = 4;
constexpr quint64 kColorField = quint64(0xFFFFF) << kColorShift;
constexpr int kMaxUc = 100;
// Word nests tables at most 64 deep and a row holds at most 63 cells; more only comes from
// damaged files, whose extra cells are read into the last one.
constexpr int kMaxTableDepth = 64;
constexpr int kMaxColumns = 63;
// Cell edges this close (in twips) are the same edge.
constexpr int kEdgeSlack = 20;
// The document's table widths are in pixels at 96 dpi; RTF's are in twips.
constexpr double kTwipsPerPixel = 15.0;

enum class Dest : unsigned char {
    Text,          // document text
    Skip,          // content never shows
    FontTable,     // \fonttbl
    ColorTable,    // \colortbl
    Pn,            // old-style list description: only tells whether the paragraph is a list item
    Upr,           // \upr: an ANSI text, skipped, and its Unicode twin (\ud), which is read
    Shape,         // a drawing: nothing shows but the text of its text box (\shptxt)
    FieldInst,     // a field's instruction, kept for the fields whose result must be made
    ListTable,     // \listtable: the lists' number styles, level by level
    LevelText,     // \leveltext: a level's number text, placeholders as characters 0 to 8
    ListOverrides, // \listoverridetable: which list each \lsN means
};

struct CharState {
    int font = -1; // \fN number; -1 is the \deff font
    int halfPoints = 24;
    int color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
};

// RTF scopes character and paragraph properties, \uc and the destination to the group.
struct GroupState {
    CharState ch;
    Qt::Alignment align = Qt::AlignLeft;
    bool listItem = false; // old-style list (\pn) or \ls without a list table
    int ls = 0;            // \lsN: Word's list
    int ilvl = 0;          // its level
    bool pnBullet = false; // old-style list: bullets, or numbers in this style
    int pnNfc = 0;
    int pnStart = 1;
    int pnLevel = 0;
    bool inTable = false;   // \intbl
    int itap = 0;           // table nesting of the paragraph
    bool nestProps = false; // inside \nesttableprops: row words are the nested table's
    // A group kept as it stands in the file: where it starts, at what depth, and what it is.
    const char* keepStart = nullptr;
    int keepDepth = 0;
    unsigned char keepKind = 0; // kKeepSection or kKeepFieldInstruction
    int uc = 1;
    Dest dest = Dest::Text;
    int owner = 0; // for Pn: the stack entry of the group whose paragraph it describes
};

// Nested groups that change nothing share one entry, so that any depth of nesting costs
// memory only for the levels that really differ.
struct GroupLevel {
    GroupState state;
    int repeats = 0; // further open groups with the same state
};

// A field being read: its instruction, and whether its result showed anything.
struct FieldState {
    int depth = 0;
    QString instruction;
    bool resultShown = false;
    QByteArray raw;        // the instruction group as the file has it, references made neutral
    bool brokenUp = false; // its result went on past a paragraph's end
};
constexpr unsigned char kKeepSection = 1;
constexpr unsigned char kKeepFieldInstruction = 2;
constexpr unsigned char kKeepInline = 3;
constexpr int kMaxInstruction = 1000;
constexpr qsizetype kMaxKept = 64 << 20;

enum class Kw : unsigned char {
    Par,
    Cell,
    NestCell,
    Row,
    NestRow,
    InTable,
    Itap,
    RowDefaults,
    CellX,
    MergeFirst,
    MergeNext,
    VMergeFirst,
    VMergeNext,
    Border,
    BorderNone,
    NestTableProps,
    Char, // named character; ch == 0 drops it
    Pard,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    StrikeDouble,
    Hidden,
    Font,
    FontSize,
    Color,
    AlignLeft,
    AlignRight,
    AlignCenter,
    AlignJustify,
    ListOverride,
    Uc,
    U,
    Bin,
    AnsiCpg,
    Ansi,
    Mac,
    Pc,
    Pca,
    Deff,
    FontTable,
    ColorTable,
    Red,
    Green,
    Blue,
    Charset,
    Cpg,
    Pn,
    PnText,
    PnListLevel,
    PnBullet,
    PnStyle,
    PnStart,
    ListTable,
    ListOverrideTable,
    List,
    ListLevelDef,
    ListOverrideDef,
    LevelText,
    ListId,
    LevelNfc,
    LevelStart,
    ListLevelIndex,
    Upr,
    Ud,
    Shape,
    ShapeText,
    Field,
    FieldInst,
    KeepSection,
    KeepInline,
    FootnoteMark,
    AnnotationMark,
    Skip,
};

// Destinations read here even when "\*" marks them as ignorable.
bool ReadsDestination(Kw kind) {
    return kind == Kw::Pn || kind == Kw::Ud || kind == Kw::Shape || kind == Kw::ShapeText ||
           kind == Kw::FieldInst || kind == Kw::NestTableProps || kind == Kw::ListTable ||
           kind == Kw::ListOverrideTable || kind == Kw::KeepSection || kind == Kw::KeepInline;
}

struct KwInfo {
    Kw kind;
    char16_t ch = 0;
};

const KwInfo* LookupWord(std::string_view name) {
    static const std::unordered_map<std::string_view, KwInfo> table = [] {
        std::unordered_map<std::string_view, KwInfo> t;
        for (const char* w : {"par", "line", "page", "sect"})
            t.emplace(w, KwInfo{Kw::Par});
        for (const char* w : {"clbrdrt", "clbrdrb", "clbrdrl", "clbrdrr", "trbrdrt", "trbrdrb",
                              "trbrdrl", "trbrdrr", "trbrdrh", "trbrdrv"})
            t.emplace(w, KwInfo{Kw::Border});
        for (const char* w : {"brdrnone", "brdrnil"})
            t.emplace(w, KwInfo{Kw::BorderNone});
        const std::pair<const char*, char16_t> chars[] = {
            {"tab", u'\t'},      {"emdash", 0x2014},  {"endash", 0x2013},    {"bullet", 0x2022},
            {"lquote", 0x2018},  {"rquote", 0x2019},  {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
            {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},   {"zwj", 0},
            {"zwnj", 0},         {"ltrmark", 0},      {"rtlmark", 0},        {"zwbo", 0},
            {"zwnbo", 0},
        };
        for (const auto& [w, ch] : chars)
            t.emplace(w, KwInfo{Kw::Char, ch});
        const std::pair<const char*, Kw> words[] = {
            {"pard", Kw::Pard},
            {"cell", Kw::Cell},
            {"nestcell", Kw::NestCell},
            {"row", Kw::Row},
            {"nestrow", Kw::NestRow},
            {"intbl", Kw::InTable},
            {"itap", Kw::Itap},
            {"trowd", Kw::RowDefaults},
            {"cellx", Kw::CellX},
            {"clmgf", Kw::MergeFirst},
            {"clmrg", Kw::MergeNext},
            {"clvmgf", Kw::VMergeFirst},
            {"clvmrg", Kw::VMergeNext},
            {"nesttableprops", Kw::NestTableProps},
            {"plain", Kw::Plain},
            {"b", Kw::Bold},
            {"i", Kw::Italic},
            {"ulnone", Kw::UnderlineNone},
            {"strike", Kw::Strike},
            {"striked", Kw::StrikeDouble},
            {"v", Kw::Hidden},
            {"f", Kw::Font},
            {"fs", Kw::FontSize},
            {"cf", Kw::Color},
            {"ql", Kw::AlignLeft},
            {"qr", Kw::AlignRight},
            {"qc", Kw::AlignCenter},
            {"qj", Kw::AlignJustify},
            {"ls", Kw::ListOverride},
            {"uc", Kw::Uc},
            {"u", Kw::U},
            {"bin", Kw::Bin},
            {"ansicpg", Kw::AnsiCpg},
            {"ansi", Kw::Ansi},
            {"mac", Kw::Mac},
            {"pc", Kw::Pc},
            {"pca", Kw::Pca},
            {"deff", Kw::Deff},
            {"fonttbl", Kw::FontTable},
            {"colortbl", Kw::ColorTable},
            {"red", Kw::Red},
            {"green", Kw::Green},
            {"blue", Kw::Blue},
            {"fcharset", Kw::Charset},
            {"cpg", Kw::Cpg},
            {"pn", Kw::Pn},
            {"pntext", Kw::PnText},
            {"pnlvlblt", Kw::PnBullet},
            {"pnlvlbody", Kw::PnListLevel},
            {"pnlvl", Kw::PnListLevel},
            {"pnstart", Kw::PnStart},
            {"listtable", Kw::ListTable},
            {"listoverridetable", Kw::ListOverrideTable},
            {"list", Kw::List},
            {"listlevel", Kw::ListLevelDef},
            {"listoverride", Kw::ListOverrideDef},
            {"leveltext", Kw::LevelText},
            {"listid", Kw::ListId},
            {"levelnfc", Kw::LevelNfc},
            {"levelnfcn", Kw::LevelNfc},
            {"levelstartat", Kw::LevelStart},
            {"ilvl", Kw::ListLevelIndex},
            {"upr", Kw::Upr},
            {"ud", Kw::Ud},
            {"shp", Kw::Shape},
            {"shpgrp", Kw::Shape},
            {"shpinst", Kw::Shape},
            {"shptxt", Kw::ShapeText},
            {"field", Kw::Field},
            {"fldinst", Kw::FieldInst},
            {"footnote", Kw::KeepInline},
            {"annotation", Kw::KeepInline},
            {"atnid", Kw::KeepInline},
            {"atnauthor", Kw::KeepInline},
            {"atnref", Kw::KeepInline},
            {"atnicn", Kw::KeepInline},
            {"atrfstart", Kw::KeepInline},
            {"atrfend", Kw::KeepInline},
            {"chftn", Kw::FootnoteMark},
            {"chatn", Kw::AnnotationMark},
            {"header", Kw::KeepSection},
            {"headerl", Kw::KeepSection},
            {"headerr", Kw::KeepSection},
            {"headerf", Kw::KeepSection},
            {"footer", Kw::KeepSection},
            {"footerl", Kw::KeepSection},
            {"footerr", Kw::KeepSection},
            {"footerf", Kw::KeepSection},
        };
        for (const auto& [w, kind] : words)
            t.emplace(w, KwInfo{kind});
        // Old-style list numbers, as the number formats of the list table count them.
        const std::pair<const char*, char16_t> pnStyles[] = {
            {"pndec", 0}, {"pnucrm", 1}, {"pnlcrm", 2}, {"pnucltr", 3}, {"pnlcltr", 4}};
        for (const auto& [w, nfc] : pnStyles)
            t.emplace(w, KwInfo{Kw::PnStyle, nfc});
        // Every underline style is an underline here; \ulc is its colour, not a style.
        for (const char* w : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                              "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                              "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t.emplace(w, KwInfo{Kw::Underline});
        // Destinations whose text never shows in the document.
        for (const char* w : {"stylesheet",
                              "info",
                              "pict",
                              "object",
                              "objdata",
                              "objclass",
                              "objname",
                              "shprslt",
                              "nonshppict",
                              "shppict",
                              "do",
                              "ftnsep",
                              "ftnsepc",
                              "ftncn",
                              "aftnsep",
                              "aftnsepc",
                              "aftncn",
                              "atndate",
                              "atntime",
                              "listpicture",
                              "revtbl",
                              "rsidtbl",
                              "pgdsctbl",
                              "generator",
                              "xmlnstbl",
                              "listtext",
                              "themedata",
                              "colorschememapping",
                              "latentstyles",
                              "datastore",
                              "bkmkstart",
                              "bkmkend",
                              "template",
                              "docvar",
                              "mmathPr",
                              "filetbl",
                              "private",
                              "comment",
                              "title",
                              "subject",
                              "author",
                              "operator",
                              "keywords",
                              "doccomm",
                              "company",
                              "manager",
                              "category",
                              "hlinkbase",
                              "userprops",
                              "xe",
                              "tc",
                              "tcn",
                              "txe",
                              "rxe",
                              "fchars",
                              "lchars",
                              "formfield",
                              "datafield",
                              "blipuid",
                              "picprop",
                              "passwordhash",
                              "protusertbl",
                              "wgrffmtfilter",
                              "mhtmltag",
                              "htmltag",
                              "expandedcolortbl",
                              "background",
                              "panose",
                              "falt",
                              "fname",
                              "pntxtb",
                              "pntxta",
                              "pnseclvl",
                              "defchp",
                              "defpap",
                              "levelnumbers",
                              "nonesttables"})
            t.emplace(w, KwInfo{Kw::Skip});
        return t;
    }();
    const auto found = table.find(name);
    return found == table.end() ? nullptr : &found->second;
}

// Characters the document takes as they are; the rest are line breaks or dropped.
bool IsPlainChar(char16_t ch) {
    return ch >= 0x20 ? ch != 0x2028 && ch != 0x2029 && ch != 0xFFFC && ch != 0xFDD0 && ch != 0xFDD1
                      : ch == u'\t';
}

bool IsLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

int HexValue(unsigned char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The characters of the Symbol font, 0x20 to 0xFF, as Unicode (0: none).
constexpr char16_t kSymbolFont[224] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B,
    0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7,
    0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B,
    0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3,
    0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,
    0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
    0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,      0,
    0,      0,      0,      0,      0,      0,      0,      0,      0x20AC, 0x03D2, 0x2032, 0x2264,
    0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248,
    0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209, 0x2220, 0x2207, 0x00AE, 0x00A9,
    0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3,
    0x23A7, 0x23A8, 0x23A9, 0x23AA, 0,      0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,
};

// The characters of Wingdings, 0x20 to 0xFF, as Unicode (0: none).
constexpr char32_t kWingdingsFont[224] = {
    0x20,    0x270F,  0x2702,  0x2701,  0x1F453, 0x1F56D, 0x1F56E, 0x1F56F, 0x1F57F, 0x2706,
    0x1F582, 0x1F583, 0x1F4EA, 0x1F4EB, 0x1F4EC, 0x1F4ED, 0x1F4C1, 0x1F4C2, 0x1F4C4, 0x1F5CF,
    0x1F5D0, 0x1F5C4, 0x231B,  0x1F5AE, 0x1F5B0, 0x1F5B2, 0x1F5B3, 0x1F5B4, 0x1F5AB, 0x1F5AC,
    0x2707,  0x270D,  0x1F58E, 0x270C,  0x1F44C, 0x1F44D, 0x1F44E, 0x261C,  0x261E,  0x261D,
    0x261F,  0x1F590, 0x263A,  0x1F610, 0x2639,  0x1F4A3, 0x2620,  0x1F3F3, 0x1F3F1, 0x2708,
    0x263C,  0x1F4A7, 0x2744,  0x1F546, 0x271E,  0x1F548, 0x2720,  0x2721,  0x262A,  0x262F,
    0x950,   0x2638,  0x2648,  0x2649,  0x264A,  0x264B,  0x264C,  0x264D,  0x264E,  0x264F,
    0x2650,  0x2651,  0x2652,  0x2653,  0x1F670, 0x1F675, 0x25CF,  0x1F53E, 0x25A0,  0x25A1,
    0x1F790, 0x2751,  0x2752,  0x2B27,  0x29EB,  0x25C6,  0x2756,  0x2B25,  0x2327,  0x2BB9,
    0x2318,  0x1F3F5, 0x1F3F6, 0x1F676, 0x1F677, 0,       0x24EA,  0x2460,  0x2461,  0x2462,
    0x2463,  0x2464,  0x2465,  0x2466,  0x2467,  0x2468,  0x2469,  0x24FF,  0x2776,  0x2777,
    0x2778,  0x2779,  0x277A,  0x277B,  0x277C,  0x277D,  0x277E,  0x277F,  0x1F662, 0x1F660,
    0x1F661, 0x1F663, 0x1F65E, 0x1F65C, 0x1F65D, 0x1F65F, 0xB7,    0x2022,  0x25AA,  0x26AA,
    0x1F786, 0x1F788, 0x25C9,  0x25CE,  0x1F53F, 0x25AA,  0x25FB,  0x1F7C2, 0x2726,  0x2605,
    0x2736,  0x2734,  0x2739,  0x2735,  0x2BD0,  0x2316,  0x27E1,  0x2311,  0x2BD1,  0x272A,
    0x2730,  0x1F550, 0x1F551, 0x1F552, 0x1F553, 0x1F554, 0x1F555, 0x1F556, 0x1F557, 0x1F558,
    0x1F559, 0x1F55A, 0x1F55B, 0x2BB0,  0x2BB1,  0x2BB2,  0x2BB3,  0x2BB4,  0x2BB5,  0x2BB6,
    0x2BB7,  0x1F66A, 0x1F66B, 0x1F655, 0x1F654, 0x1F657, 0x1F656, 0x1F650, 0x1F651, 0x1F652,
    0x1F653, 0x232B,  0x2326,  0x2B98,  0x2B9A,  0x2B99,  0x2B9B,  0x2B88,  0x2B8A,  0x2B89,
    0x2B8B,  0x1F868, 0x1F86A, 0x1F869, 0x1F86B, 0x1F86C, 0x1F86D, 0x1F86F, 0x1F86E, 0x1F878,
    0x1F87A, 0x1F879, 0x1F87B, 0x1F87C, 0x1F87D, 0x1F87F, 0x1F87E, 0x21E6,  0x21E8,  0x21E7,
    0x21E9,  0x2B04,  0x21F3,  0x2B00,  0x2B01,  0x2B03,  0x2B02,  0x1F8AC, 0x1F8AD, 0x1F5F6,
    0x2714,  0x1F5F7, 0x1F5F9, 0,
};

// The character a SYMBOL field stands for: SYMBOL code [\f "font"] [\u] [\a] [\j] [\h] [\s n].
// Codes of a symbol font may be given in the private range Word uses for them (0xF020...).
char16_t SymbolFieldChar(const QString& instruction, int codePage) {
    static const QRegularExpression field(
        QStringLiteral(R"(^\s*SYMBOL\s+(0[xX][0-9A-Fa-f]+|\d+)(.*)$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = field.match(instruction);
    if (!m.hasMatch()) return 0;
    bool ok = false;
    const QString number = m.captured(1);
    const uint code = number.startsWith(u'0') && number.size() > 1 && number[1].toLower() == u'x'
                          ? number.mid(2).toUInt(&ok, 16)
                          : number.toUInt(&ok, 10);
    if (!ok || code == 0 || code > 0xFFFF) return 0;
    const QString switches = m.captured(2);
    static const QRegularExpression fontSwitch(QStringLiteral(R"(\\f\s*"?\s*([^"\\]*))"));
    const QString font = fontSwitch.match(switches).captured(1).trimmed();
    const uint inFont = code >= 0xF020 && code <= 0xF0FF ? code - 0xF000 : code;
    if (font.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0 && inFont >= 0x20 &&
        inFont <= 0xFF)
        return kSymbolFont[inFont - 0x20];
    if (switches.contains(QLatin1String("\\u")) || code > 0xFF) return static_cast<char16_t>(code);
    const QString decoded = DecodeCodePage(QByteArray(1, static_cast<char>(code)), codePage);
    return decoded.size() == 1 ? decoded[0].unicode() : 0;
}

// Fonts whose characters are pictures at the places of Latin letters.
enum class SymbolFont : unsigned char { None, Symbol, Wingdings };

SymbolFont SymbolFontNamed(const QString& name) {
    if (name.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0) return SymbolFont::Symbol;
    if (name.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0)
        return SymbolFont::Wingdings;
    return SymbolFont::None;
}

// The Unicode character a symbol font shows for a code (0x20 to 0xFF, or Word's private
// range 0xF020 to 0xF0FF for the same); 0 when it shows none of its own.
char32_t SymbolFontChar(SymbolFont font, uint code) {
    if (code >= 0xF020 && code <= 0xF0FF) code -= 0xF000;
    if (code < 0x20 || code > 0xFF) return 0;
    if (font == SymbolFont::Symbol) return kSymbolFont[code - 0x20];
    if (font == SymbolFont::Wingdings) return kWingdingsFont[code - 0x20];
    return 0;
}

struct FontEntry {
    int slot = 0; // index into Reader::families_
    int codePage = 0;
    SymbolFont symbols = SymbolFont::None;
};

struct ColorEntry {
    bool automatic = true;
    QRgb rgb = 0;
};

// A level of a list in the list table.
struct LevelDef {
    int nfc = 0; // number format: 0 decimal, 1 I, 2 i, 3 A, 4 a, 23 bullet
    int start = 1;
    QString text; // \leveltext: its length, then the text with placeholders 0 to 8
};
struct ListDef {
    int id = 0;
    std::vector<LevelDef> levels;
};
constexpr size_t kMaxLists = 10000;

// A cell of a row definition: its right edge and how it joins its neighbours.
struct CellDef {
    int right = 0;           // twips
    bool mergeNext = false;  // \clmrg: part of the cell on its left
    bool vMergeNext = false; // \clvmrg: part of the cell above
    int borders = 0;         // sides given a line
};
using RowDef = std::vector<CellDef>;
constexpr size_t kMaxCellDefs = 1000;

// A table being read: the cell the next content goes to, and each finished row's definition.
struct TableState {
    QTextTable* table = nullptr;
    int row = 0;
    int col = 0;
    bool placed = false; // the cursor stands in cell (row, col)
    int rowsUsed = 0;    // the table grows ahead of the rows read, by doubling
    std::vector<RowDef> rowDefs;
};

class Reader {
public:
    Reader(const QByteArray& data, QTextDocument* doc)
        : p_(data.constData()), end_(data.constData() + data.size()), doc_(doc), cursor_(doc) {
        stack_.reserve(64);
        stack_.emplace_back();
        depth_ = 1;
    }

    void Run() {
        // One edit block: the layout updates once, not once per insert.
        cursor_.beginEditBlock();
        SkipPreamble();
        while (p_ < end_ && !finished_) {
            const unsigned char c = static_cast<unsigned char>(*p_++);
            switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                TextByte(c);
                break;
            }
        }
        Finish();
        cursor_.endEditBlock();
    }

private:
    // The group the file opens with is the document; its closing brace ends the document.
    void SkipPreamble() {
        if (end_ - p_ >= 3 && std::string_view(p_, 3) == "\xEF\xBB\xBF") p_ += 3;
        const char* q = p_;
        while (q < end_ && (*q == ' ' || *q == '\t' || *q == '\r' || *q == '\n'))
            ++q;
        if (q < end_ && *q == '{') {
            p_ = q + 1;
            OpenGroup();
            documentGroup_ = true;
        }
    }

    const GroupState& Top() const { return stack_.back().state; }

    // The innermost group's state, for a change that belongs to it alone.
    GroupState& MutableTop() {
        if (stack_.back().repeats > 0) {
            --stack_.back().repeats;
            stack_.push_back(GroupLevel{stack_.back().state, 0});
        }
        return stack_.back().state;
    }

    // A list description marks the paragraph of the group around it, and that group alone:
    // both get entries of their own.
    void SeparateOwner() {
        MutableTop();
        if (stack_.size() < 2) return;
        GroupLevel& owner = stack_[stack_.size() - 2];
        if (owner.repeats == 0) return;
        --owner.repeats;
        const GroupState state = owner.state;
        stack_.insert(stack_.end() - 1, GroupLevel{state, 0});
    }

    const GroupState& Parent() const {
        return stack_.back().repeats > 0 ? stack_.back().state : stack_[stack_.size() - 2].state;
    }

    void OpenGroup() {
        groupStartAt_ = p_ - 1;
        FlushBytes();
        ucSkip_ = 0;
        destinationMarked_ = false;
        groupStart_ = true;
        ++stack_.back().repeats;
        ++depth_;
    }

    void CloseGroup() {
        FlushBytes();
        ucSkip_ = 0;
        destinationMarked_ = false;
        groupStart_ = false;
        if (depth_ <= 1) return; // a stray closing brace
        if (documentGroup_ && depth_ == 2) {
            finished_ = true;
            return;
        }
        if (Top().dest == Dest::FontTable &&
            (depth_ == fontEntryDepth_ || Parent().dest != Dest::FontTable))
            FinishFont();
        if (Top().dest == Dest::ColorTable && Parent().dest != Dest::ColorTable && colorSet_)
            FinishColor();
        if (Top().keepKind && Top().keepDepth == depth_) KeepGroup(Top());
        if (!fields_.empty() && fields_.back().depth == depth_) FinishField();
        if (stack_.back().repeats > 0)
            --stack_.back().repeats;
        else
            stack_.pop_back();
        --depth_;
    }

    void ControlSequence() {
        if (p_ >= end_) return;
        const unsigned char c = static_cast<unsigned char>(*p_);
        if (!IsLetter(c)) {
            ++p_;
            ControlSymbol(c);
            return;
        }
        const char* start = p_;
        while (p_ < end_ && IsLetter(static_cast<unsigned char>(*p_)))
            ++p_;
        const std::string_view name(start, p_ - start);
        bool negative = false;
        if (p_ + 1 < end_ && *p_ == '-' && IsDigit(static_cast<unsigned char>(p_[1]))) {
            negative = true;
            ++p_;
        }
        bool hasParam = false;
        long long value = 0;
        while (p_ < end_ && IsDigit(static_cast<unsigned char>(*p_))) {
            hasParam = true;
            if (value < kMaxParam) value = value * 10 + (*p_ - '0');
            ++p_;
        }
        value = std::min(value, kMaxParam);
        if (p_ < end_ && *p_ == ' ') ++p_;
        ControlWord(name.size() <= 32 ? LookupWord(name) : nullptr, hasParam,
                    static_cast<int>(negative ? -value : value));
    }

    void ControlSymbol(unsigned char c) {
        if (c == '\'') {
            int byte = 0;
            for (int i = 0; i < 2 && p_ < end_; ++i) {
                const int digit = HexValue(static_cast<unsigned char>(*p_));
                if (digit < 0) break;
                byte = byte * 16 + digit;
                ++p_;
            }
            // Gathered without flushing so that double-byte characters decode whole.
            groupStart_ = destinationMarked_ = false;
            if (ucSkip_ > 0) {
                --ucSkip_;
                return;
            }
            const Dest dest = Top().dest;
            if (dest == Dest::Text || dest == Dest::FontTable)
                pendingBytes_.append(static_cast<char>(byte));
            else if (dest == Dest::LevelText)
                AddLevelText(QChar(byte));
            return;
        }
        if (c == '\\' || c == '{' || c == '}') {
            TextByte(c);
            return;
        }
        FlushBytes();
        if (ucSkip_ > 0) {
            --ucSkip_;
            return;
        }
        // "\*" marks a destination only as the first thing in a group; elsewhere it means
        // nothing, and the rest of the group is read as usual.
        const bool atGroupStart = groupStart_;
        groupStart_ = destinationMarked_ = false;
        switch (c) {
        case '*':
            destinationMarked_ = atGroupStart;
            break;
        case '~':
            PutText(u"\u00A0");
            break;
        case '_':
            PutText(u"\u2011");
            break;
        case '\r':
        case '\n':
            if (Top().dest == Dest::Text) EndParagraph();
            break;
        default: // "\-" optional hyphen and the index and formula symbols show nothing
            break;
        }
    }

    void ControlWord(const KwInfo* kw, bool hasParam, int param) {
        if (kw && kw->kind == Kw::Bin) {
            // Raw bytes that could contain anything, braces included.
            FlushBytes();
            const long long count = hasParam ? std::max(param, 0) : 0;
            p_ += std::min<long long>(count, end_ - p_);
            if (ucSkip_ > 0) --ucSkip_;
            return;
        }
        FlushBytes();
        if (ucSkip_ > 0) {
            --ucSkip_;
            return;
        }
        const bool marked = destinationMarked_;
        wordOpensGroup_ = groupStart_ || marked;
        groupStart_ = destinationMarked_ = false;
        if (marked && !(kw && ReadsDestination(kw->kind))) {
            MutableTop().dest = Dest::Skip;
            return;
        }
        if (!kw) return;
        switch (Top().dest) {
        case Dest::Skip:
            return;
        case Dest::Pn: {
            GroupState& owner = stack_[static_cast<size_t>(Top().owner)].state;
            if (kw->kind == Kw::PnBullet) {
                owner.listItem = owner.pnBullet = true;
            } else if (kw->kind == Kw::PnListLevel) {
                owner.listItem = true;
                owner.pnBullet = false;
                owner.pnLevel = hasParam ? std::clamp(param - 1, 0, 8) : 0;
            } else if (kw->kind == Kw::PnStyle) {
                owner.pnNfc = kw->ch;
            } else if (kw->kind == Kw::PnStart) {
                owner.pnStart = param;
            }
            return;
        }
        case Dest::ListTable:
        case Dest::LevelText:
        case Dest::ListOverrides:
            ListWord(*kw, hasParam, param);
            return;
        case Dest::Upr:
            if (kw->kind == Kw::Ud) MutableTop().dest = Dest::Text;
            return;
        case Dest::Shape:
            if (kw->kind == Kw::ShapeText) MutableTop().dest = Dest::Text;
            return;
        case Dest::FieldInst:
            return;
        case Dest::FontTable:
            FontTableWord(*kw, hasParam, param);
            return;
        case Dest::ColorTable:
            ColorTableWord(*kw, param);
            return;
        case Dest::Text:
            break;
        }
        if (kw->kind == Kw::Pn) SeparateOwner();
        GroupState& s = MutableTop();
        const bool on = !hasParam || param != 0;
        switch (kw->kind) {
        case Kw::Par:
            EndParagraph();
            break;
        case Kw::Cell:
        case Kw::NestCell: {
            // A cell mark outside any table (a writer that drew rows with tabs) is a tab.
            const int depth = TableDepth(s);
            if (depth == 0 && tables_.empty()) {
                PutText(u"\t");
                break;
            }
            // A nested cell mark ends a cell at the paragraph's depth, at least the second.
            const int nested = depth >= 2 ? depth : std::max(2, static_cast<int>(tables_.size()));
            EndCell(kw->kind == Kw::Cell ? 1 : nested);
            break;
        }
        case Kw::Row:
            EndRow(1);
            break;
        case Kw::NestRow:
            if (tables_.size() >= 2) EndRow(static_cast<int>(tables_.size()));
            break;
        case Kw::InTable:
            s.inTable = true;
            break;
        case Kw::Itap:
            s.itap = hasParam ? std::clamp(param, 0, kMaxTableDepth) : 1;
            break;
        case Kw::RowDefaults: {
            const int level = DefinitionLevel();
            rowDefs_[static_cast<size_t>(level)].clear();
            if (level == 1) rowDefined_ = true;
            cellDef_ = CellDef();
            break;
        }
        case Kw::CellX: {
            RowDef& defs = rowDefs_[static_cast<size_t>(DefinitionLevel())];
            cellDef_.right = param;
            if (defs.size() < kMaxCellDefs) defs.push_back(cellDef_);
            cellDef_ = CellDef();
            break;
        }
        case Kw::MergeFirst:
        case Kw::VMergeFirst:
            break;
        case Kw::MergeNext:
            cellDef_.mergeNext = true;
            break;
        case Kw::VMergeNext:
            cellDef_.vMergeNext = true;
            break;
        case Kw::Border:
            ++cellDef_.borders;
            break;
        case Kw::BorderNone:
            cellDef_.borders = std::max(cellDef_.borders - 1, 0);
            break;
        case Kw::NestTableProps:
            s.nestProps = true;
            break;
        case Kw::Char:
            if (kw->ch) PutText(std::u16string_view(&kw->ch, 1));
            break;
        case Kw::Pard:
            s.align = Qt::AlignLeft;
            s.listItem = false;
            s.ls = 0;
            s.ilvl = 0;
            s.pnBullet = false;
            s.pnNfc = 0;
            s.pnStart = 1;
            s.pnLevel = 0;
            s.inTable = false;
            s.itap = 0;
            break;
        case Kw::Plain:
            s.ch = CharState();
            break;
        case Kw::Bold:
            s.ch.bold = on;
            break;
        case Kw::Italic:
            s.ch.italic = on;
            break;
        case Kw::Underline:
            s.ch.underline = on;
            break;
        case Kw::UnderlineNone:
            s.ch.underline = false;
            break;
        case Kw::Strike:
        case Kw::StrikeDouble:
            s.ch.strike = on;
            break;
        case Kw::Hidden:
            s.ch.hidden = on;
            break;
        case Kw::Font:
            if (hasParam) s.ch.font = param;
            break;
        case Kw::FontSize:
            s.ch.halfPoints = hasParam && param > 0 ? std::clamp(param, 2, kMaxHalfPoints) : 24;
            break;
        case Kw::Color:
            s.ch.color = std::max(param, 0);
            break;
        case Kw::AlignLeft:
            s.align = Qt::AlignLeft;
            break;
        case Kw::AlignRight:
            s.align = Qt::AlignRight;
            break;
        case Kw::AlignCenter:
            s.align = Qt::AlignHCenter;
            break;
        case Kw::AlignJustify:
            s.align = Qt::AlignJustify;
            break;
        case Kw::ListOverride:
            s.ls = hasParam ? std::max(param, 0) : 0;
            s.listItem = false;
            break;
        case Kw::ListLevelIndex:
            s.ilvl = std::clamp(param, 0, 8);
            break;
        case Kw::ListTable:
            s.dest = Dest::ListTable;
            break;
        case Kw::ListOverrideTable:
            s.dest = Dest::ListOverrides;
            break;
        case Kw::Uc:
            if (hasParam) s.uc = std::clamp(param, 0, kMaxUc);
            break;
        case Kw::U:
            UnicodeChar(hasParam, param);
            break;
        case Kw::AnsiCpg:
            if (param > 0) codePage_ = param;
            break;
        case Kw::Ansi:
            codePage_ = 1252;
            break;
        case Kw::Mac:
            codePage_ = 10000;
            break;
        case Kw::Pc:
            codePage_ = 437;
            break;
        case Kw::Pca:
            codePage_ = 850;
            break;
        case Kw::Deff:
            if (hasParam) defaultFont_ = param;
            break;
        case Kw::FontTable:
            s.dest = Dest::FontTable;
            fontNumber_ = -1;
            fontName_.clear();
            // A new table replaces the old one: the font slots that text still waiting to be
            // written refers to mean nothing now, and that text takes the default font.
            fonts_.clear();
            families_.clear();
            formats_.clear();
            runKey_ &= ~kSlotField;
            blockCharKey_ &= ~kSlotField;
            break;
        case Kw::ColorTable:
            s.dest = Dest::ColorTable;
            colors_.clear();
            colorSet_ = false;
            red_ = green_ = blue_ = 0;
            formats_.clear();
            break;
        case Kw::Pn:
            s.dest = Dest::Pn;
            s.owner = std::max(static_cast<int>(stack_.size()) - 2, 0);
            break;
        case Kw::Upr:
            s.dest = Dest::Upr;
            break;
        case Kw::Shape:
            s.dest = Dest::Shape;
            break;
        case Kw::Field:
            if (fields_.size() < 100) {
                FieldState field;
                field.depth = depth_;
                fields_.push_back(std::move(field));
            }
            break;
        case Kw::FieldInst:
            if (!fields_.empty() && fields_.back().depth < depth_) {
                s.dest = Dest::FieldInst;
                Keep(s, kKeepFieldInstruction);
            } else {
                s.dest = Dest::Skip;
            }
            break;
        case Kw::KeepSection:
            s.dest = Dest::Skip;
            Keep(s, kKeepSection);
            break;
        case Kw::KeepInline:
            if (kw->kind == Kw::KeepInline && IsFootnote()) footnotePending_ = true;
            s.dest = Dest::Skip;
            Keep(s, kKeepInline);
            break;
        case Kw::FootnoteMark:
            if (inlinePending_.size() < kMaxKept) inlinePending_ += "{\\super\\chftn}";
            footnotePending_ = true;
            break;
        case Kw::AnnotationMark:
            if (inlinePending_.size() < kMaxKept) inlinePending_ += "\\chatn ";
            break;
        case Kw::PnText:
            s.dest = Dest::Skip;
            pntextSeen_ = true;
            break;
        case Kw::Skip:
            s.dest = Dest::Skip;
            break;
        default:
            break;
        }
    }

    // The list table and the list override table.
    void ListWord(const KwInfo& kw, bool hasParam, int param) {
        GroupState& s = MutableTop();
        LevelDef* level = !listDefs_.empty() && !listDefs_.back().levels.empty()
                              ? &listDefs_.back().levels.back()
                              : nullptr;
        switch (kw.kind) {
        case Kw::List:
            if (s.dest == Dest::ListTable && listDefs_.size() < kMaxLists) listDefs_.emplace_back();
            break;
        case Kw::ListLevelDef:
            if (s.dest == Dest::ListTable && !listDefs_.empty() &&
                listDefs_.back().levels.size() < 9)
                listDefs_.back().levels.emplace_back();
            break;
        case Kw::ListId:
            if (s.dest == Dest::ListOverrides)
                overrideListId_ = param;
            else if (s.dest == Dest::ListTable && !listDefs_.empty())
                listDefs_.back().id = param;
            break;
        case Kw::ListOverride:
            if (s.dest == Dest::ListOverrides && hasParam && listOverrides_.size() < kMaxLists)
                listOverrides_[param] = overrideListId_;
            break;
        case Kw::LevelNfc:
            if (level) level->nfc = param;
            break;
        case Kw::LevelStart:
            if (level) level->start = param;
            break;
        case Kw::LevelText:
            if (level) {
                level->text.clear();
                s.dest = Dest::LevelText;
            } else {
                s.dest = Dest::Skip;
            }
            break;
        case Kw::U:
            UnicodeChar(hasParam, param);
            break;
        case Kw::Uc:
            if (hasParam) s.uc = std::clamp(param, 0, kMaxUc);
            break;
        case Kw::Skip:
            s.dest = Dest::Skip;
            break;
        default:
            break;
        }
    }

    // A number style of the list table as the document's list style.
    static QTextListFormat::Style StyleOfNumbers(int nfc, const QString& text) {
        switch (nfc) {
        case 1:
            return QTextListFormat::ListUpperRoman;
        case 2:
            return QTextListFormat::ListLowerRoman;
        case 3:
            return QTextListFormat::ListUpperAlpha;
        case 4:
            return QTextListFormat::ListLowerAlpha;
        case 23:
        case 255: {
            // A bullet's look from its character: "o" is a circle, Wingdings' 0xA7 a square.
            const QChar bullet = text.size() > 1 ? text[1] : QChar();
            if (bullet == u'o') return QTextListFormat::ListCircle;
            if (bullet.unicode() == 0xF0A7 || bullet.unicode() == 0x25AA ||
                bullet.unicode() == 0x25A0)
                return QTextListFormat::ListSquare;
            return QTextListFormat::ListDisc;
        }
        default:
            return QTextListFormat::ListDecimal;
        }
    }

    static bool Numbered(QTextListFormat::Style style) {
        return style != QTextListFormat::ListDisc && style != QTextListFormat::ListCircle &&
               style != QTextListFormat::ListSquare;
    }

    QTextListFormat ListFormat(const GroupState& s) const {
        QTextListFormat format;
        int start = 1;
        if (s.ls > 0) {
            format.setIndent(s.ilvl + 1);
            format.setProperty(kListGroupProperty, s.ls);
            const LevelDef* def = nullptr;
            if (const auto over = listOverrides_.find(s.ls); over != listOverrides_.end())
                for (const ListDef& list : listDefs_)
                    if (list.id == over->second && s.ilvl < static_cast<int>(list.levels.size()))
                        def = &list.levels[static_cast<size_t>(s.ilvl)];
            if (!def) {
                format.setStyle(QTextListFormat::ListDisc);
                return format;
            }
            format.setStyle(StyleOfNumbers(def->nfc, def->text));
            start = def->start;
            if (Numbered(format.style())) {
                // The text before the first number and after the last; a number of the levels
                // above ("1.2.") shows as this level's own.
                const QString text = def->text.mid(1);
                const auto placeholder = [](QChar c) { return c.unicode() < 9; };
                const auto first = std::find_if(text.cbegin(), text.cend(), placeholder);
                const auto last = std::find_if(text.crbegin(), text.crend(), placeholder);
                if (first != text.cend()) {
                    format.setNumberPrefix(QString(text.cbegin(), first - text.cbegin()));
                    format.setNumberSuffix(QString(last.base(), text.cend() - last.base()));
                }
            }
        } else {
            format.setIndent(s.pnLevel + 1);
            format.setStyle(s.pnBullet ? QTextListFormat::ListDisc
                                       : StyleOfNumbers(s.pnNfc, QString()));
            start = s.pnStart;
        }
        if (start != 1) format.setProperty(kListStartProperty, start);
        return format;
    }

    // Word's list paragraphs join the list of their level until a paragraph of a level above
    // restarts it; old-style lists end at the first paragraph outside them.
    void ApplyList(const GroupState& s) {
        const int group = s.ls > 0 ? s.ls : (s.listItem || pntextSeen_) ? -1 : 0;
        if (group >= 0) std::erase_if(openLists_, [](const auto& e) { return e.first.first < 0; });
        if (group == 0) return;
        const int level = group > 0 ? s.ilvl : s.pnLevel;
        std::erase_if(openLists_, [&](const auto& e) {
            return e.first.first == group && e.first.second > level;
        });
        const QTextListFormat format = ListFormat(s);
        auto& [list, made] = openLists_[{group, level}];
        if (list && made == format) {
            list->add(cursor_.block());
        } else {
            list = cursor_.createList(format);
            made = format;
        }
    }

    void UnicodeChar(bool hasParam, int param) {
        if (!hasParam) return;
        // Values past 32767 are written as negative 16-bit numbers.
        const char16_t unit = static_cast<char16_t>(static_cast<unsigned>(param) & 0xFFFF);
        if (const char32_t shown = SymbolFontChar(TextSymbolFont(), unit))
            PutText(QString::fromUcs4(&shown, 1));
        else
            PutText(std::u16string_view(&unit, 1));
        ucSkip_ = Top().uc;
    }

    // The symbol font the text of the document is now written in, if any.
    SymbolFont TextSymbolFont() const {
        if (Top().dest != Dest::Text) return SymbolFont::None;
        const FontEntry* font = FindFont(Top().ch.font);
        return font ? font->symbols : SymbolFont::None;
    }

    void FontTableWord(const KwInfo& kw, bool hasParam, int param) {
        switch (kw.kind) {
        case Kw::Font:
            if (!hasParam) return;
            FinishFont();
            fontNumber_ = param;
            fontCodePage_ = 0;
            fontEntryDepth_ = static_cast<int>(stack_.size());
            break;
        case Kw::Charset:
            fontCodePage_ = CodePageOfCharset(param);
            break;
        case Kw::Cpg:
            fontCodePage_ = std::max(param, 0);
            break;
        case Kw::U:
            UnicodeChar(hasParam, param);
            break;
        case Kw::Uc:
            if (hasParam) MutableTop().uc = std::clamp(param, 0, kMaxUc);
            break;
        case Kw::Skip:
            MutableTop().dest = Dest::Skip;
            break;
        default:
            break;
        }
    }

    void ColorTableWord(const KwInfo& kw, int param) {
        const int component = std::clamp(param, 0, 255);
        switch (kw.kind) {
        case Kw::Red:
            red_ = component;
            colorSet_ = true;
            break;
        case Kw::Green:
            green_ = component;
            colorSet_ = true;
            break;
        case Kw::Blue:
            blue_ = component;
            colorSet_ = true;
            break;
        default:
            break;
        }
    }

    // ---- what the editor does not show, kept for the file ----

    // The group now open is kept whole when it closes.
    void Keep(GroupState& s, unsigned char kind) {
        // Only a group the destination opens: text before it in the group has shown already.
        if (!wordOpensGroup_ || !groupStartAt_ || *groupStartAt_ != '{') return;
        s.keepKind = kind;
        s.keepDepth = depth_;
        s.keepStart = groupStartAt_;
    }

    void KeepGroup(const GroupState& s) {
        const QByteArray raw = NeutralRtf(QByteArrayView(s.keepStart, p_ - s.keepStart));
        if (s.keepKind == kKeepSection) {
            if (kept_.size() < kMaxKept) kept_ += raw + "\r\n";
        } else if (s.keepKind == kKeepInline) {
            if (inlinePending_.size() < kMaxKept) inlinePending_ += raw;
        } else if (!fields_.empty()) {
            fields_.back().raw = raw;
        }
    }

    // A kept group with its font and colour numbers replaced by what they name, so that it
    // means the same in a file with other tables (see rtf::kNeutralStart).
    QByteArray NeutralRtf(QByteArrayView raw) const {
        QByteArray out;
        out.reserve(raw.size());
        for (qsizetype i = 0; i < raw.size();) {
            const char c = raw[i];
            if (c == kNeutralStart || c == kNeutralEnd) {
                ++i; // never in RTF text; dropped so that it cannot be taken for ours
                continue;
            }
            if (c != '\\' || i + 1 >= raw.size() ||
                !IsLetter(static_cast<unsigned char>(raw[i + 1]))) {
                out += c;
                if (c == '\\' && i + 1 < raw.size()) out += raw[++i];
                ++i;
                continue;
            }
            qsizetype j = i + 1;
            while (j < raw.size() && IsLetter(static_cast<unsigned char>(raw[j])))
                ++j;
            const QByteArrayView word = raw.sliced(i + 1, j - i - 1);
            qsizetype k = j;
            if (k < raw.size() && raw[k] == '-') ++k;
            while (k < raw.size() && IsDigit(static_cast<unsigned char>(raw[k])))
                ++k;
            const QByteArrayView digits = raw.sliced(j, k - j);
            bool ok = false;
            const int number = digits.toInt(&ok);
            if (word == "bin" && ok) {
                // Raw bytes that could contain anything: copied untouched.
                const qsizetype skip = std::min<qsizetype>(std::max(number, 0), raw.size() - k);
                out += raw.sliced(i, k - i + (k < raw.size() && raw[k] == ' ' ? 1 : 0) + skip);
                i = k + (k < raw.size() && raw[k] == ' ' ? 1 : 0) + skip;
                continue;
            }
            // The blank that ends the word goes too: the writer puts one back.
            const qsizetype after = k < raw.size() && raw[k] == ' ' ? k + 1 : k;
            if (ok && word == "f") {
                const FontEntry* font = FindFont(number);
                const QString family =
                    font ? families_[static_cast<size_t>(font->slot)] : QString();
                out += kNeutralStart;
                out += "f ";
                out += family.toUtf8();
                out += kNeutralEnd;
            } else if (ok && IsColourWord(word)) {
                const std::optional<QRgb> rgb =
                    TableColor(static_cast<quint64>(std::max(number, 0)));
                out += kNeutralStart;
                out += word.toByteArray() + ' ';
                out += rgb ? QByteArray::number(*rgb & 0xFFFFFF, 16) : QByteArray("auto");
                out += kNeutralEnd;
            } else {
                out += raw.sliced(i, k - i);
                i = k;
                continue;
            }
            i = after;
        }
        return out;
    }

    // Whether the destination just named is a footnote (its group starts "{\footnote" or
    // "{\*\footnote").
    bool IsFootnote() const {
        const QByteArrayView rest(groupStartAt_, p_ - groupStartAt_);
        return rest.contains("footnote");
    }

    // What was kept since the last character shown goes into the text as one character that
    // carries it: a footnote's number, raised, or else a zero-width space.
    void InsertKeptInline() {
        if (inlinePending_.isEmpty()) return;
        FlushRun();
        EnsureBlock();
        // In the format of the text it goes before, as it is read again from what is written.
        QTextCharFormat format = Format(RunKey(Top().ch));
        format.setProperty(kKeptInlineProperty, inlinePending_);
        QString mark = QStringLiteral("\u200B");
        if (footnotePending_) {
            format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
            mark = QString::number(++footnotes_);
        }
        cursor_.insertText(mark, format);
        inlinePending_.clear();
        footnotePending_ = false;
    }

    // Hidden text is kept as RTF of its own, its characters escaped.
    void KeepHidden(std::u16string_view text) {
        if (inlinePending_.size() >= kMaxKept) return;
        inlinePending_ += "{\\v ";
        for (const char16_t ch : text) {
            if (ch >= 0x20 && ch < 0x7F) {
                if (ch == u'\\' || ch == u'{' || ch == u'}') inlinePending_ += '\\';
                inlinePending_ += static_cast<char>(ch);
            } else {
                inlinePending_ += "\\u" + QByteArray::number(static_cast<qint16>(ch)) + " ?";
            }
        }
        inlinePending_ += '}';
    }

    static bool IsColourWord(QByteArrayView word) {
        for (const char* w : {"cf", "cb", "highlight", "chcbpat", "chcfpat", "cbpat", "cfpat",
                              "clcbpat", "clcfpat", "brdrcf", "ulc"})
            if (word == w) return true;
        return false;
    }

    // The field the text now put belongs to: its instruction, when kept.
    QByteArray CurrentFieldInstruction() const {
        if (fields_.empty() || fields_.back().brokenUp) return {};
        return fields_.back().raw;
    }

    // A field whose result showed nothing may still stand for a character of its own.
    void FinishField() {
        const FieldState field = std::move(fields_.back());
        fields_.pop_back();
        if (field.resultShown || Top().dest != Dest::Text) return;
        const char16_t ch = SymbolFieldChar(field.instruction, codePage_);
        if (ch) PutText(std::u16string_view(&ch, 1));
    }

    void FinishFont() {
        if (fontNumber_ < 0) return;
        FlushBytes();
        // Controls, line breaks and semicolons cannot be part of a font name.
        fontName_.removeIf(
            [](QChar c) { return !IsPlainChar(c.unicode()) || c == u'\t' || c == u';'; });
        const QString name = fontName_.trimmed();
        auto found = fonts_.find(fontNumber_);
        if (found == fonts_.end()) {
            if (static_cast<int>(families_.size()) < kMaxFonts) {
                fonts_.emplace(fontNumber_, FontEntry{static_cast<int>(families_.size()),
                                                      fontCodePage_, SymbolFontNamed(name)});
                families_.push_back(name);
            }
        } else {
            found->second.codePage = fontCodePage_;
            found->second.symbols = SymbolFontNamed(name);
            families_[static_cast<size_t>(found->second.slot)] = name;
        }
        fontNumber_ = -1;
        fontName_.clear();
        formats_.clear();
    }

    void FinishColor() {
        if (static_cast<int>(colors_.size()) < kMaxColors)
            colors_.push_back(colorSet_ ? ColorEntry{false, qRgb(red_, green_, blue_)}
                                        : ColorEntry{});
        colorSet_ = false;
        red_ = green_ = blue_ = 0;
        formats_.clear();
    }

    void TextByte(unsigned char c) {
        groupStart_ = destinationMarked_ = false;
        if (ucSkip_ > 0) {
            --ucSkip_;
            return;
        }
        switch (Top().dest) {
        case Dest::Text: {
            // Plain text comes in long stretches; take the whole stretch at once.
            pendingBytes_.append(static_cast<char>(c));
            const char* start = p_;
            while (p_ < end_ && *p_ != '\\' && *p_ != '{' && *p_ != '}' && *p_ != '\r' &&
                   *p_ != '\n')
                ++p_;
            pendingBytes_.append(start, p_ - start);
            break;
        }
        case Dest::FontTable:
            if (c == ';')
                FinishFont();
            else
                pendingBytes_.append(static_cast<char>(c));
            break;
        case Dest::ColorTable:
            if (c == ';') FinishColor();
            break;
        case Dest::FieldInst: {
            QString& instruction = fields_.back().instruction;
            if (instruction.size() < kMaxInstruction) instruction += QChar(c);
            break;
        }
        case Dest::LevelText:
            AddLevelText(QChar(c));
            break;
        default:
            break;
        }
    }

    void AddLevelText(QChar c) {
        if (listDefs_.empty() || listDefs_.back().levels.empty()) return;
        QString& text = listDefs_.back().levels.back().text;
        // The first character is the length; what follows it is the template.
        if (!text.isEmpty() && text.size() > text[0].unicode()) return;
        if (text.size() < 64) text += c;
    }

    const FontEntry* FindFont(int number) const {
        const auto found = fonts_.find(number < 0 ? defaultFont_ : number);
        return found == fonts_.end() ? nullptr : &found->second;
    }

    // Bytes decode in the code page of the font they are written in, when it names one.
    void FlushBytes() {
        if (pendingBytes_.isEmpty()) return;
        const GroupState& s = Top();
        int codePage = codePage_;
        if (s.dest == Dest::FontTable) {
            if (fontCodePage_ > 0) codePage = fontCodePage_;
        } else if (const FontEntry* font = FindFont(s.ch.font); font && font->codePage > 0) {
            codePage = font->codePage;
        }
        if (const SymbolFont symbols = TextSymbolFont(); symbols != SymbolFont::None) {
            // What a symbol font shows, so that it displays and is found as it looks.
            QString text;
            for (const char b : std::as_const(pendingBytes_)) {
                const auto code = static_cast<unsigned char>(b);
                const char32_t shown = SymbolFontChar(symbols, code);
                text += shown ? QString::fromUcs4(&shown, 1) : QString(QChar(code));
            }
            pendingBytes_.clear();
            PutText(text);
            return;
        }
        const bool ascii = std::all_of(pendingBytes_.cbegin(), pendingBytes_.cend(),
                                       [](char b) { return static_cast<unsigned char>(b) < 0x80; });
        const QString text =
            ascii ? QString::fromLatin1(pendingBytes_) : DecodeCodePage(pendingBytes_, codePage);
        pendingBytes_.clear();
        PutText(text);
    }

    void PutText(std::u16string_view text) {
        const GroupState& s = Top();
        if (s.dest == Dest::FontTable) {
            fontName_.append(QStringView(text));
            return;
        }
        if (s.dest == Dest::LevelText) {
            for (const char16_t ch : text)
                AddLevelText(QChar(ch));
            return;
        }
        if (s.dest == Dest::FieldInst) {
            QString& instruction = fields_.back().instruction;
            if (instruction.size() < kMaxInstruction) instruction.append(QStringView(text));
            return;
        }
        if (s.dest != Dest::Text) return;
        if (s.ch.hidden) {
            KeepHidden(text);
            return;
        }
        if (const int depth = TableDepth(s);
            depth != static_cast<int>(tables_.size()) || (depth > 0 && !tables_.back().placed)) {
            FlushRun();
            SyncTables(depth);
        }
        if (!inlinePending_.isEmpty() && !text.empty()) InsertKeptInline();
        if (!fields_.empty() && !text.empty()) fields_.back().resultShown = true;
        const quint64 key = RunKey(s.ch);
        QByteArray field = CurrentFieldInstruction();
        if (key != runKey_ || field != runField_) {
            FlushRun();
            runKey_ = key;
            runField_ = std::move(field);
        }
        size_t i = 0;
        while (i < text.size()) {
            size_t plain = i;
            while (plain < text.size() && IsPlainChar(text[plain]))
                ++plain;
            runText_.append(QStringView(text.substr(i, plain - i)));
            if (plain == text.size()) break;
            const char16_t ch = text[plain];
            if (ch == u'\r' || ch == 0x0B || ch == 0x2028 || ch == 0x2029 ||
                (ch == u'\n' && (plain == 0 || text[plain - 1] != u'\r'))) {
                // Line breaks in decoded text are block boundaries like \line.
                EndParagraph();
            }
            // Other controls and the characters QTextDocument reserves are dropped.
            i = plain + 1;
        }
    }

    void PutText(const QString& text) {
        PutText(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                    static_cast<size_t>(text.size())));
    }

    // The colour a \cf number names in the colour table as it stands: none (automatic) for
    // entry 0, an automatic entry, or a number past the table's end.
    std::optional<QRgb> TableColor(quint64 color) const {
        if (color == 0 || color >= colors_.size() || colors_[color].automatic) return std::nullopt;
        return colors_[color].rgb;
    }

    // Packs what a run's format depends on: font slot + 1 (0: no such font), half-points,
    // the \cf number and the four flags. The colour stays a number, looked up when the format
    // is made, so that it always means what the colour table of that moment says.
    quint64 RunKey(const CharState& ch) const {
        const FontEntry* font = FindFont(ch.font);
        // Text of a symbol font is read as the Unicode it shows, which any font shows: a
        // symbol font kept would show other pictures for it.
        const quint64 slot =
            font && font->symbols == SymbolFont::None ? static_cast<quint64>(font->slot) + 1 : 0;
        // Any number from kMaxColors on is past the end of every table: automatic.
        const quint64 color = static_cast<quint64>(std::min(ch.color, kMaxColors));
        return slot << kSlotShift | static_cast<quint64>(ch.halfPoints) << 24 |
               color << kColorShift | (ch.bold ? 1u : 0u) | (ch.italic ? 2u : 0u) |
               (ch.underline ? 4u : 0u) | (ch.strike ? 8u : 0u);
    }

    QString FallbackFamily() const {
        if (const FontEntry* font = FindFont(-1);
            font && !families_[static_cast<size_t>(font->slot)].isEmpty())
            return families_[static_cast<size_t>(font->slot)];
        return doc_->defaultFont().family();
    }

    const QTextCharFormat& Format(quint64 key) {
        auto found = formats_.find(key);
        if (found != formats_.end()) return *found;
        QTextCharFormat format;
        const quint64 slot = key >> kSlotShift;
        QString family = slot && slot <= families_.size() ? families_[slot - 1] : QString();
        if (family.isEmpty()) family = FallbackFamily();
        format.setFontFamilies({family});
        format.setFontPointSize(static_cast<double>((key >> 24) & 0xFFFF) / 2.0);
        format.setFontWeight((key & 1) ? QFont::Bold : QFont::Normal);
        format.setFontItalic(key & 2);
        format.setFontUnderline(key & 4);
        format.setFontStrikeOut(key & 8);
        if (const std::optional<QRgb> rgb = TableColor((key & kColorField) >> kColorShift))
            format.setForeground(QColor::fromRgb(*rgb));
        return *formats_.insert(key, format);
    }

    // A line break is only inserted once something follows it, so that a final \par does not
    // leave an empty last line. The new block starts with the previous paragraph's formats,
    // which most paragraphs keep, saving the calls that would set them again.
    void EnsureBlock() {
        if (!breakPending_) return;
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(blockAlign_);
        cursor_.insertBlock(blockFormat, Format(blockCharKey_));
        breakPending_ = false;
    }

    void FlushRun() {
        if (runText_.isEmpty()) return;
        EnsureBlock();
        if (runField_.isEmpty()) {
            cursor_.insertText(runText_, Format(runKey_));
        } else {
            QTextCharFormat format = Format(runKey_);
            format.setProperty(kFieldInstructionProperty, runField_);
            cursor_.insertText(runText_, format);
        }
        runText_.clear();
    }

    // Paragraph properties count as they stand when the paragraph ends.
    void ApplyParagraph() {
        const GroupState& s = Top();
        if (!blockFormatted_ || s.align != blockAlign_) {
            QTextBlockFormat blockFormat;
            blockFormat.setAlignment(s.align);
            cursor_.setBlockFormat(blockFormat);
            blockAlign_ = s.align;
        }
        const quint64 charKey = RunKey(s.ch);
        if (!blockFormatted_ || charKey != blockCharKey_) {
            cursor_.setBlockCharFormat(Format(charKey));
            blockCharKey_ = charKey;
        }
        blockFormatted_ = true;
        ApplyList(s);
        pntextSeen_ = false;
    }

    void EndParagraph() {
        FlushBytes();
        FlushRun();
        // A field's result of several paragraphs keeps its instruction on the first alone.
        if (!fields_.empty() && fields_.back().resultShown) fields_.back().brokenUp = true;
        SyncTables(TableDepth(Top()));
        InsertKeptInline();
        EnsureBlock();
        ApplyParagraph();
        breakPending_ = true;
    }

    void Finish() {
        FlushBytes();
        FlushRun();
        InsertKeptInline();
        if (!breakPending_) ApplyParagraph();
        while (!tables_.empty())
            CloseTable();
        if (tablesMade_) GiveEmptyBlocksAFormat();
        if (!kept_.isEmpty()) doc_->setProperty(kKeptGroupsProperty, kept_);
    }

    // ---- tables ----

    // Cells that no paragraph reached and the line after a table have the document's default
    // format; they get the plain one, which is what a save writes for them and a load reads.
    void GiveEmptyBlocksAFormat() {
        const QTextCharFormat& plain = Format(RunKey(CharState()));
        for (QTextBlock b = doc_->begin(); b.isValid(); b = b.next()) {
            if (b.length() != 1 || b.charFormat().hasProperty(QTextFormat::FontFamilies)) continue;
            QTextCursor at(b);
            // The line a table must follow where it opens the script or a cell is not written.
            const QTextTable* here = at.currentTable();
            const bool first = !b.previous().isValid() ||
                               (here && here->cellAt(b.position()).firstPosition() == b.position());
            if (first && b.next().isValid() && QTextCursor(b.next()).currentTable() != here)
                continue;
            at.setBlockCharFormat(plain);
        }
    }

    // How deep in tables a paragraph with these properties stands. A row definition not yet
    // ended puts paragraphs in the table even when a writer leaves out \intbl.
    int TableDepth(const GroupState& s) const {
        int depth = s.inTable ? std::max(s.itap, 1) : s.itap;
        if (depth == 0 && rowDefined_) depth = 1;
        return std::clamp(depth, 0, kMaxTableDepth);
    }

    // The table level that row and cell definitions now describe.
    int DefinitionLevel() const {
        if (!Top().nestProps) return 1;
        return std::clamp(static_cast<int>(tables_.size()), 2, kMaxTableDepth);
    }

    // Opens or closes tables until content goes in at this depth, in the cell due.
    void SyncTables(int wanted) {
        while (static_cast<int>(tables_.size()) > wanted)
            CloseTable();
        while (static_cast<int>(tables_.size()) < wanted) {
            if (!tables_.empty()) PlaceInCell();
            OpenTable();
        }
        if (!tables_.empty()) PlaceInCell();
    }

    // The table follows the paragraph before it directly: the frame is its line break.
    void OpenTable() {
        QTextTableFormat format;
        format.setBorder(0);
        format.setCellSpacing(0);
        format.setCellPadding(2);
        format.setBorderCollapse(true);
        TableState t;
        t.table = cursor_.insertTable(1, 1, format);
        tablesMade_ = true;
        tables_.push_back(std::move(t));
        breakPending_ = false;
    }

    void PlaceInCell() {
        TableState& t = tables_.back();
        if (t.placed) return;
        QTextTable* table = t.table;
        // Growing row by row would rebuild the table's grid for every row.
        if (t.row >= table->rows())
            table->appendRows(std::max(table->rows(), t.row + 1 - table->rows()));
        if (t.col >= table->columns()) table->appendColumns(t.col + 1 - table->columns());
        cursor_.setPosition(table->cellAt(t.row, t.col).lastCursorPosition().position());
        t.placed = true;
        t.rowsUsed = std::max(t.rowsUsed, t.row + 1);
        breakPending_ = false;
        blockFormatted_ = false;
        openLists_.clear();
    }

    void CloseTable() {
        FinishTable(tables_.back());
        const int after = tables_.back().table->lastPosition() + 1;
        tables_.pop_back();
        cursor_.setPosition(after);
        breakPending_ = false;
        blockFormatted_ = false;
        openLists_.clear();
    }

    // \cell or \nestcell: ends the paragraph in the cell, and the cell.
    void EndCell(int level) {
        FlushBytes();
        FlushRun();
        SyncTables(level);
        InsertKeptInline();
        EnsureBlock();
        ApplyParagraph();
        TableState& t = tables_.back();
        if (t.col + 1 < kMaxColumns) {
            ++t.col;
            t.placed = false;
        } else {
            breakPending_ = true; // no room for another column: the rest goes below
        }
    }

    void EndRow(int level) {
        FlushBytes();
        FlushRun();
        if (static_cast<int>(tables_.size()) < level) {
            if (level == 1) {
                rowDefined_ = false;
                EndParagraph();
            }
            return;
        }
        while (static_cast<int>(tables_.size()) > level)
            CloseTable();
        TableState& t = tables_.back();
        if (!t.placed && t.col == 0) PlaceInCell(); // a row with no cells is still a row
        t.rowDefs.resize(static_cast<size_t>(t.row));
        t.rowDefs.push_back(rowDefs_[static_cast<size_t>(level)]);
        ++t.row;
        t.col = 0;
        t.placed = false;
        if (level == 1) rowDefined_ = false;
    }

    void FinishTable(TableState& t) {
        QTextTable* table = t.table;
        const int rows = std::max(t.rowsUsed, 1);
        if (table->rows() > rows) table->removeRows(rows, table->rows() - rows);
        t.rowDefs.resize(static_cast<size_t>(rows));
        const int columns = table->columns();
        QTextTableFormat format = table->format();
        // Column widths from the first row that defines every column.
        for (const RowDef& defs : t.rowDefs) {
            if (static_cast<int>(defs.size()) < columns) continue;
            QList<QTextLength> widths;
            int left = 0;
            for (int c = 0; c < columns; ++c) {
                const int width = defs[static_cast<size_t>(c)].right - left;
                left = defs[static_cast<size_t>(c)].right;
                if (width <= 0) break;
                widths << QTextLength(QTextLength::FixedLength, width / kTwipsPerPixel);
            }
            if (widths.size() == columns) format.setColumnWidthConstraints(widths);
            break;
        }
        const bool borders = std::any_of(t.rowDefs.cbegin(), t.rowDefs.cend(), [](const RowDef& d) {
            return std::any_of(d.cbegin(), d.cend(),
                               [](const CellDef& c) { return c.borders > 0; });
        });
        if (borders) {
            format.setBorder(1);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderBrush(Qt::black);
        }
        table->setFormat(format);
        // Cells joined to the one on their left, then to the one above.
        int right = 0;
        for (const RowDef& defs : t.rowDefs)
            if (!defs.empty()) right = std::max(right, defs.back().right);
        for (int r = 0; r < rows; ++r) {
            const RowDef& defs = t.rowDefs[static_cast<size_t>(r)];
            const int defined = std::min(columns, static_cast<int>(defs.size()));
            for (int c = 0; c < defined;) {
                int span = 1;
                while (c + span < defined && defs[static_cast<size_t>(c + span)].mergeNext)
                    ++span;
                if (span > 1) table->mergeCells(r, c, 1, span);
                c += span;
            }
            // A row of fewer cells whose last reaches the table's right edge (a heading across
            // the table, as Word writes one): that cell takes the rest of the row.
            if (defined == 0 || defined >= columns || defs.back().right < right - kEdgeSlack)
                continue;
            bool restEmpty = true;
            for (int c = defined; c < columns && restEmpty; ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                restEmpty = cell.row() == r && cell.firstPosition() == cell.lastPosition();
            }
            const QTextTableCell last = table->cellAt(r, defined - 1);
            if (restEmpty && last.row() == r && last.rowSpan() == 1)
                table->mergeCells(r, last.column(), 1, columns - last.column());
        }
        for (int r = 1; r < rows; ++r) {
            const RowDef& defs = t.rowDefs[static_cast<size_t>(r)];
            const int defined = std::min(columns, static_cast<int>(defs.size()));
            for (int c = 0; c < defined; ++c) {
                if (!defs[static_cast<size_t>(c)].vMergeNext) continue;
                const QTextTableCell here = table->cellAt(r, c);
                const QTextTableCell above = table->cellAt(r - 1, c);
                if (here.column() != c || above.column() != c ||
                    above.columnSpan() != here.columnSpan() || here.rowSpan() != 1)
                    continue;
                table->mergeCells(above.row(), c, r - above.row() + 1, here.columnSpan());
            }
        }
    }

    const char* p_;
    const char* end_;
    QTextDocument* doc_;
    QTextCursor cursor_;

    std::vector<GroupLevel> stack_;
    int depth_ = 0;                  // open groups, the document's own included, plus one
    bool groupStart_ = false;        // nothing read yet in the group just opened
    bool destinationMarked_ = false; // "\*" opened the group: an unknown destination follows
    std::vector<FieldState> fields_;
    bool documentGroup_ = false;
    bool finished_ = false;
    int ucSkip_ = 0;

    int codePage_ = 1252;
    int defaultFont_ = 0;
    std::unordered_map<int, FontEntry> fonts_;
    std::vector<QString> families_;
    int fontNumber_ = -1; // the font table entry being read
    int fontCodePage_ = 0;
    int fontEntryDepth_ = 0;
    QString fontName_;

    std::vector<ColorEntry> colors_;
    bool colorSet_ = false;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;

    QByteArray pendingBytes_;
    QString runText_;
    quint64 runKey_ = 0;
    QHash<quint64, QTextCharFormat> formats_;

    bool breakPending_ = false;
    bool blockFormatted_ = false; // the first block still has the document's default formats
    Qt::Alignment blockAlign_ = Qt::AlignLeft;
    quint64 blockCharKey_ = 0;
    bool pntextSeen_ = false;
    // Lists open for more paragraphs, by (\ls or -1, level), with the format they were made with.
    std::map<std::pair<int, int>, std::pair<QTextList*, QTextListFormat>> openLists_;
    std::vector<ListDef> listDefs_;
    std::unordered_map<int, int> listOverrides_; // \ls → \listid
    int overrideListId_ = 0;

    const char* groupStartAt_ = nullptr; // the last "{" read
    bool wordOpensGroup_ = false;        // the control word read is the first in its group
    QByteArray kept_;                    // headers and footers, as the file has them
    QByteArray runField_;                // the kept instruction of the run's field
    QByteArray inlinePending_;           // footnotes, annotations, hidden text not yet placed
    bool footnotePending_ = false;
    int footnotes_ = 0;
    std::vector<TableState> tables_; // open tables, outermost first
    std::vector<RowDef> rowDefs_ = std::vector<RowDef>(kMaxTableDepth + 1); // per level
    CellDef cellDef_;         // what comes before the next \cellx
    bool rowDefined_ = false; // a \trowd whose \row has not come
    bool tablesMade_ = false;
};

} // namespace

void Read(const QByteArray& data, QTextDocument* doc) {
    if (!doc) return;
    // Loading replaces everything, so there is nothing worth undoing; recording every insert
    // would also cost time and memory on long scripts.
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    Reader(data, doc).Run();
    doc->setUndoRedoEnabled(undo);
}

} // namespace rtf
