// The dialogs seam over Qt's message boxes and file dialogs.
#pragma once

#include "platform/widgets/ViewDialogs.h"

#include <QStringList>

class QWidget;

// Makes Qt's dialogs the standard ones (SetStandardDialogs), for the life of the program.
void InstallQtDialogs();

class QtDialogs : public ViewDialogs {
public:
    int MsgBox(const QString& prompt, int buttons = vbmsg::OKOnly,
               const QString& title = QString()) override;
    int Choose(const QString& prompt, const QStringList& choices, int escapeChoice, int icon = 0,
               const QString& title = QString()) override;

    bool ShowColor(QObject* owner, long initial, long* chosen) override;
    bool ScegliStampante(QObject* owner, QPrinter* printer) override;
    int ShowModal(QDialog& dialog) override;

    // "Label\0*.a;*.b\0Other\0*.*" as Qt name filters: "Label (*.a *.b)", "Other (*)".
    static QStringList NameFilters(const QString& filter);

protected:
    QString ChooseFile(const FileDialogRequest& request) override;
};

// The width a window needs for the window manager to show its whole title beside the icon and
// the buttons of its title bar (the title in a bold face of the program's font).
int TitleWidth(const QString& title);
// Widens window's minimum width to TitleWidth of its title, if it is narrower.
void FitTitle(QWidget& window);
