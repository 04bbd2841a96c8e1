// RTF writer: one paragraph per block. The character state of a paragraph is set once at
// paragraph level (from its last run, so the paragraph mark matches the text as word
// processors expect); runs that differ from it are written as groups holding only the
// differences. That keeps single-format scripts compact.
#include "platform/rtf/Rtf.h"
#include "platform/rtf/TextCodec.h"

#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <vector>

namespace rtf {

namespace {

struct RunFormat {
    int font = 0;
    int halfPoints = 24;
    int color = 0; // colour table index; 0 is automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int field = 0; // the kept field instruction it shows the result of; 0 none
    int kept = 0;  // the kept footnote, annotation or hidden text its characters stand for

    bool operator==(const RunFormat&) const = default;
};

// Equal in everything a reader sees of the characters.
bool SameLook(RunFormat a, RunFormat b) {
    a.field = b.field = 0;
    a.kept = b.kept = 0;
    return a == b;
}

struct Run {
    RunFormat format;
    QString text;
};

void AppendInt(QByteArray& out, int value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr - digits);
}

// Escapes text for RTF. `delimit` is true while the output ends in a control word, which a
// following letter, digit or space would otherwise extend.
void AppendText(QByteArray& out, QStringView text, bool& delimit) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (const QChar qc : text) {
        const char16_t ch = qc.unicode();
        if (ch >= 0x20 && ch < 0x7F) {
            if (delimit) out += ' ';
            delimit = false;
            if (ch == u'\\' || ch == u'{' || ch == u'}') out += '\\';
            out += static_cast<char>(ch);
        } else if (ch == u'\t') {
            out += "\\tab";
            delimit = true;
        } else if (ch == 0x00A0) {
            out += "\\~";
            delimit = false;
        } else if (ch == 0x2028 || ch == 0x2029) {
            out += "\\line";
            delimit = true;
        } else if (ch < 0x20 || ch == 0xFFFC || ch == 0xFDD0 || ch == 0xFDD1) {
            // Controls and object placeholders have no place in the text.
        } else if (const int byte = Windows1252Byte(ch); byte >= 0x80) {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
            delimit = false;
        } else {
            out += "\\u";
            AppendInt(out, ch > 0x7FFF ? static_cast<int>(ch) - 0x10000 : static_cast<int>(ch));
            // The space before the fallback is needless in RTF, but pandoc drops the character
            // after the fallback without it.
            out += " ?";
            delimit = false;
        }
    }
}

// Twips per pixel of the document's table widths (96 dpi), and the width of a page's text
// (A4 or Letter with the usual margins) shared by columns without a width of their own.
constexpr double kTwipsPerPixel = 15.0;
constexpr int kTextWidth = 9000;

const char* AlignmentWord(Qt::Alignment alignment) {
    if (alignment & Qt::AlignJustify) return "\\qj";
    if (alignment & Qt::AlignHCenter) return "\\qc";
    if (alignment & Qt::AlignRight) return "\\qr";
    return "\\ql";
}

class Writer {
public:
    explicit Writer(const QTextDocument* doc) : doc_(doc), formats_(doc->allFormats()) {
        const QFont font = doc->defaultFont();
        defaultFamily_ = font.family().isEmpty() ? QStringLiteral("Arial") : font.family();
        defaultPoints_ = font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
    }

