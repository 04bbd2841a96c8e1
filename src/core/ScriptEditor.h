// The script in the editor as the edit, file and recovery commands work on it: the selection
// and its formatting, search, the file's content and the edit history. The editor on screen
// implements it; nothing here knows of a widget.
//
// Positions and lengths count a line break as two characters, as Text writes it ("\r\n").
#pragma once

#include "core/ScriptDocument.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QMimeData;

class ScriptEditor : public ScriptDocument {
public:
    // Length of Text, without building it.
    virtual int TextLength() const = 0;
    // Replaces the whole script with plain text in the format at its start.
    virtual void setText(const QString& text) = 0;

    // The caret (setting it drops the selection) and the length of the selection after it.
    virtual int SelStart() const = 0;
    virtual void setSelStart(int position) = 0;
    virtual int SelLength() const = 0;
    virtual void setSelLength(int length) = 0;
    // Plain text of the selection; assigning replaces the selection with the text, formatted
    // as its first character, and leaves the caret after it.
    virtual QString SelText() const = 0;
    virtual void setSelText(const QString& text) = 0;

    // Character formatting of the selection: nullopt (or "" / 0 for the font) when it is
    // mixed; with no selection, the format at the caret. Writing formats the selection or,
    // with none, the text typed next.
    virtual std::optional<long> SelColor() const = 0; // 24-bit RGB, red in the low byte
    virtual void setSelColor(long rgb) = 0;
    virtual QString SelFontName() const = 0;
    virtual void setSelFontName(const QString& name) = 0;
    virtual double SelFontSize() const = 0; // points
    virtual void setSelFontSize(double points) = 0;
    virtual std::optional<bool> SelBold() const = 0;
    virtual void setSelBold(bool on) = 0;
    virtual std::optional<bool> SelItalic() const = 0;
    virtual void setSelItalic(bool on) = 0;
    virtual std::optional<bool> SelUnderline() const = 0;
    virtual void setSelUnderline(bool on) = 0;
    virtual std::optional<bool> SelStrikeThru() const = 0;
    virtual void setSelStrikeThru(bool on) = 0;
    // Paragraph formatting of the paragraphs the selection touches.
    virtual std::optional<bool> SelBullet() const = 0;
    virtual void setSelBullet(bool on) = 0;
    virtual std::optional<int> SelAlignment() const = 0; // 0 left, 1 right, 2 centre
    virtual void setSelAlignment(int alignment) = 0;

    // Options of Find, added together.
    static constexpr int rtfWholeWord = 2;
    static constexpr int rtfMatchCase = 4;
    // Searches text between start and end (-1: the end); selects the match and returns its
    // position, or -1.
    virtual int Find(const QString& text, int start = 0, int end = -1, int options = 0) = 0;
    // Replaces every match from start to the end as one edit, each in the format of its
    // match; leaves the caret after the last one and returns how many there were.
    virtual int ReplaceAll(const QString& text, const QString& replacement, int start = 0,
                           int options = 0) = 0;

    // The clipboard's forms of the selection (the caller owns them), and such data put in
    // place of the selection: rich text keeps its formatting, anything else is plain text.
    virtual QMimeData* SelectionMimeData() const = 0;
    virtual void InsertMimeData(const QMimeData* source) = 0;

    // The script from a file or its bytes (RTF with its formatting, else plain text), and the
    // script as the bytes a save writes. A failed load leaves the script as it was, and a
    // failed save the old file; error then says why.
    virtual bool LoadFile(const QString& path, QString* error = nullptr) = 0;
    virtual void LoadContent(const QByteArray& data) = 0;
    virtual bool SaveFile(const QString& path, QString* error = nullptr) = 0;
    virtual QByteArray FileContent() const = 0;

    // The edit history: one step per edit, each holding only what it changed. A step taken
    // back or done again tells where it changed the text and how much it left there.
    struct ReplayedEdit {
        int start = 0;
        int length = 0;         // 0: the step removed text
        bool lineBreak = false; // what it left is exactly one line break
    };
    virtual std::optional<ReplayedEdit> UndoEdit() = 0;
    virtual std::optional<ReplayedEdit> RedoEdit() = 0;
    virtual void ClearHistory() = 0;
    // Whether the history stands away from the script as saved.
    virtual bool IsModified() const = 0;

    // The operator's keys go to the script.
    virtual void SetFocus() = 0;
};
