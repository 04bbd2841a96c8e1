// RTF reader: a flat tokenizer loop over the bytes with an explicit group stack, so no input
// can exhaust the call stack, feeding text into the document run by run.
#include "platform/rtf/Rtf.h"
#include "platform/rtf/TextCodec.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
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

// Deeper groups are not pushed; their content is skipped as a whole.
constexpr int kMaxDepth = 1000;
constexpr long long kMaxParam = 1'000'000'000;
// Bounds that keep every part of a run key inside its bit field.
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxFonts = 1 << 16;
constexpr int kMaxColors = 1 << 16;
constexpr int kMaxUc = 100;

enum class Dest : unsigned char {
    Text,       // document text
    Skip,       // content never shows
    FontTable,  // \fonttbl
    ColorTable, // \colortbl
    Pn,         // old-style list description: only tells whether the paragraph is a list item
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
    bool listItem = false;
    int uc = 1;
    Dest dest = Dest::Text;
    bool ignorable = false; // "\*" seen: an unknown destination word that follows is skipped
    int owner = 0;          // for Pn: the group whose paragraph the description belongs to
};

enum class Kw : unsigned char {
    Par,
    Cell,
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
    Skip,
};

struct KwInfo {
    Kw kind;
    char16_t ch = 0;
};

const KwInfo* LookupWord(std::string_view name) {
    static const std::unordered_map<std::string_view, KwInfo> table = [] {
        std::unordered_map<std::string_view, KwInfo> t;
        for (const char* w : {"par", "line", "page", "sect", "row", "nestrow"})
            t.emplace(w, KwInfo{Kw::Par});
        for (const char* w : {"cell", "nestcell"})
            t.emplace(w, KwInfo{Kw::Cell});
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
            {"pnlvlblt", Kw::PnListLevel},
            {"pnlvlbody", Kw::PnListLevel},
            {"pnlvl", Kw::PnListLevel},
        };
        for (const auto& [w, kind] : words)
            t.emplace(w, KwInfo{kind});
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
                              "shp",
                              "shpinst",
                              "shpgrp",
                              "shprslt",
                              "shptxt",
                              "nonshppict",
                              "shppict",
                              "do",
                              "header",
                              "headerl",
                              "headerr",
                              "headerf",
                              "footer",
                              "footerl",
                              "footerr",
                              "footerf",
                              "footnote",
                              "ftnsep",
                              "ftnsepc",
                              "ftncn",
                              "aftnsep",
                              "aftnsepc",
                              "aftncn",
                              "annotation",
                              "atnid",
                              "atnauthor",
                              "atndate",
                              "atnref",
                              "atnicn",
                              "atntime",
                              "atrfstart",
                              "atrfend",
                              "listtable",
                              "listoverridetable",
                              "list",
                              "listlevel",
                              "listoverride",
                              "listpicture",
                              "revtbl",
                              "rsidtbl",
                              "pgdsctbl",
                              "generator",
                              "xmlnstbl",
                              "fldinst",
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
                              "leveltext",
                              "levelnumbers",
                              "ud"})
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

struct FontEntry {
    int slot = 0; // index into Reader::families_
    int codePage = 0;
};

struct ColorEntry {
    bool automatic = true;
    QRgb rgb = 0;
};

