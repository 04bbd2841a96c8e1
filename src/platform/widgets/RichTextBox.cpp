#include "platform/widgets/RichTextBox.h"

#include "platform/Keys.h"
#include "platform/PlatformTexts.h"
#include "platform/Twips.h"
#include "platform/VbColor.h"
#include "platform/rtf/Rtf.h"
#include "platform/rtf/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextList>
#include <limits>
#include <utility>

namespace {

constexpr char16_t kParagraphSeparator = 0x2029;
constexpr char16_t kLineSeparator = 0x2028;
// A table's cells start with the first and the table ends with the second; each is the line
// break of the block before it, so a cell reads as its own line.
constexpr char16_t kCellStart = 0xFDD0;
constexpr char16_t kTableEnd = 0xFDD1;

bool isBlockSeparator(char16_t ch) {
    return ch == kParagraphSeparator || ch == kCellStart || ch == kTableEnd;
}
const char* const kRtfMime = "text/rtf";
// Word processors on this desktop offer and take RTF under these names as well.
const char* const kRtfMimeAlt = "application/rtf";
const char* const kRichTextMime = "text/richtext";

// Text as the program sees it: each block separator is a carriage return + line feed. A soft
// line break, which the editor never creates itself, stays one character (a vertical tab) so
// that positions keep their meaning.
QString withCrLf(const QString& raw) {
    QString out;
    out.reserve(raw.size() + raw.count(QChar(kParagraphSeparator)));
    for (QChar ch : raw) {
        if (isBlockSeparator(ch.unicode()))
            out += QLatin1String("\r\n");
        else if (ch.unicode() == kLineSeparator)
            out += QChar(u'\v');
        else
            out += ch;
    }
    return out;
}

// Every kind of line break becomes "\n", which the document turns into a block boundary.
QString normalisedBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar(kLineSeparator), QChar(u'\n'));
    text.replace(QChar(kParagraphSeparator), QChar(u'\n'));
    return text;
}

// A word far longer than any line makes the layout search the rest of the word for a
// boundary on every line it wraps, which takes minutes for a word of a few megabytes. A
// script holding such a word is wrapped anywhere instead, which stays linear.
constexpr int kLongestWord = 5000;

bool hasLongWord(QStringView text) {
    int run = 0;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestWord) return true;
    }
    return false;
}

bool hasLongWord(const QTextDocument* doc) {
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        if (block.length() > kLongestWord && hasLongWord(block.text())) return true;
    return false;
}

// A paragraph longer than this keeps what its layout worked out (how its text splits into
// runs, where characters and words end, its glyphs): without it, each caret placement, click
// and repaint in the paragraph works all of that out again from its whole text.
constexpr int kLongParagraph = 5000;

void keepLongParagraphLayouts(const QTextDocument* doc) {
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        if (block.length() > kLongParagraph) block.layout()->setCacheEnabled(true);
}

// Whether a document needs the vertical scroll bar in a viewport of this size whatever its
// fonts: its paragraphs, and the lines its characters fill at half the default font's average
// width, take more than twice the viewport's height at half the default line spacing.
bool surelyOverflows(const QTextDocument* doc, QSize viewport) {
    if (viewport.width() <= 0 || viewport.height() <= 0) return false;
    const QFontMetricsF metrics(doc->defaultFont());
    const double lines = doc->blockCount() +
                         doc->characterCount() * metrics.averageCharWidth() / 2 / viewport.width();
    return lines * metrics.lineSpacing() / 2 > 2.0 * viewport.height();
}

// The document's characters from `from` to `to`, each block separator as U+2029. Read block by
// block: a cursor selection across cells would grow to whole cells or the whole table.
QString rawText(const QTextDocument* doc, int from, int to) {
    QString out;
    for (QTextBlock b = doc->findBlock(from); b.isValid() && b.position() < to; b = b.next()) {
        const int textEnd = b.position() + b.length() - 1;
        const int start = qMax(from, b.position());
        const int end = qMin(to, textEnd);
        if (end > start) {
            QTextCursor part(const_cast<QTextDocument*>(doc));
            part.setPosition(start);
            part.setPosition(end, QTextCursor::KeepAnchor);
            out += part.selectedText();
        }
        if (textEnd < to) out += QChar(kParagraphSeparator);
    }
    return out;
}

