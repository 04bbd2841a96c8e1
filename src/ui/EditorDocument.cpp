#include "ui/EditorDocument.h"

#include "platform/RichTextBox.h"

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
