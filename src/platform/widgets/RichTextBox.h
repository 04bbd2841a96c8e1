// The script editor control: a rich-text box with the operations, properties and events the
// program relies on, over QTextEdit and our own RTF reader and writer.
//
// Positions: the program counts a line break as two characters (carriage return + line feed)
// in Text, SelStart, SelLength and Find, as scripts from the original platform do. The
// document holds one separator per break; conversions go through the block index, so they
// cost a few tree look-ups, never a scan of the text.
#pragma once

#include "platform/Control.h"

#include <QString>
#include <QTextEdit>
#include <functional>
#include <optional>

class QMimeData;
class QPrinter;
class QTextBlock;
class QTextCharFormat;

class RichTextBox : public QTextEdit, public Tagged {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);

    // Whole plain text, line breaks as "\r\n". Assigning replaces the whole content with
    // plain text in the format at the start of the script.
    QString Text() const;
    void setText(const QString& text);
    // Length of Text, without building it.
    int TextLength() const;

    // Caret position (0 = before the first character); setting it removes the selection.
    int SelStart() const;
    void setSelStart(int position);
    // Length of the selection after SelStart.
    int SelLength() const;
    void setSelLength(int length);
    // Plain text of the selection; assigning replaces the selection with the text (formatted
    // as the selection's first character) and leaves the caret after it: one change event.
    QString SelText() const;
    void setSelText(const QString& text);
    // The selection as RTF; assigning inserts RTF with its formatting in place of the
    // selection (text that is not RTF goes in as plain text).
    QString SelRTF() const;
    void setSelRTF(const QString& rtf);

    // Character formatting of the selection. Reading gives std::nullopt (or "" / 0 for the
    // font) when the selection is mixed; with no selection, the format at the caret.
    // Writing formats the whole selection or, with no selection, the text typed next.
    std::optional<long> SelColor() const; // 24-bit RGB value, red in the low byte
    void setSelColor(long rgb);
    QString SelFontName() const;
    void setSelFontName(const QString& name);
    double SelFontSize() const; // points
    void setSelFontSize(double points);
    std::optional<bool> SelBold() const;
    void setSelBold(bool on);
    std::optional<bool> SelItalic() const;
    void setSelItalic(bool on);
    std::optional<bool> SelUnderline() const;
    void setSelUnderline(bool on);
    std::optional<bool> SelStrikeThru() const;
    void setSelStrikeThru(bool on);
    // Paragraph formatting of the paragraphs the selection touches.
    std::optional<bool> SelBullet() const;
    void setSelBullet(bool on);
    std::optional<int> SelAlignment() const; // 0 left, 1 right, 2 centre
    void setSelAlignment(int alignment);

    // Options of Find, added together.
    static constexpr int rtfWholeWord = 2;
    static constexpr int rtfMatchCase = 4;
    // Searches text between start and end (-1: the end of the text); selects the match and
    // returns its position, or -1.
    int Find(const QString& text, int start = 0, int end = -1, int options = 0);
    // Replaces every match of text from start to the end, with Find's options, as one edit
    // (one change event); each replacement takes the format of its match's first character.
    // Leaves the caret after the last replacement and returns the number of replacements.
    int ReplaceAll(const QString& text, const QString& replacement, int start = 0, int options = 0);

    // Replaces the content with a file: RTF keeps its formatting, anything else comes in as
    // plain text (UTF-8 when valid, else Windows-1252). On failure the content is unchanged,
    // false is returned and error says why.
    bool LoadFile(const QString& path, QString* error = nullptr);
    // Replaces the content with the bytes of a file, read as LoadFile reads them.
    void LoadContent(const QByteArray& data);
    // Writes the whole content as RTF, whatever the extension; the old file stays intact
    // until the new one is complete. On failure false is returned and error says why.
    bool SaveFile(const QString& path, QString* error = nullptr);
    // The bytes SaveFile writes.
    QByteArray FileContent() const;
    // Grows with every change of the content, formatting included, and with every load: equal
    // values mean an unchanged script.
    quint64 ContentVersion() const { return contentVersion_; }
    // Edit history, kept by the document itself: each edit of the text or its formatting
    // (one key press, one paste, one program edit) is one step, holding only what it
    // changed. A new script (LoadFile) starts with an empty history.
    struct ReplayedEdit {
        int start = 0;          // where the step changed the text
        int length = 0;         // length of the text it left there (0: it removed text)
        bool lineBreak = false; // what it left is exactly one line break
    };
    bool CanUndo() const;
    // Take back, or do again, one step; nullopt when there is none. The caret is left
    // where the step was; the caller places it.
    std::optional<ReplayedEdit> UndoEdit();
    std::optional<ReplayedEdit> RedoEdit();
    void ClearHistory();
    // Whether the history stands away from its clean point; SetClean makes where it stands
    // the clean point (the script as saved), so taking edits back to there is no change.
    bool IsModified() const;
    void SetClean();

    // The clipboard's forms of the selection (plain text, RTF under the names word
    // processors use), and the insertion of such data in place of the selection: RTF
    // keeps its formatting; anything else comes in as plain text.
    QMimeData* SelectionMimeData() const { return createMimeDataFromSelection(); }
    void InsertMimeData(const QMimeData* source) { insertFromMimeData(source); }

    // Prints the selection, or the whole text when nothing is selected.
    void SelPrint(QPrinter* printer);
    void SetFocus();

    // Events, with the handlers' arguments. KeyDown may clear KeyCode (set it to 0) so that
    // the control does nothing with the key; KeyPress comes before the character is inserted
    // and may change it (0 drops it). Mouse coordinates are in twips.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onChange;
    std::function<void(int& keyCode, int& shift)> onKeyDown;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int& keyCode, int& shift)> onKeyUp;
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseMove;
    // Keys (key code, modifier mask) that the program's key handlers act on: while the editor
    // has the focus they reach its handlers rather than a menu accelerator.
    std::function<bool(int keyCode, int shift)> ownsShortcut;