QByteArray rtfBytes(const QString& rtf) {
    // RTF is bytes; a text that came from bytes round-trips through Latin-1.
    for (QChar ch : rtf)
        if (ch.unicode() > 0xFF) return rtf.toUtf8();
    return rtf.toLatin1();
}

bool isWordChar(QChar ch) {
    return ch.isLetterOrNumber() || ch == u'_';
}

long colourOf(const QTextCharFormat& f) {
    return f.hasProperty(QTextFormat::ForegroundBrush) ? RgbValueOf(f.foreground().color()) : 0;
}

int alignmentCode(Qt::Alignment a) {
    if (a & Qt::AlignRight) return 1;
    if (a & Qt::AlignHCenter) return 2;
    return 0;
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(true);
    viewport()->setMouseTracking(true);
    auto* doc = new QTextDocument(this);
    doc->setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    adoptDocument(doc);
}

void RichTextBox::adoptDocument(QTextDocument* doc, bool longWord) {
    // The control deletes a document it created itself; ours are children of this box.
    QTextDocument* old = document();
    const bool oursToDelete = old && old != doc && old->parent() == this;
    // Every setting changed on the way lays out the whole document it meets, and a script
    // with a word of megabytes is one paragraph laid out in one piece. So the new script is
    // laid out once, when the control gives it its width: the scroll bar it will need is there
    // beforehand, the wrap mode is set while the old script no longer lays itself out, and the
    // new one does not lay itself out at its default width before it is shown.
    const bool barAhead = verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded &&
                          surelyOverflows(doc, viewport()->size());
    if (barAhead) setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    if (oursToDelete) old->setPageSize(QSizeF(0, 0));
    wrapFor(longWord);
    doc->setPageSize(QSizeF(0, 0));
    setDocument(doc);
    if (barAhead) setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (oursToDelete) delete old;
    connect(doc, &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                if (replaying_) {
                    replayFrom_ = qMin(replayFrom_, position);
                    replayTo_ = qMax(replayTo_, position + added);
                }
                patchTextCache(position, removed, added);
                touched_ = true;
            });
    connect(doc, &QTextDocument::contentsChanged, this, [this] {
        // Every key press is an edit block of its own, and the document reports the end of
        // one as a change even when the key only moved the caret (an arrow key, Alt+F4): that
        // is no change of the script.
        if (!std::exchange(touched_, false)) return;
        ++contentVersion_;
        if (changeSuppressed_ == 0 && onChange) onChange();
    });
    ++contentVersion_;
    textCacheValid_ = false;
}

// ---- positions ----

int RichTextBox::FromDocumentPosition(int documentPosition) const {
    const QTextDocument* doc = document();
    QTextBlock block = doc->findBlock(documentPosition);
    if (!block.isValid()) block = doc->lastBlock();
    return documentPosition + block.blockNumber();
}

int RichTextBox::ToDocumentPosition(int position) const {
    if (position <= 0) return 0;
    const QTextDocument* doc = document();
    // Block k starts at document position p(k), which is p(k) + k in the two-character view.
    // Find the last block that starts at or before the position; it is never after the
    // block holding the same document position.
    int lo = 0;
    int hi = doc->findBlock(position).isValid() ? doc->findBlock(position).blockNumber()
                                                : doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= position)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(lo);
    const int blockEnd = block.position() + block.length() - 1;
    // A position between the carriage return and the line feed stays at the end of the line.
    return qMin(position - lo, blockEnd);
}

// ---- text ----

QString RichTextBox::Text() const {
    if (!textCacheValid_) {
        textCache_ = withCrLf(document()->toRawText());
        textCacheValid_ = true;
    }
    return textCache_;
}

void RichTextBox::patchTextCache(int position, int removed, int added) {
    if (!textCacheValid_) return;
    // Text before the change is unchanged, and so is the text after it: only the changed
    // stretch is taken from the document again. Formatting changes, such as colouring a cue,
    // then cost the cue's length, not the script's.
    const int length = TextLength();
    const int lastPosition = document()->characterCount() - 1;
    const int from = FromDocumentPosition(qBound(0, position, lastPosition));
    const int to = FromDocumentPosition(qBound(0, position + added, lastPosition));
    const int tail = length - to;
    const int oldTo = int(textCache_.size()) - tail;
    if (from > to || tail < 0 || oldTo < from) {
        textCacheValid_ = false;
        return;
    }
    textCache_.replace(
        from, oldTo - from,
        withCrLf(rawText(document(), ToDocumentPosition(from), ToDocumentPosition(to))));
    Q_UNUSED(removed);
    if (textCache_.size() != length) textCacheValid_ = false;
}

