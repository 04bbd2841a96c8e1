// The script editor of the subsystems over the editor on screen.
#pragma once

#include "core/ScriptEditor.h"

class RichTextBox;

class EditorDocument : public ScriptEditor {
public:
    explicit EditorDocument(RichTextBox& rtb) : rtb_(rtb) {}

    QString Text() const override;
    quint64 Version() const override;
    int Caret() const override;
    void SetCaret(int position) override;
    void Replace(int start, int length, const QString& text) override;
    void Colour(int start, int length, long rgb) override;

    int TextLength() const override;
    void setText(const QString& text) override;
    int SelStart() const override;
    void setSelStart(int position) override;
    int SelLength() const override;
    void setSelLength(int length) override;
    QString SelText() const override;
    void setSelText(const QString& text) override;

    std::optional<long> SelColor() const override;
    void setSelColor(long rgb) override;
    QString SelFontName() const override;
    void setSelFontName(const QString& name) override;
    double SelFontSize() const override;
    void setSelFontSize(double points) override;
    std::optional<bool> SelBold() const override;
    void setSelBold(bool on) override;
    std::optional<bool> SelItalic() const override;
    void setSelItalic(bool on) override;
    std::optional<bool> SelUnderline() const override;
    void setSelUnderline(bool on) override;
    std::optional<bool> SelStrikeThru() const override;
    void setSelStrikeThru(bool on) override;
    std::optional<bool> SelBullet() const override;
    void setSelBullet(bool on) override;
    std::optional<int> SelAlignment() const override;
    void setSelAlignment(int alignment) override;

    int Find(const QString& text, int start, int end, int options) override;
    int ReplaceAll(const QString& text, const QString& replacement, int start,
                   int options) override;

    QMimeData* SelectionMimeData() const override;
    void InsertMimeData(const QMimeData* source) override;

    bool LoadFile(const QString& path, QString* error) override;
    void LoadContent(const QByteArray& data) override;
    bool SaveFile(const QString& path, QString* error) override;
    QByteArray FileContent() const override;

    std::optional<ReplayedEdit> UndoEdit() override;
    std::optional<ReplayedEdit> RedoEdit() override;
    void ClearHistory() override;
    bool IsModified() const override;

    void SetFocus() override;

private:
    RichTextBox& rtb_;
};