    QByteArray Write(int from, int to) {
        const int end = doc_->characterCount() - 1; // the final block separator is not text
        from_ = std::clamp(from, 0, end);
        to_ = to < 0 ? end : std::clamp(to, from_, end);
        body_.reserve((to_ - from_) * 5 / 4 + 256);
        WriteItems(doc_->rootFrame()->begin(), 0);
        // Headers and footers stand before the text; their fonts join the table first.
        QByteArray kept;
        if (from_ == 0 && to_ == end)
            kept = Restored(doc_->property(kKeptGroupsProperty).toByteArray());
        if (fonts_.empty()) FontIndex(defaultFamily_);
        return Header() + kept + body_ + "}\r\n";
    }

private:
    // Writes the blocks and tables of a frame or cell, from `it` to its end, at a table depth.
    // A cell's last paragraph ends with the cell mark instead of \par.
    void WriteItems(QTextFrame::iterator it, int depth, const char* lastEnd = nullptr) {
        for (; !it.atEnd() && !done_; ++it) {
            if (QTextFrame* frame = it.currentFrame()) {
                if (auto* table = qobject_cast<QTextTable*>(frame))
                    WriteTable(table, depth);
                else
                    WriteItems(frame->begin(), depth);
                continue;
            }
            const QTextBlock block = it.currentBlock();
            // A block that starts where the range ends is written empty: the range holds the
            // line break before it, and an empty last paragraph is what keeps that break.
            const int position = block.position();
            if (started_ && position > to_) {
                done_ = true;
                return;
            }
            if (position + block.length() <= from_) continue;
            QTextFrame::iterator next = it;
            ++next;
            // The empty line a table must follow in the editor when it opens a cell or the
            // script is not written (unless a paragraph of the file made it): the table
            // follows what comes before it.
            if (block.length() == 1 && !next.atEnd() && next.currentFrame() &&
                !block.charFormat().hasProperty(QTextFormat::FontFamilies) &&
                (!block.previous().isValid() || IsFirstInCell(block)))
                continue;
            started_ = true;
            CollectRuns(block, std::max(from_, position),
                        std::min(to_, position + block.length() - 1), runs_);
            WriteBlock(block, runs_, depth, next.atEnd() && lastEnd ? lastEnd : "\\par");
        }
    }

    static bool IsFirstInCell(const QTextBlock& block) {
        const QTextFrame* frame = QTextCursor(block).currentFrame();
        const auto* table = qobject_cast<const QTextTable*>(frame);
        if (!table) return false;
        return table->cellAt(block.position()).firstPosition() == block.position();
    }

    void WriteTable(QTextTable* table, int depth) {
        const int first = table->firstPosition();
        const int last = table->lastPosition();
        if (last < from_) return;
        if (started_ && first > to_) {
            done_ = true;
            return;
        }
        // A range inside one cell is that cell's text, without the table around it.
        const QTextTableCell fromCell = table->cellAt(from_);
        if (fromCell.isValid() && fromCell == table->cellAt(to_)) {
            WriteItems(fromCell.begin(), depth);
            return;
        }
        started_ = true;
        const int inner = depth + 1;
        const QList<QTextLength> widths = table->format().columnWidthConstraints();
        const bool border = table->format().border() > 0;
        const int columns = table->columns();
        std::vector<int> edges(static_cast<size_t>(columns));
        int right = 0;
        for (int c = 0; c < columns; ++c) {
            const QTextLength w = widths.value(c);
            right += w.type() == QTextLength::FixedLength ? qRound(w.rawValue() * kTwipsPerPixel)
                     : w.type() == QTextLength::PercentageLength
                         ? qRound(w.rawValue() * kTextWidth / 100)
                         : kTextWidth / columns;
            edges[static_cast<size_t>(c)] = std::max(right, (c + 1) * 20);
        }
        // Whole rows: a selection across cells selects rows.
        for (int r = 0; r < table->rows(); ++r) {
            const QTextTableCell rowFirst = table->cellAt(r, 0);
            const QTextTableCell rowLast = table->cellAt(r, columns - 1);
            if (rowLast.lastPosition() < from_ || rowFirst.firstPosition() > to_) continue;
            QByteArray definition = "\\trowd\\trgaph108\\trleft0";
            for (int c = 0; c < columns; ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (cell.row() < r)
                    definition += c == cell.column() ? "\\clvmrg" : "\\clvmrg\\clmrg";
                else if (cell.rowSpan() > 1)
                    definition += c == cell.column() ? "\\clvmgf" : "\\clvmgf\\clmrg";
                else if (cell.column() < c)
                    definition += "\\clmrg";
                // The grid, not the cell's span, says what it covers: after merges of merged
                // cells the two may disagree.
                else if (c + 1 < columns && table->cellAt(r, c + 1) == cell)
                    definition += "\\clmgf";
                if (border)
                    definition += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                                  "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
                definition += "\\cellx";
                AppendInt(definition, edges[static_cast<size_t>(c)]);
            }
            definition += "\r\n";
            if (inner == 1) body_ += definition;
            const char* cellEnd = inner == 1 ? "\\cell" : "\\nestcell";
            for (int c = 0; c < columns; ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (cell.row() == r && cell.column() == c) {
                    WriteCell(cell, inner, cellEnd);
                } else {
                    // A part of a merged cell: an empty cell the merge mark joins.
                    WriteParagraphStart(Qt::AlignLeft, inner);
                    body_ += cellEnd;
                    body_ += "\r\n";
                }
            }
            if (inner == 1) {
                body_ += "\\row\r\n";
            } else {
                body_ += "{\\*\\nesttableprops ";
                body_ += definition;
                body_ += "\\nestrow}{\\nonesttables\\par}\r\n";
            }
        }
    }

