// The one seam through which the program shows modal dialogs: message boxes, file and colour
// dialogs (the view adds the printer's and its own modal windows: widgets/ViewDialogs.h).
// The real implementation, the view's, shows
// Qt dialogs; tests install a scripted one that answers from a script and fails on any dialog
// it was not told to expect, so that no test can hang on a dialog.
#pragma once

#include <QString>
#include <QStringList>

class QObject;

// Message box styles and answers, with the original platform's numbers.
namespace vbmsg {
constexpr int OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4,
              RetryCancel = 5;
constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
constexpr int DefaultButton2 = 256; // the second button is the default (Enter chooses it)
constexpr int OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
} // namespace vbmsg

struct FileDialogRequest {
    bool open = false;     // true: an Open dialog; false: a Save As dialog
    QString initialFolder; // empty: the current folder
    // Label, NUL, pattern, NUL, label, NUL, pattern...; a pattern may hold several
    // globs separated by ";".
    QString filter;
    int filterIndex = 1; // 1-based
    QString defaultExtension;
    QString fileName;
    QString title;
    // The window the dialog is centred on and modal to (null: the active one): one of the
    // view's windows, which the code below the view only passes on.
    QObject* owner = nullptr;
    // A chosen file makes its folder the current one, unless this is set.
    bool keepCurrentFolder = false;
};

class Dialogs {
public:
    virtual ~Dialogs();

    // A message box; buttons is a style from vbmsg (button set + icon). An empty title
    // shows the application title. Returns the answer (vbmsg::OK, Yes, No, Cancel ...).
    virtual int MsgBox(const QString& prompt, int buttons = vbmsg::OKOnly,
                       const QString& title = QString()) = 0;
    // A message box whose buttons carry the given captions, the first one the default; icon
    // is one of vbmsg's icons (or 0). Returns the index of the chosen caption; closing the
    // box (Escape, the title bar) chooses escapeChoice.
    virtual int Choose(const QString& prompt, const QStringList& choices, int escapeChoice,
                       int icon = 0, const QString& title = QString()) = 0;

    // The chosen path, or an empty text when the dialog was cancelled. On a choice the
    // process's current folder is left at the chosen file's folder: relative media names in
    // cues are looked up there first.
    QString MostraDialogoFile(const FileDialogRequest& request);

    // The colour dialog over owner's window (as a file dialog's owner), opened with initial (a
    // 24-bit value, red in the low byte) selected. Returns false when cancelled; otherwise
    // chosen holds the colour.
    virtual bool ShowColor(QObject* owner, long initial, long* chosen) = 0;

protected:
    // Shows the dialog itself; empty when cancelled.
    virtual QString ChooseFile(const FileDialogRequest& request) = 0;
};

// The dialogs the program uses: the ones installed, else the standard ones of the view.
Dialogs& dialogs();

// Installs another implementation (tests); nullptr restores the standard one. The caller keeps
// ownership. Returns the one installed before (nullptr: none), for the caller to put back.
Dialogs* SetDialogs(Dialogs* replacement);
// Sets the standard implementation: the view's, which shows real dialogs (ui/QtDialogs).
void SetStandardDialogs(Dialogs* standard);

// The application title, shown by message boxes that have none of their own.
QString ApplicationTitle();