int RichTextBox::TextLength() const {
    const QTextDocument* doc = document();
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

void RichTextBox::insertPlainText(QTextCursor& cursor, const QString& text) {
    cursor.insertText(normalisedBreaks(text));
}

void RichTextBox::wrapFor(bool longWord) {
    const QTextOption::WrapMode mode =
        longWord ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != mode) setWordWrapMode(mode);
}

void RichTextBox::setText(const QString& text) {
    wrapFor(hasLongWord(text));
    // The new text takes the format of the script's first character.
    QTextCursor probe(document());
    if (document()->characterCount() > 1) probe.setPosition(1);
    const QTextCharFormat format = probe.charFormat();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setCharFormat(format);
    insertPlainText(cursor, text);
    cursor.endEditBlock();
    cursor.setPosition(0);
    setTextCursor(cursor);
    emit scriptReplaced();
}

int RichTextBox::SelStart() const {
    return FromDocumentPosition(textCursor().selectionStart());
}

void RichTextBox::setSelStart(int position) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(ToDocumentPosition(qBound(0, position, TextLength())));
    setTextCursor(cursor);
}

int RichTextBox::SelLength() const {
    const QTextCursor cursor = textCursor();
    return FromDocumentPosition(cursor.selectionEnd()) -
           FromDocumentPosition(cursor.selectionStart());
}

void RichTextBox::setSelLength(int length) {
    const int start = SelStart();
    const int end = qBound(start, start + qMax(0, length), TextLength());
    QTextCursor cursor = textCursor();
    cursor.setPosition(ToDocumentPosition(start));
    cursor.setPosition(ToDocumentPosition(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextBox::SelText() const {
    // A selection across cells covers whole cells; selectedText() gives nothing for it.
    const QTextCursor cursor = textCursor();
    return withCrLf(rawText(document(), cursor.selectionStart(), cursor.selectionEnd()));
}

void RichTextBox::setSelText(const QString& text) {
    if (text.size() > kLongestWord && hasLongWord(text)) wrapFor(true);
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection() && SelText() == text) {
        // The text already there changes nothing, and must not become a step of the edit
        // history (a cue's canonical form is written back at every click).
        cursor.setPosition(cursor.selectionEnd());
        setTextCursor(cursor);
        return;
    }
    QTextCharFormat format = cursor.charFormat();
    if (cursor.hasSelection()) {
        // The new text takes the format of the first character it replaces.
        QTextCursor probe(document());
        probe.setPosition(cursor.selectionStart() + 1);
        format = probe.charFormat();
    }
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.setCharFormat(format);
    insertPlainText(cursor, text);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

QString RichTextBox::SelRTF() const {
    const QTextCursor cursor = textCursor();
    return QString::fromLatin1(
        rtf::Write(document(), cursor.selectionStart(), cursor.selectionEnd()));
}

void RichTextBox::setSelRTF(const QString& rtfText) {
    const QByteArray data = rtfBytes(rtfText);
    if (!rtf::LooksLikeRtf(data)) {
        setSelText(rtfText);
        return;
    }
    QTextDocument parsed;
    parsed.setUndoRedoEnabled(false);
    rtf::Read(data, &parsed);
    if (hasLongWord(&parsed)) wrapFor(true);
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertFragment(QTextDocumentFragment(&parsed));
    cursor.endEditBlock();
    setTextCursor(cursor);
}

// ---- edit history ----

bool RichTextBox::CanUndo() const {
    return document()->isUndoAvailable();
}

bool RichTextBox::IsModified() const {
    return document()->isModified();
}

void RichTextBox::SetClean() {
    document()->setModified(false);
}

void RichTextBox::ClearHistory() {
    document()->clearUndoRedoStacks();
}

std::optional<RichTextBox::ReplayedEdit> RichTextBox::UndoEdit() {
    return replay(true);
}

std::optional<RichTextBox::ReplayedEdit> RichTextBox::RedoEdit() {
    return replay(false);
}

std::optional<RichTextBox::ReplayedEdit> RichTextBox::replay(bool undo) {
    QTextDocument* doc = document();
    if (!(undo ? doc->isUndoAvailable() : doc->isRedoAvailable())) return std::nullopt;
    QTextCursor cursor = textCursor();
    replaying_ = true;
    replayFrom_ = std::numeric_limits<int>::max();
    replayTo_ = -1;
    if (undo)
        doc->undo(&cursor);
    else
        doc->redo(&cursor);
    replaying_ = false;
    setTextCursor(cursor);
    if (replayTo_ < 0) return ReplayedEdit{SelStart(), 0, false};
    const int last = doc->characterCount() - 1;
    const int from = qBound(0, replayFrom_, last);
    const int to = qBound(from, replayTo_, last);
    ReplayedEdit edit;
    edit.start = FromDocumentPosition(from);
    edit.length = FromDocumentPosition(to) - edit.start;
    edit.lineBreak = to == from + 1 && doc->characterAt(from) == QChar(kParagraphSeparator);
    return edit;
}

// ---- formatting ----

void RichTextBox::forEachSelectedFormat(
    const std::function<bool(const QTextCharFormat&)>& visit) const {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        visit(cursor.charFormat());
        return;
    }
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    bool any = false;
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.position() + fragment.length() <= start) continue;
            if (fragment.position() >= end) break;
            any = true;
            if (!visit(fragment.charFormat())) return;
        }
    }
    // A selection of line breaks only has the format of where it starts.
    if (!any) {
        QTextCursor probe(document());
        probe.setPosition(start);
        visit(probe.charFormat());
    }
}