    void WriteCell(const QTextTableCell& cell, int depth, const char* cellEnd) {
        // Every block of the cell is written: rows are whole.
        const int from = from_;
        const int to = to_;
        from_ = cell.firstPosition();
        to_ = std::max(to, cell.lastPosition());
        WriteItems(cell.begin(), depth, cellEnd);
        from_ = from;
        to_ = to;
    }

    void WriteParagraphStart(Qt::Alignment alignment, int depth) {
        body_ += "\\pard";
        WriteParagraphProperties(alignment, depth);
    }

    void WriteParagraphProperties(Qt::Alignment alignment, int depth) {
        if (depth > 0) {
            body_ += "\\intbl";
            if (depth > 1) {
                body_ += "\\itap";
                AppendInt(body_, depth);
            }
        }
        body_ += AlignmentWord(alignment);
        delimit_ = true;
    }

    void CollectRuns(const QTextBlock& block, int from, int to, std::vector<Run>& runs) {
        runs.clear();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(from, fragment.position());
            const int stop = std::min(to, fragment.position() + fragment.length());
            if (start >= stop) continue;
            const RunFormat format = Resolve(fragment.charFormatIndex());
            const QString text = fragment.text();
            const QStringView part =
                QStringView(text).mid(start - fragment.position(), stop - start);
            if (!runs.empty() && runs.back().format == format)
                runs.back().text += part;
            else
                runs.push_back({format, part.toString()});
        }
    }

    void WriteBlock(const QTextBlock& block, const std::vector<Run>& runs, int depth,
                    const char* ending) {
        RunFormat paragraph = runs.empty() ? Resolve(block.charFormatIndex()) : runs.back().format;
        paragraph.field = paragraph.kept = 0;
        // The character state goes first: pandoc takes \plain as the end of \intbl.
        body_ += "\\pard";
        if (!stateWritten_ || paragraph != state_) {
            WriteState(paragraph);
            state_ = paragraph;
            stateWritten_ = true;
        }
        WriteParagraphProperties(block.blockFormat().alignment(), depth);
        if (QTextList* list = block.textList(); list && !IsPlainBullet(list->format())) {
            WriteListParagraph(list, block);
        } else if (list) {
            // WordPad's bullet: the old-style list description, with the bullet text for
            // readers that do not know it.
            if (symbolFont_ < 0) symbolFont_ = FontIndex(QStringLiteral("Symbol"));
            body_ += "{\\pntext\\f";
            AppendInt(body_, symbolFont_);
            body_ += "\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf";
            AppendInt(body_, symbolFont_);
            body_ += "\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720";
        }
        delimit_ = true;
        int field = 0;
        for (const Run& run : runs) {
            if (run.format.field != field) {
                if (field) body_ += "}}";
                field = run.format.field;
                if (field) {
                    body_ += "{\\field";
                    body_ += Restored(fieldInstructions_[static_cast<size_t>(field - 1)]);
                    body_ += "{\\fldrslt ";
                }
                delimit_ = false;
            }
            if (run.format.kept) {
                for (qsizetype i = 0; i < run.text.size(); ++i)
                    body_ += Restored(keptInline_[static_cast<size_t>(run.format.kept - 1)]);
                delimit_ = false; // it ends in a group or a blank
                continue;
            }
            if (SameLook(run.format, state_)) {
                AppendText(body_, run.text, delimit_);
                continue;
            }
            body_ += '{';
            WriteDifferences(state_, run.format);
            AppendText(body_, run.text, delimit_);
            body_ += '}';
            delimit_ = false;
        }
        if (field) {
            body_ += "}}";
            delimit_ = false;
        }
        body_ += ending;
        body_ += "\r\n";
    }

    // The editor's own bullet (one level, a disc, of no list of a file) is written as WordPad
    // writes it; every other list goes into the list table.
    static bool IsPlainBullet(const QTextListFormat& f) {
        return f.style() == QTextListFormat::ListDisc && f.indent() <= 1 &&
               !f.hasProperty(kListGroupProperty);
    }

    void WriteListParagraph(QTextList* list, const QTextBlock& block) {
        const QTextListFormat f = list->format();
        const int level = std::clamp(f.indent() - 1, 0, 8);
        const int ls = ListNumber(list, level);
        // The number as it shows, for readers without lists.
        body_ += "{\\listtext ";
        QString number = list->itemText(block);
        if (number.isEmpty()) number = QString(BulletOf(f.style()));
        bool delimit = false;
        AppendText(body_, number, delimit);
        body_ += "\\tab}\\ls";
        AppendInt(body_, ls);
        body_ += "\\ilvl";
        AppendInt(body_, level);
        body_ += "\\fi-360\\li";
        AppendInt(body_, 720 * (level + 1));
    }

    static char16_t BulletOf(QTextListFormat::Style style) {
        if (style == QTextListFormat::ListCircle) return u'o';
        if (style == QTextListFormat::ListSquare) return 0x25AA;
        return 0x2022;
    }

    // The \ls number of a list: one per list of the file it came from, else one per list.
    int ListNumber(QTextList* list, int level) {
        const QTextListFormat f = list->format();
        const QVariant group = f.property(kListGroupProperty);
        const QString key = group.isValid() ? QStringLiteral("g") + group.toString()
                                            : QStringLiteral("l%1").arg(quintptr(list));
        auto found = listNumbers_.constFind(key);
        if (found == listNumbers_.cend()) {
            found = listNumbers_.insert(key, static_cast<int>(listLevels_.size()) + 1);
            listLevels_.emplace_back();
        }
        auto& levels = listLevels_[static_cast<size_t>(*found - 1)];
        if (!levels[static_cast<size_t>(level)]) levels[static_cast<size_t>(level)] = f;
        return *found;
    }

    static int NumberFormatOf(QTextListFormat::Style style) {
        switch (style) {
        case QTextListFormat::ListDecimal:
            return 0;
        case QTextListFormat::ListUpperRoman:
            return 1;
        case QTextListFormat::ListLowerRoman:
            return 2;
        case QTextListFormat::ListUpperAlpha:
            return 3;
        case QTextListFormat::ListLowerAlpha:
            return 4;
        default:
            return 23;
        }
    }

    QByteArray ListTables() const {
        if (listLevels_.empty()) return {};
        static constexpr char kHex[] = "0123456789abcdef";
        QByteArray out = "{\\*\\listtable";
        for (size_t i = 0; i < listLevels_.size(); ++i) {
            out += "{\\list\\listtemplateid";
            AppendInt(out, static_cast<int>(i) + 1);
            for (int level = 0; level < 9; ++level) {
                const std::optional<QTextListFormat>& f =
                    listLevels_[i][static_cast<size_t>(level)];
                const QTextListFormat::Style style = f ? f->style() : QTextListFormat::ListDecimal;
                const int nfc = NumberFormatOf(style);
                out += "{\\listlevel\\levelnfc";
                AppendInt(out, nfc);
                out += "\\levelnfcn";
                AppendInt(out, nfc);
                out += "\\leveljc0\\levelfollow0\\levelstartat";
                AppendInt(out, f && f->hasProperty(kListStartProperty)
                                   ? f->intProperty(kListStartProperty)
                                   : 1);
                // The level text: its length, then the text around the number's place.
                QString before;
                QString after = QStringLiteral(".");
                if (f && f->hasProperty(QTextFormat::ListNumberPrefix)) before = f->numberPrefix();
                if (f && f->hasProperty(QTextFormat::ListNumberSuffix)) after = f->numberSuffix();
                out += "{\\leveltext\\'";
                bool delimit = false;
                if (nfc == 23) {
                    out += "01";
                    AppendText(out, QString(BulletOf(style)), delimit);
                    out += ";}{\\levelnumbers;}";
                } else {
                    const qsizetype length =
                        std::min<qsizetype>(before.size() + 1 + after.size(), 255);
                    out += kHex[length >> 4];
                    out += kHex[length & 0xF];
                    AppendText(out, before, delimit);
                    out += "\\'0";
                    out += kHex[level];
                    delimit = false;
                    AppendText(out, after, delimit);
                    out += ";}{\\levelnumbers\\'";
                    const qsizetype place = std::min<qsizetype>(before.size() + 1, 255);
                    out += kHex[place >> 4];
                    out += kHex[place & 0xF];
                    out += ";}";
                }
                out += "\\fi-360\\li";
                AppendInt(out, 720 * (level + 1));
                out += '}';
            }
            out += "\\listid";
            AppendInt(out, static_cast<int>(i) + 1);
            out += '}';
        }
        out += "}\r\n{\\*\\listoverridetable";
        for (size_t i = 0; i < listLevels_.size(); ++i) {
            out += "{\\listoverride\\listid";
            AppendInt(out, static_cast<int>(i) + 1);
            out += "\\listoverridecount0\\ls";
            AppendInt(out, static_cast<int>(i) + 1);
            out += '}';
        }
        out += "}\r\n";
        return out;
    }

    void WriteState(const RunFormat& f) {
        body_ += "\\plain\\f";
        AppendInt(body_, f.font);
        body_ += "\\fs";
        AppendInt(body_, f.halfPoints);
        if (f.bold) body_ += "\\b";
        if (f.italic) body_ += "\\i";
        if (f.underline) body_ += "\\ul";
        if (f.strike) body_ += "\\strike";
        if (f.color) {
            body_ += "\\cf";
            AppendInt(body_, f.color);
        }
        delimit_ = true;
    }

    void WriteDifferences(const RunFormat& from, const RunFormat& to) {
        if (to.font != from.font) {
            body_ += "\\f";
            AppendInt(body_, to.font);
        }
        if (to.halfPoints != from.halfPoints) {
            body_ += "\\fs";
            AppendInt(body_, to.halfPoints);
        }
        if (to.bold != from.bold) body_ += to.bold ? "\\b" : "\\b0";
        if (to.italic != from.italic) body_ += to.italic ? "\\i" : "\\i0";
        if (to.underline != from.underline) body_ += to.underline ? "\\ul" : "\\ulnone";
        if (to.strike != from.strike) body_ += to.strike ? "\\strike" : "\\strike0";
        if (to.color != from.color) {
            body_ += "\\cf";
            AppendInt(body_, to.color);
        }
        delimit_ = true;
    }

    // Fragments share format indices, so each distinct format is resolved once.
    RunFormat Resolve(int formatIndex) {
        const auto found = resolved_.constFind(formatIndex);
        if (found != resolved_.cend()) return *found;
        const QTextCharFormat f = formats_.value(formatIndex).toCharFormat();
        RunFormat run;
        const QStringList families = f.fontFamilies().toStringList();
        const auto family = std::find_if(families.cbegin(), families.cend(),
                                         [](const QString& name) { return !name.isEmpty(); });
        run.font = FontIndex(family != families.cend() ? *family : defaultFamily_);
        const double points = f.fontPointSize() > 0 ? f.fontPointSize() : defaultPoints_;
        run.halfPoints = std::clamp(qRound(points * 2), 2, 3276);
        run.bold = f.fontWeight() >= QFont::DemiBold;
        run.italic = f.fontItalic();
        run.underline = f.fontUnderline() || f.underlineStyle() != QTextCharFormat::NoUnderline;
        run.strike = f.fontStrikeOut();
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
            run.color = ColorIndex(f.foreground().color().rgb());
        if (const QByteArray instruction = f.property(kFieldInstructionProperty).toByteArray();
            !instruction.isEmpty()) {
            auto found = fieldIndex_.constFind(instruction);
            if (found == fieldIndex_.cend()) {
                fieldInstructions_.push_back(instruction);
                found =
                    fieldIndex_.insert(instruction, static_cast<int>(fieldInstructions_.size()));
            }
            run.field = *found;
        }
        if (const QByteArray kept = f.property(kKeptInlineProperty).toByteArray();
            !kept.isEmpty()) {
            auto found = keptIndex_.constFind(kept);
            if (found == keptIndex_.cend()) {
                keptInline_.push_back(kept);
                found = keptIndex_.insert(kept, static_cast<int>(keptInline_.size()));
            }
            run.kept = *found;
        }
        resolved_.insert(formatIndex, run);
        return run;
    }

    // Kept RTF with its fonts and colours numbered as in this file.
    QByteArray Restored(const QByteArray& kept) {
        QByteArray out;
        out.reserve(kept.size());
        for (qsizetype i = 0; i < kept.size(); ++i) {
            if (kept[i] != kNeutralStart) {
                out += kept[i];
                continue;
            }
            const qsizetype end = kept.indexOf(kNeutralEnd, i);
            if (end < 0) break;
            const QByteArray reference = kept.mid(i + 1, end - i - 1);
            i = end;
            const qsizetype blank = reference.indexOf(' ');
            const QByteArray word = reference.left(blank);
            const QByteArray value = reference.mid(blank + 1);
            out += '\\' + word;
            if (word == "f") {
                AppendInt(out,
                          FontIndex(value.isEmpty() ? defaultFamily_ : QString::fromUtf8(value)));
            } else {
                bool ok = false;
                const uint rgb = value.toUInt(&ok, 16);
                AppendInt(out, ok ? ColorIndex(rgb) : 0);
            }
            out += ' ';
        }
        return out;
    }

    int FontIndex(const QString& family) {
        // A semicolon would end the font table entry early.
        QString name = family;
        name.remove(u';');
        const auto found = fontIndex_.constFind(name);
        if (found != fontIndex_.cend()) return *found;
        fonts_.push_back(name);
        fontIndex_.insert(name, static_cast<int>(fonts_.size()) - 1);
        return static_cast<int>(fonts_.size()) - 1;
    }

    int ColorIndex(QRgb rgb) {
        rgb |= 0xFF000000u;
        const auto found = colorIndex_.constFind(rgb);
        if (found != colorIndex_.cend()) return *found;
        colors_.push_back(rgb);
        colorIndex_.insert(rgb, static_cast<int>(colors_.size()));
        return static_cast<int>(colors_.size());
    }

    QByteArray Header() const {
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
        for (size_t i = 0; i < fonts_.size(); ++i) {
            out += "{\\f";
            AppendInt(out, static_cast<int>(i));
            out += static_cast<int>(i) == symbolFont_ ? "\\fnil\\fcharset2" : "\\fnil\\fcharset0";
            bool delimit = true;
            AppendText(out, fonts_[i], delimit);
            out += ";}";
        }
        out += "}\r\n{\\colortbl ;";
        for (const QRgb rgb : colors_) {
            out += "\\red";
            AppendInt(out, qRed(rgb));
            out += "\\green";
            AppendInt(out, qGreen(rgb));
            out += "\\blue";
            AppendInt(out, qBlue(rgb));
            out += ';';
        }
        out += "}\r\n";
        out += ListTables();
        out += "\\viewkind4\r\n";
        return out;
    }

    const QTextDocument* doc_;
    const QList<QTextFormat> formats_;
    QString defaultFamily_;
    double defaultPoints_ = 12.0;

    int from_ = 0;
    int to_ = 0;
    bool started_ = false; // a block or table of the range was written
    bool done_ = false;    // past the range
    std::vector<Run> runs_;
    QHash<QString, int> listNumbers_; // \ls of each list, by its file list or itself
    std::vector<std::array<std::optional<QTextListFormat>, 9>> listLevels_;

    QByteArray body_;
    bool delimit_ = false;
    RunFormat state_;
    bool stateWritten_ = false;

    QHash<int, RunFormat> resolved_;
    std::vector<QByteArray> fieldInstructions_;
    std::vector<QByteArray> keptInline_;
    QHash<QByteArray, int> keptIndex_;
    QHash<QByteArray, int> fieldIndex_;
    std::vector<QString> fonts_;
    QHash<QString, int> fontIndex_;
    int symbolFont_ = -1;
    std::vector<QRgb> colors_;
    QHash<QRgb, int> colorIndex_;
};

} // namespace

QByteArray Write(const QTextDocument* doc, int from, int to) {
    if (!doc) return {};
    return Writer(doc).Write(from, to);
}

} // namespace rtf
