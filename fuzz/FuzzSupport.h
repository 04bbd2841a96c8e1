// What the program's fuzz targets share: an offscreen application, a program folder with the
// language files, and stand-ins that never wait for anyone (no dialog, no device, no mixer).
#pragma once

#include "platform/Mci.h"
#include "platform/Mixer.h"
#include "platform/widgets/ViewDialogs.h"

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <QStringList>

namespace fuzz {

// Every dialog answers as if cancelled, at once.
struct SilentDialogs : ViewDialogs {
    int MsgBox(const QString&, int, const QString&) override { return vbmsg::Cancel; }
    int Choose(const QString&, const QStringList&, int escapeChoice, int, const QString&) override {
        return escapeChoice;
    }
    bool ShowColor(QObject*, long, long*) override { return false; }
    bool ScegliStampante(QObject*, QPrinter*) override { return false; }
    int ShowModal(QDialog&) override { return 0; }

protected:
    QString ChooseFile(const FileDialogRequest&) override { return QString(); }
};

// An audio device that takes every command and remembers how many it was sent.
struct CountingMci : MciDevice {
    long mciSendString(const QString& command, QString* answer) override {
        ++commands;
        if (answer)
            *answer = command.contains(QLatin1String("length")) ? QStringLiteral("5000")
                                                                : QStringLiteral("0");
        return 0;
    }
    int commands = 0;
};

// Creates the application once, with a temporary program folder holding the language files
// found beside the fuzz target, and installs the stand-ins above.
void SetUp(int* argc, char*** argv);
// The program folder in use.
QString Folder();
// Writes bytes to a file of the program folder and returns its path.
QString WriteFile(const QString& name, const QByteArray& bytes);

} // namespace fuzz