void RichTextBox::forEachSelectedBlock(const std::function<bool(const QTextBlock&)>& visit) const {
    const QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    QTextBlock block = document()->findBlock(start);
    do {
        if (!visit(block)) return;
        block = block.next();
        // A selection that ends where a paragraph starts does not touch that paragraph.
    } while (block.isValid() && block.position() < end);
}

template <typename T>
std::optional<T>
RichTextBox::uniformFormat(const std::function<T(const QTextCharFormat&)>& value) const {
    std::optional<T> result;
    bool mixed = false;
    forEachSelectedFormat([&](const QTextCharFormat& f) {
        const T v = value(f);
        if (!result)
            result = v;
        else if (*result != v)
            mixed = true;
        return !mixed;
    });
    if (mixed) return std::nullopt;
    return result;
}

void RichTextBox::mergeSelectionFormat(const QTextCharFormat& format) {
    QTextCursor cursor = textCursor();
    // A format the whole selection has already changes nothing, and must not become a step
    // of the edit history (a font chosen in the list is applied on the change and the click).
    if (cursor.hasSelection()) {
        bool already = true;
        const QMap<int, QVariant> wanted = format.properties();
        forEachSelectedFormat([&](const QTextCharFormat& f) {
            for (auto it = wanted.cbegin(); already && it != wanted.cend(); ++it)
                already = f.property(it.key()) == it.value();
            return already;
        });
        if (already) return;
    }
    ++changeSuppressed_;
    cursor.mergeCharFormat(format);
    setTextCursor(cursor);
    --changeSuppressed_;
}

std::optional<long> RichTextBox::SelColor() const {
    return uniformFormat<long>(colourOf);
}

void RichTextBox::setSelColor(long rgb) {
    QTextCharFormat f;
    f.setForeground(ColorFromRgbValue(rgb));
    mergeSelectionFormat(f);
}

QString RichTextBox::SelFontName() const {
    const QString fallback = document()->defaultFont().family();
    return uniformFormat<QString>([&](const QTextCharFormat& f) {
               const QStringList families = f.property(QTextFormat::FontFamilies).toStringList();
               if (!families.isEmpty()) return families.first();
               const QString family = f.property(QTextFormat::FontFamily).toString();
               return family.isEmpty() ? fallback : family;
           })
        .value_or(QString());
}

void RichTextBox::setSelFontName(const QString& name) {
    if (name.isEmpty()) return;
    QTextCharFormat f;
    f.setFontFamilies(QStringList{name});
    mergeSelectionFormat(f);
}

double RichTextBox::SelFontSize() const {
    const double fallback = document()->defaultFont().pointSizeF();
    return uniformFormat<double>([&](const QTextCharFormat& f) {
               return f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : fallback;
           })
        .value_or(0.0);
}

