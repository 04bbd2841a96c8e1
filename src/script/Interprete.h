// The command interpreter: recognises a cue's command word, writes it back in its canonical
// form coloured blue and, when asked to execute, drives the same controls the operator's
// buttons drive.
#pragma once

#include "platform/VbColor.h"

#include <QString>

class Form1;

// Command cues stand in the script in this blue.
inline constexpr long kCueBlue = RGB(0, 0, 255);

class Interprete {
public:
    explicit Interprete(Form1& form) : form_(form) {}

    // text: the trimmed cue text (rewritten in place to the canonical form on a match);
    // start: 1-based position of the first character after "[["; end: 1-based position of
    // the first "]" of the closing delimiter (from a click) or of the "]" just typed;
    // execute: true from a click, false from the closing keystroke.
    void InterpretaComando(QString& text, int& start, int& end, bool execute);

private:
    void setVolume(double percent);
    Form1& form_;
};

// A number as plain decimal text ("12.5", "-3", "0").
QString DecimalText(double value);
