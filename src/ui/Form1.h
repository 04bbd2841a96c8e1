// The main window: the composition root that holds every control of the window
// under its own name and one object per subsystem. For now it holds the script
// editor.
#pragma once

#include <QMainWindow>

class RichTextBox;

class Form1 : public QMainWindow {
  Q_OBJECT
public:
  explicit Form1(QWidget *parent = nullptr);

  QString Caption() const { return windowTitle(); }

  // Opens the script named on the command line, if any: the whole text,
  // untrimmed, is the path. A script that cannot be read is reported and the
  // editor stays as it was.
  void OpenCommandLineScript(const QString &commandLine);

  // Window caption "Scenolux - " + the file name of path (after its last "/" or
  // "\").
  void AggiornaTitolo(const QString &path);

  RichTextBox *RTB;
  QString FileCorrente;
  QString NomeCopione;
};
