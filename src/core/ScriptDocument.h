// The script's text as the show's subsystems see it: they read it, follow the caret, rewrite a
// cue and colour it. The editor on screen implements it; nothing here knows of a widget.
//
// Positions count a line break as two characters, as Text writes it ("\r\n").
#pragma once

#include <QString>

class ScriptDocument {
public:
    virtual ~ScriptDocument() = default;

    virtual QString Text() const = 0;
    // Grows with every change of the text or its formatting: equal values, the same script.
    virtual quint64 Version() const = 0;
    // The caret (0: before the first character); moving it drops any selection.
    virtual int Caret() const = 0;
    virtual void SetCaret(int position) = 0;
    // Puts text in place of length characters at start, formatted as the first of them.
    // Text that is already there is no edit: nothing changes and the edit history stays.
    virtual void Replace(int start, int length, const QString& text) = 0;
    // Colours length characters at start (24-bit RGB, red in the low byte) and leaves the
    // caret after them. A colour they already have is no edit either.
    virtual void Colour(int start, int length, long rgb) = 0;
};
