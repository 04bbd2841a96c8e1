// Our own RTF reader and writer for the script editor.
//
// The editor keeps a script in a QTextDocument with a deliberately small model, which both
// sides of this module rely on:
//  - every line break is a block boundary (the document never holds U+2028); "\line",
//    "\par", "\page" and "\sect" all start a new block;
//  - tables are QTextTables, nested as the file nests them, each cell holding blocks; column
//    widths are fixed lengths in pixels at 96 dpi (15 twips); merged cells are merged;
//  - character formatting is family, point size, bold, italic, underline, strike-out and
//    foreground colour; a format without a foreground brush means "automatic" (black);
//  - paragraph formatting is alignment (left, right, centre, justify) and the list: a
//    QTextList per level of a list, its indent the level + 1, with its number style (disc,
//    circle, square, 1, a, A, i, I) and the text before and after the number;
//  - no frames other than tables, and no images.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTextFormat>

class QTextDocument;

namespace rtf {

// True when the bytes start (after blanks and an optional UTF-8 byte-order mark) with "{\rtf".
bool LooksLikeRtf(const QByteArray& data);

// What a list format carries for the file beyond what the editor uses: the file's list a level
// belongs to (so that its levels are written back as one list), and the number it starts at
// (kept, though this Qt shows every list from 1).
constexpr int kListGroupProperty = QTextFormat::UserProperty + 1;
constexpr int kListStartProperty = QTextFormat::UserProperty + 2;

// What the editor does not show but a file keeps through load and save. A field's result text
// carries the field's instruction group in its character format; headers and footers are kept
// in the document's property of this name. Both are RTF as the file had it, except that a font
// or colour number is written as kNeutralStart, the control word, a blank, the font's family or
// the colour as hex RGB ("auto" for automatic), kNeutralEnd, so that it means the same in a file
// with other tables.
constexpr int kFieldInstructionProperty = QTextFormat::UserProperty + 3;
// Footnotes, annotations and hidden text are kept as RTF in the format of one character where
// they stood: the footnote's number, else a zero-width space; the writer writes the RTF instead.
constexpr int kKeptInlineProperty = QTextFormat::UserProperty + 4;
constexpr char kKeptGroupsProperty[] = "scenoluxRtfKeptGroups";
constexpr char kNeutralStart = '\x01';
constexpr char kNeutralEnd = '\x02';

// Replaces the content of doc with the RTF in data. Reads what word processors write (font
// and colour tables, \ansicpg and \fcharset code pages with \'hh escapes, \uN with its
// fallback, \* destinations, pictures and objects skipped, field results kept). A damaged or
// truncated file loads what can be read; it never throws, crashes or hangs. A final \par with
// nothing after it does not add an empty last line, so Write then Read keeps the line count.
void Read(const QByteArray& data, QTextDocument* doc);

// Writes the characters of doc from document position `from` up to `to` (-1: the end) as an
// RTF file that word processors open with its formatting. Every written block, the last one
// included, ends with \par.
QByteArray Write(const QTextDocument* doc, int from = 0, int to = -1);

} // namespace rtf
