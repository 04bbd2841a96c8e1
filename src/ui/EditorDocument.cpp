#include "ui/EditorDocument.h"

#include "platform/widgets/RichTextBox.h"

QString EditorDocument::Text() const {
    return rtb_.Text();
}

quint64 EditorDocument::Version() const {
    return rtb_.ContentVersion();
}

int EditorDocument::Caret() const {
    return rtb_.SelStart();
}

void EditorDocument::SetCaret(int position) {
    rtb_.setSelStart(position);
}

void EditorDocument::Replace(int start, int length, const QString& text) {
    rtb_.setSelStart(start);
    rtb_.setSelLength(length);
    rtb_.setSelText(text);
}

void EditorDocument::Colour(int start, int length, long rgb) {
    rtb_.setSelStart(start);
    rtb_.setSelLength(length);
    rtb_.setSelColor(rgb);
    rtb_.setSelStart(start + length);
}

int EditorDocument::TextLength() const {
    return rtb_.TextLength();
}

void EditorDocument::setText(const QString& text) {
    rtb_.setText(text);
}

int EditorDocument::SelStart() const {
    return rtb_.SelStart();
}

void EditorDocument::setSelStart(int position) {
    rtb_.setSelStart(position);
}

int EditorDocument::SelLength() const {
    return rtb_.SelLength();
}

void EditorDocument::setSelLength(int length) {
    rtb_.setSelLength(length);
}

QString EditorDocument::SelText() const {
    return rtb_.SelText();
}

void EditorDocument::setSelText(const QString& text) {
    rtb_.setSelText(text);
}

std::optional<long> EditorDocument::SelColor() const {
    return rtb_.SelColor();
}

void EditorDocument::setSelColor(long rgb) {
    rtb_.setSelColor(rgb);
}

QString EditorDocument::SelFontName() const {
    return rtb_.SelFontName();
}

void EditorDocument::setSelFontName(const QString& name) {
    rtb_.setSelFontName(name);
}

double EditorDocument::SelFontSize() const {
    return rtb_.SelFontSize();
}

void EditorDocument::setSelFontSize(double points) {
    rtb_.setSelFontSize(points);
}

std::optional<bool> EditorDocument::SelBold() const {
    return rtb_.SelBold();
}

void EditorDocument::setSelBold(bool on) {
    rtb_.setSelBold(on);
}

std::optional<bool> EditorDocument::SelItalic() const {
    return rtb_.SelItalic();
}

void EditorDocument::setSelItalic(bool on) {
    rtb_.setSelItalic(on);
}

std::optional<bool> EditorDocument::SelUnderline() const {
    return rtb_.SelUnderline();
}

void EditorDocument::setSelUnderline(bool on) {
    rtb_.setSelUnderline(on);
}

std::optional<bool> EditorDocument::SelStrikeThru() const {
    return rtb_.SelStrikeThru();
}

void EditorDocument::setSelStrikeThru(bool on) {
    rtb_.setSelStrikeThru(on);
}

std::optional<bool> EditorDocument::SelBullet() const {
    return rtb_.SelBullet();
}

void EditorDocument::setSelBullet(bool on) {
    rtb_.setSelBullet(on);
}

std::optional<int> EditorDocument::SelAlignment() const {
    return rtb_.SelAlignment();
}

void EditorDocument::setSelAlignment(int alignment) {
    rtb_.setSelAlignment(alignment);
}

// The editor's options have the same numbers.
static_assert(ScriptEditor::rtfWholeWord == RichTextBox::rtfWholeWord &&
              ScriptEditor::rtfMatchCase == RichTextBox::rtfMatchCase);

int EditorDocument::Find(const QString& text, int start, int end, int options) {
    return rtb_.Find(text, start, end, options);
}

int EditorDocument::ReplaceAll(const QString& text, const QString& replacement, int start,
                               int options) {
    return rtb_.ReplaceAll(text, replacement, start, options);
}

QMimeData* EditorDocument::SelectionMimeData() const {
    return rtb_.SelectionMimeData();
}

void EditorDocument::InsertMimeData(const QMimeData* source) {
    rtb_.InsertMimeData(source);
}

bool EditorDocument::LoadFile(const QString& path, QString* error) {
    return rtb_.LoadFile(path, error);
}

void EditorDocument::LoadContent(const QByteArray& data) {
    rtb_.LoadContent(data);
}

bool EditorDocument::SaveFile(const QString& path, QString* error) {
    return rtb_.SaveFile(path, error);
}

QByteArray EditorDocument::FileContent() const {
    return rtb_.FileContent();
}

namespace {
std::optional<ScriptEditor::ReplayedEdit>
replayed(const std::optional<RichTextBox::ReplayedEdit>& edit) {
    if (!edit) return std::nullopt;
    return ScriptEditor::ReplayedEdit{edit->start, edit->length, edit->lineBreak};
}
} // namespace

std::optional<ScriptEditor::ReplayedEdit> EditorDocument::UndoEdit() {
    return replayed(rtb_.UndoEdit());
}

std::optional<ScriptEditor::ReplayedEdit> EditorDocument::RedoEdit() {
    return replayed(rtb_.RedoEdit());
}

void EditorDocument::ClearHistory() {
    rtb_.ClearHistory();
}

bool EditorDocument::IsModified() const {
    return rtb_.IsModified();
}

void EditorDocument::SetFocus() {
    rtb_.SetFocus();
}
