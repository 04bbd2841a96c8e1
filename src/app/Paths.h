// Where the program's files are.
#pragma once

#include <QString>

// The folder of the running program file.
QString ProgramFolder();
// Makes another folder the program folder (tests; empty restores the real one).
void SetProgramFolder(const QString& folder);

// A picture of the window: program folder + "/Files/" + name.
QString PictureFile(const QString& name);

// The command line as one text: the arguments after the program name joined by blanks, so
// that an unquoted path with blanks in it arrives whole.
QString CommandLineText(int argc, char** argv);