class Reader {
public:
    Reader(const QByteArray& data, QTextDocument* doc)
        : p_(data.constData()), end_(data.constData() + data.size()), doc_(doc), cursor_(doc) {
        stack_.reserve(64);
        stack_.emplace_back();
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

    GroupState& Top() { return stack_.back(); }

    void OpenGroup() {
        FlushBytes();
        ucSkip_ = 0;
        if (overflow_ > 0 || static_cast<int>(stack_.size()) >= kMaxDepth) {
            ++overflow_;
            return;
        }
        stack_.push_back(stack_.back());
        stack_.back().ignorable = false;
    }

    void CloseGroup() {
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        FlushBytes();
        ucSkip_ = 0;
        if (stack_.size() <= 1) return; // a stray closing brace
        if (documentGroup_ && stack_.size() == 2) {
            finished_ = true;
            return;
        }
        const int depth = static_cast<int>(stack_.size());
        if (Top().dest == Dest::FontTable &&
            (depth == fontEntryDepth_ || stack_[depth - 2].dest != Dest::FontTable))
            FinishFont();
        if (Top().dest == Dest::ColorTable && stack_[depth - 2].dest != Dest::ColorTable &&
            colorSet_)
            FinishColor();
        stack_.pop_back();
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
            if (overflow_ > 0) return;
            if (ucSkip_ > 0) {
                --ucSkip_;
                return;
            }
            const Dest dest = Top().dest;
            if (dest == Dest::Text || dest == Dest::FontTable)
                pendingBytes_.append(static_cast<char>(byte));
            return;
        }
        if (c == '\\' || c == '{' || c == '}') {
            TextByte(c);
            return;
        }
        if (overflow_ > 0) return;
        FlushBytes();
        if (ucSkip_ > 0) {
            --ucSkip_;
            return;
        }
        switch (c) {
        case '*':
            Top().ignorable = true;
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
        if (overflow_ > 0) return;
        FlushBytes();
        if (ucSkip_ > 0) {
            --ucSkip_;
            return;
        }
        GroupState& s = Top();
        if (s.ignorable) {
            s.ignorable = false;
            if (!kw || kw->kind != Kw::Pn) {
                s.dest = Dest::Skip;
                return;
            }
        }
        if (!kw) return;
        switch (s.dest) {
        case Dest::Skip:
            return;
        case Dest::Pn:
            if (kw->kind == Kw::PnListLevel) stack_[static_cast<size_t>(s.owner)].listItem = true;
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
        const bool on = !hasParam || param != 0;
        switch (kw->kind) {
        case Kw::Par:
            EndParagraph();
            break;
        case Kw::Cell:
            PutText(u"\t");
            break;
        case Kw::Char:
            if (kw->ch) PutText(std::u16string_view(&kw->ch, 1));
            break;
        case Kw::Pard:
            s.align = Qt::AlignLeft;
            s.listItem = false;
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
            s.listItem = hasParam && param > 0;
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

    void UnicodeChar(bool hasParam, int param) {
        if (!hasParam) return;
        // Values past 32767 are written as negative 16-bit numbers.
        const char16_t unit = static_cast<char16_t>(static_cast<unsigned>(param) & 0xFFFF);
        PutText(std::u16string_view(&unit, 1));
        ucSkip_ = Top().uc;
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
            if (hasParam) Top().uc = std::clamp(param, 0, kMaxUc);
            break;
        case Kw::Skip:
            Top().dest = Dest::Skip;
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
                fonts_.emplace(fontNumber_,
                               FontEntry{static_cast<int>(families_.size()), fontCodePage_});
                families_.push_back(name);
            }
        } else {
            found->second.codePage = fontCodePage_;
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
        if (overflow_ > 0) return;
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
        default:
            break;
        }
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
        const bool ascii = std::all_of(pendingBytes_.cbegin(), pendingBytes_.cend(),
                                       [](char b) { return static_cast<unsigned char>(b) < 0x80; });
        const QString text =
            ascii ? QString::fromLatin1(pendingBytes_) : DecodeCodePage(pendingBytes_, codePage);
        pendingBytes_.clear();
        PutText(text);
    }

    void PutText(std::u16string_view text) {
        GroupState& s = Top();
        if (s.dest == Dest::FontTable) {
            fontName_.append(QStringView(text));
            return;
        }
        if (s.dest != Dest::Text || s.ch.hidden) return;
        const quint64 key = RunKey(s.ch);
        if (key != runKey_) {
            FlushRun();
            runKey_ = key;
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

    int ColorIndex(int color) const {
        if (color <= 0 || color >= static_cast<int>(colors_.size()) ||
            colors_[static_cast<size_t>(color)].automatic)
            return 0;
        return color;
    }

    // Packs what a run's format depends on: font slot + 1 (0: no such font), half-points,
    // colour index (0: automatic) and the four flags.
    quint64 RunKey(const CharState& ch) const {
        const FontEntry* font = FindFont(ch.font);
        const quint64 slot = font ? static_cast<quint64>(font->slot) + 1 : 0;
        return slot << 40 | static_cast<quint64>(ch.halfPoints) << 24 |
               static_cast<quint64>(ColorIndex(ch.color)) << 4 | (ch.bold ? 1u : 0u) |
               (ch.italic ? 2u : 0u) | (ch.underline ? 4u : 0u) | (ch.strike ? 8u : 0u);
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
        const quint64 slot = key >> 40;
        QString family = slot ? families_[slot - 1] : QString();
        if (family.isEmpty()) family = FallbackFamily();
        format.setFontFamilies({family});
        format.setFontPointSize(static_cast<double>((key >> 24) & 0xFFFF) / 2.0);
        format.setFontWeight((key & 1) ? QFont::Bold : QFont::Normal);
        format.setFontItalic(key & 2);
        format.setFontUnderline(key & 4);
        format.setFontStrikeOut(key & 8);
        if (const int color = static_cast<int>((key >> 4) & 0xFFFFF))
            format.setForeground(QColor::fromRgb(colors_[static_cast<size_t>(color)].rgb));
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
        cursor_.insertText(runText_, Format(runKey_));
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
        if (s.listItem || pntextSeen_) {
            if (list_)
                list_->add(cursor_.block());
            else
                list_ = cursor_.createList(QTextListFormat::ListDisc);
        } else {
            list_ = nullptr;
        }
        pntextSeen_ = false;
    }

    void EndParagraph() {
        FlushBytes();
        FlushRun();
        EnsureBlock();
        ApplyParagraph();
        breakPending_ = true;
    }

    void Finish() {
        FlushBytes();
        FlushRun();
        if (!breakPending_) ApplyParagraph();
    }

    const char* p_;
    const char* end_;
    QTextDocument* doc_;
    QTextCursor cursor_;

    std::vector<GroupState> stack_;
    int overflow_ = 0; // open groups past kMaxDepth
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
    QTextList* list_ = nullptr;
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