signals:
    // The whole script was replaced (a file loaded, the text set anew): positions of the
    // script before it mean nothing now.
    void scriptReplaced();

public:
    // Position conversions between the line-break-as-two view and the document.
    int ToDocumentPosition(int position) const;
    int FromDocumentPosition(int documentPosition) const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Shows document (laid out once, at the control's width) in place of the current one;
    // longWord: it holds a word far longer than a line.
    void adoptDocument(QTextDocument* document, bool longWord = false);
    // Wraps anywhere while the script holds a word far longer than a line.
    void wrapFor(bool longWord);
    std::optional<ReplayedEdit> replay(bool undo);
    // Runs edit as one step of the history, so that typed characters are not merged.
    void asOneStep(const std::function<void()>& edit);
    void patchTextCache(int position, int removed, int added);
    void insertPlainText(QTextCursor& cursor, const QString& text);
    // Position of the first match of text in all from from, ending at or before end (-1: the
    // end of all), with Find's options; -1 when there is none.
    static int nextMatch(const QString& all, const QString& text, int from, int end, int options);
    void mergeSelectionFormat(const QTextCharFormat& format);
    // Calls visit for the format of every stretch of the selection (the caret's format when
    // nothing is selected); stops when visit returns false.
    void forEachSelectedFormat(const std::function<bool(const QTextCharFormat&)>& visit) const;
    void forEachSelectedBlock(const std::function<bool(const QTextBlock&)>& visit) const;
    template <typename T>
    std::optional<T> uniformFormat(const std::function<T(const QTextCharFormat&)>& value) const;

    mutable QString textCache_;
    mutable bool textCacheValid_ = false;
    int changeSuppressed_ = 0; // formatting alone is not a change of the script's text
    bool touched_ = false;     // something changed since the document last reported a change
    quint64 contentVersion_ = 0;
    bool afterDoubleClick_ = false;
    // The stretch an undo or redo changed, in document positions, while one runs.
    bool replaying_ = false;
    int replayFrom_ = 0;
    int replayTo_ = 0;
};
