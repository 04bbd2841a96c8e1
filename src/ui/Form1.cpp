#include "ui/Form1.h"

#include "app/Paths.h"
#include "platform/Dialogs.h"
#include "platform/RichTextBox.h"

Form1::Form1(QWidget *parent)
    : QMainWindow(parent), RTB(new RichTextBox(this)) {
  setObjectName(QStringLiteral("Form1"));
  RTB->setObjectName(QStringLiteral("RTB"));
  setWindowTitle(ApplicationTitle());
  setCentralWidget(RTB);
  resize(1024, 720);
}

void Form1::OpenCommandLineScript(const QString &commandLine) {
  if (commandLine.trimmed().isEmpty())
    return;
  QString error;
  if (!RTB->LoadFile(NativePath(commandLine), &error)) {
    dialogs().MsgBox(
        tr("The script %1 could not be opened: %2").arg(commandLine, error),
        vbmsg::OKOnly | vbmsg::Exclamation);
    return;
  }
  FileCorrente = commandLine;
  AggiornaTitolo(commandLine);
}

void Form1::AggiornaTitolo(const QString &path) {
  const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
  if (cut < 0)
    return;
  NomeCopione = path.mid(cut + 1);
  setWindowTitle(ApplicationTitle() + QStringLiteral(" - ") + NomeCopione);
}