void RichTextBox::setSelFontSize(double points) {
    if (points <= 0) return;
    QTextCharFormat f;
    f.setFontPointSize(points);
    mergeSelectionFormat(f);
}

std::optional<bool> RichTextBox::SelBold() const {
    return uniformFormat<bool>(
        [](const QTextCharFormat& f) { return f.fontWeight() > QFont::Medium; });
}

void RichTextBox::setSelBold(bool on) {
    QTextCharFormat f;
    f.setFontWeight(on ? QFont::Bold : QFont::Normal);
    mergeSelectionFormat(f);
}

std::optional<bool> RichTextBox::SelItalic() const {
    return uniformFormat<bool>([](const QTextCharFormat& f) { return f.fontItalic(); });
}

void RichTextBox::setSelItalic(bool on) {
    QTextCharFormat f;
    f.setFontItalic(on);
    mergeSelectionFormat(f);
}

std::optional<bool> RichTextBox::SelUnderline() const {
    return uniformFormat<bool>([](const QTextCharFormat& f) { return f.fontUnderline(); });
}

void RichTextBox::setSelUnderline(bool on) {
    QTextCharFormat f;
    f.setFontUnderline(on);
    mergeSelectionFormat(f);
}

std::optional<bool> RichTextBox::SelStrikeThru() const {
    return uniformFormat<bool>([](const QTextCharFormat& f) { return f.fontStrikeOut(); });
}

void RichTextBox::setSelStrikeThru(bool on) {
    QTextCharFormat f;
    f.setFontStrikeOut(on);
    mergeSelectionFormat(f);
}

std::optional<bool> RichTextBox::SelBullet() const {
    std::optional<bool> result;
    bool mixed = false;
    forEachSelectedBlock([&](const QTextBlock& block) {
        const bool bulleted = block.textList() != nullptr;
        if (!result)
            result = bulleted;
        else if (*result != bulleted)
            mixed = true;
        return !mixed;
    });
    if (mixed) return std::nullopt;
    return result;
}

void RichTextBox::setSelBullet(bool on) {
    QList<QTextBlock> blocks;
    forEachSelectedBlock([&](const QTextBlock& block) {
        blocks << block;
        return true;
    });
    ++changeSuppressed_;
    QTextCursor edit(document());
    edit.beginEditBlock();
    QTextList* list = nullptr;
    for (const QTextBlock& block : blocks) {
        if (on) {
            if (block.textList()) {
                list = block.textList();
                continue;
            }
            // Join the list of the paragraph above, so that neighbouring bullets stay one list.
            if (!list && block.previous().isValid()) list = block.previous().textList();
            if (list) {
                list->add(block);
            } else {
                QTextCursor at(block);
                QTextListFormat format;
                format.setStyle(QTextListFormat::ListDisc);
                format.setIndent(1);
                list = at.createList(format);
            }
        } else if (QTextList* current = block.textList()) {
            current->remove(block);
            QTextCursor at(block);
            QTextBlockFormat format = block.blockFormat();
            format.setIndent(0);
            format.setObjectIndex(-1);
            at.setBlockFormat(format);
        }
    }
    edit.endEditBlock();
    --changeSuppressed_;
}

std::optional<int> RichTextBox::SelAlignment() const {
    std::optional<int> result;
    bool mixed = false;
    forEachSelectedBlock([&](const QTextBlock& block) {
        const int code = alignmentCode(block.blockFormat().alignment());
        if (!result)
            result = code;
        else if (*result != code)
            mixed = true;
        return !mixed;
    });
    if (mixed) return std::nullopt;
    return result;
}

void RichTextBox::setSelAlignment(int alignment) {
    const Qt::Alignment a = alignment == 1   ? Qt::AlignRight
                            : alignment == 2 ? Qt::AlignHCenter
                                             : Qt::AlignLeft;
    QList<QTextBlock> blocks;
    forEachSelectedBlock([&](const QTextBlock& block) {
        blocks << block;
        return true;
    });
    ++changeSuppressed_;
    QTextCursor edit(document());
    edit.beginEditBlock();
    for (const QTextBlock& block : blocks) {
        QTextCursor at(block);
        QTextBlockFormat format;
        format.setAlignment(a);
        at.mergeBlockFormat(format);
    }
    edit.endEditBlock();
    --changeSuppressed_;
}

