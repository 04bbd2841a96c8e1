// A dialogs seam for tests: every dialog must have been expected, in order, with its answer.
// An unexpected dialog fails the test and answers Cancel, so no test can hang on one.
#pragma once

#include "platform/widgets/ViewDialogs.h"

#include <QList>
#include <QStringList>
#include <functional>

class ScriptedDialogs : public ViewDialogs {
public:
    ScriptedDialogs();  // installs itself
    ~ScriptedDialogs(); // puts back the dialogs before it and fails on answers left unused

    // The next message box is answered with answer.
    void ExpectMsgBox(int answer);
    // The next box of named choices is answered with the choice of that index.
    void ExpectChoice(int index);
    // The next file dialog returns path ("" = cancelled).
    void ExpectFile(const QString& path);
    // The next colour dialog returns colour (a negative value = cancelled).
    void ExpectColor(long colour);
    // The next printer dialog is confirmed or cancelled; choose, if given, works the dialog on
    // the printer it was given, as the operator's choices would (a printer, a file, a layout).
    void ExpectPrinter(bool confirmed, std::function<void(QPrinter&)> choose = nullptr);
    // The next modal window is handed to act, which works it as the operator would (choose,
    // type, press a button); its result is what the window was closed with.
    void ExpectModal(std::function<void(QDialog&)> act);

    int MsgBox(const QString& prompt, int buttons = vbmsg::OKOnly,
               const QString& title = QString()) override;
    int Choose(const QString& prompt, const QStringList& choices, int escapeChoice, int icon = 0,
               const QString& title = QString()) override;
    bool ShowColor(QObject* owner, long initial, long* chosen) override;
    bool ScegliStampante(QObject* owner, QPrinter* printer) override;
    int ShowModal(QDialog& dialog) override;

    struct Shown {
        QString kind; // "msgbox", "choice", "file", "color", "printer" or "modal"
        QString text; // the prompt, or the dialog's title
        int buttons = 0;
        QString title;
        FileDialogRequest request;
        QStringList choices; // the captions of a box of named choices
    };
    QList<Shown> shown;

protected:
    QString ChooseFile(const FileDialogRequest& request) override;

private:
    struct Answer {
        QString kind;
        int answer = 0;
        QString path;
        std::function<void(QDialog&)> act = nullptr;
        std::function<void(QPrinter&)> choose = nullptr;
    };
    QList<Answer> script_;
    QString folder_; // a chosen file moves the current folder; it is put back afterwards
    Dialogs* previous_;
};
