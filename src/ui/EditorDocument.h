// The script document of the subsystems over the editor on screen.
#pragma once

#include "core/ScriptDocument.h"

class RichTextBox;

class EditorDocument : public ScriptDocument {
public:
    explicit EditorDocument(RichTextBox& rtb) : rtb_(rtb) {}

    QString Text() const override;
    quint64 Version() const override;
    int Caret() const override;
    void SetCaret(int position) override;
    void Replace(int start, int length, const QString& text) override;
    void Colour(int start, int length, long rgb) override;

private:
    RichTextBox& rtb_;
};