// ---- methods ----

int RichTextBox::Find(const QString& text, int start, int end, int options) {
    const QString all = Text();
    const int at = nextMatch(all, text, qMax(0, start), end, options);
    if (at < 0) return -1;
    setSelStart(at);
    setSelLength(int(text.size()));
    return at;
}

int RichTextBox::ReplaceAll(const QString& text, const QString& replacement, int start,
                            int options) {
    const QString all = Text();
    QList<int> matches;
    for (int at = nextMatch(all, text, qMax(0, start), -1, options); at >= 0;
         at = nextMatch(all, text, at + int(text.size()), -1, options))
        matches << at;
    if (matches.isEmpty()) return 0;
    // Back to front, so that the positions still to be replaced do not move; all in one edit
    // block, so that the whole replacement is one edit of the document.
    const QString inserted = normalisedBreaks(replacement);
    QTextCursor cursor(document());
    QTextCursor caret;
    cursor.beginEditBlock();
    for (qsizetype i = matches.size() - 1; i >= 0; --i) {
        const int from = ToDocumentPosition(matches[i]);
        const int to = ToDocumentPosition(matches[i] + int(text.size()));
        cursor.setPosition(from + 1);
        const QTextCharFormat format = cursor.charFormat();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        cursor.insertText(inserted, format);
        // A cursor follows the edits made before it: it ends after the last replacement.
        if (caret.isNull()) caret = cursor;
    }
    cursor.endEditBlock();
    caret.clearSelection();
    setTextCursor(caret);
    return int(matches.size());
}

int RichTextBox::nextMatch(const QString& all, const QString& text, int from, int end,
                           int options) {
    if (text.isEmpty()) return -1;
    const int length = int(all.size());
    if (end < 0 || end > length) end = length;
    const Qt::CaseSensitivity cs =
        (options & rtfMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (;;) {
        const qsizetype at = all.indexOf(text, from, cs);
        if (at < 0 || at + text.size() > end) return -1;
        const qsizetype after = at + text.size();
        const bool whole = (at == 0 || !isWordChar(all[at - 1])) &&
                           (after >= all.size() || !isWordChar(all[after]));
        if (!(options & rtfWholeWord) || whole) return int(at);
        from = int(at) + 1;
    }
}

bool RichTextBox::LoadFile(const QString& path, QString* error) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error) *error = ReadFailure(path);
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = ReadFailure(path);
        return false;
    }
    LoadContent(data);
    return true;
}

void RichTextBox::LoadContent(const QByteArray& data) {
    auto* doc = new QTextDocument(this);
    doc->setDefaultFont(document()->defaultFont());
    // The loaded script is the start of a fresh history, not a step in it.
    doc->setUndoRedoEnabled(false);
    if (rtf::LooksLikeRtf(data)) {
        rtf::Read(data, doc);
    } else {
        QTextCursor cursor(doc);
        insertPlainText(cursor, rtf::DecodePlainText(data));
    }
    doc->setUndoRedoEnabled(true);
    keepLongParagraphLayouts(doc);
    ++changeSuppressed_;
    adoptDocument(doc, hasLongWord(doc));
    --changeSuppressed_;
    moveCursor(QTextCursor::Start);
    if (onChange) onChange();
    emit scriptReplaced();
}

QByteArray RichTextBox::FileContent() const {
    return rtf::Write(document());
}

bool RichTextBox::SaveFile(const QString& path, QString* error) {
    // QSaveFile writes beside the target and renames at the end: a failed save leaves the old
    // file whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = WriteFailure(path);
        return false;
    }
    const QByteArray data = FileContent();
    if (file.write(data) != data.size() || !file.commit()) {
        if (error) *error = WriteFailure(path);
        file.cancelWriting();
        return false;
    }
    return true;
}

void RichTextBox::SelPrint(QPrinter* printer) {
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        document()->print(printer);
        return;
    }
    QTextDocument selection;
    selection.setDefaultFont(document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    selection.print(printer);
}

void RichTextBox::SetFocus() {
    setFocus(Qt::OtherFocusReason);
}

// ---- events ----

