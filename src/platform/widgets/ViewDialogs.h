// The dialogs only the view opens: the printer's set-up and the program's own modal windows.
// Every implementation of the dialogs installed in a program with a window gives these too.
#pragma once

#include "platform/Dialogs.h"

class QDialog;
class QPrinter;

class ViewDialogs : public Dialogs {
public:
    // The printer set-up dialog for printer; true when confirmed (printer then holds the
    // choice).
    virtual bool ScegliStampante(QObject* owner, QPrinter* printer) = 0;
    // Shows one of the program's own windows modally; returns its result (QDialog::Accepted
    // or Rejected) when it closes.
    virtual int ShowModal(QDialog& dialog) = 0;
};

// The dialogs installed (dialogs()), as the view opens them.
ViewDialogs& viewDialogs();