bool RichTextBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && ownsShortcut) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (ownsShortcut(KeyCodeOf(key), ShiftMaskOf(key->modifiers()))) {
            event->accept();
            return true;
        }
    }
    return QTextEdit::event(event);
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    const int original = KeyCodeOf(event);
    int keyCode = original;
    int shift = ShiftMaskOf(event->modifiers());
    if (onKeyDown) onKeyDown(keyCode, shift);
    if (original != 0 && keyCode == 0) {
        event->accept(); // the handler took the key: the control does nothing with it
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed[0].unicode() != 0x7F) {
        int keyAscii = typed[0].unicode();
        const int before = keyAscii;
        if (onKeyPress) onKeyPress(keyAscii);
        if (keyAscii == 0) {
            event->accept();
            return;
        }
        if (keyAscii != before) {
            asOneStep([&] {
                QTextCursor cursor = textCursor();
                insertPlainText(cursor, QString(QChar(keyAscii)));
                setTextCursor(cursor);
            });
            event->accept();
            return;
        }
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ShiftModifier)) {
        // Shift+Enter would make a soft line break; scripts know only one kind of break.
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), ushort(event->count()));
        asOneStep([&] { QTextEdit::keyPressEvent(&plain); });
        event->setAccepted(plain.isAccepted());
        return;
    }
    asOneStep([&] { QTextEdit::keyPressEvent(event); });
}

void RichTextBox::inputMethodEvent(QInputMethodEvent* event) {
    asOneStep([&] { QTextEdit::inputMethodEvent(event); });
}

void RichTextBox::asOneStep(const std::function<void()>& edit) {
    // The document merges consecutive typed characters into one history step unless each
    // comes in an edit block of its own.
    QTextCursor block(document());
    block.beginEditBlock();
    edit();
    block.endEditBlock();
}

void RichTextBox::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && onKeyUp) {
        int keyCode = KeyCodeOf(event);
        int shift = ShiftMaskOf(event->modifiers());
        onKeyUp(keyCode, shift);
    }
    QTextEdit::keyReleaseEvent(event);
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
    QTextEdit::mousePressEvent(event);
    if (onMouseDown)
        onMouseDown(ButtonOf(event->button()), ShiftMaskOf(event->modifiers()),
                    PixelsToTwipsX(event->position().x()), PixelsToTwipsY(event->position().y()));
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    // The release that ends a double-click is not another click.
    if (afterDoubleClick_) {
        afterDoubleClick_ = false;
        return;
    }
    if (onClick) onClick();
}

void RichTextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QTextEdit::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    afterDoubleClick_ = true;
    if (onDblClick) onDblClick();
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event) {
    QTextEdit::mouseMoveEvent(event);
    if (onMouseMove)
        onMouseMove(ButtonMaskOf(event->buttons()), ShiftMaskOf(event->modifiers()),
                    PixelsToTwipsX(event->position().x()), PixelsToTwipsY(event->position().y()));
}

void RichTextBox::contextMenuEvent(QContextMenuEvent* event) {
    // The program shows its own Edit menu from the mouse-down handler.
    event->accept();
}

QMimeData* RichTextBox::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    const QTextCursor cursor = textCursor();
    QString plain = rawText(document(), cursor.selectionStart(), cursor.selectionEnd());
    for (QChar& ch : plain)
        if (isBlockSeparator(ch.unicode())) ch = u'\n';
    data->setText(plain);
    const QByteArray rtf = SelRTF().toLatin1();
    for (const char* mime : {kRtfMime, kRichTextMime})
        data->setData(QString::fromLatin1(mime), rtf);
    return data;
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
    // Drops and the control's own pastes keep to the script model: RTF with its formatting,
    // anything else as plain text.
    for (const char* mime : {kRtfMime, kRichTextMime, kRtfMimeAlt}) {
        const QByteArray data = source->data(QString::fromLatin1(mime));
        if (rtf::LooksLikeRtf(data)) {
            setSelRTF(QString::fromLatin1(data));
            return;
        }
    }
    if (source->hasText()) {
        setSelText(source->text());
    } else if (source->hasHtml()) {
        // Some web pages and word processors offer HTML alone. It goes in through RTF, so it
        // keeps exactly what pasted rich text keeps and nothing the script cannot save.
        QTextDocument html;
        html.setUndoRedoEnabled(false);
        html.setHtml(source->html());
        setSelRTF(QString::fromLatin1(rtf::Write(&html)));
    }
}
