// Where the program's files are.
#pragma once

#include <QString>

// The program folder: where the program's own files are (languages, pictures, help, the
// version history, the default settings). Beside the program file in a build folder or a
// portable copy; the data folder of an installed copy (<prefix>/share/scenolux for a program
// in <prefix>/bin).
QString ProgramFolder();
// Makes another folder the program folder, with the program file in it (tests; empty restores
// the real one).
void SetProgramFolder(const QString& folder);
// The program folder for a program file in programDir: programDir itself when it holds the
// language files, else the installed data folder when that does, else programDir.
QString ProgramFolderFor(const QString& programDir);
// The running program file.
QString ProgramFile();
// An installed copy: the program's files are in a data folder apart from the program file,
// laid out and registered with the desktop by the package.
bool InstalledCopy();

// A picture of the window: program folder + "/Files/" + name.
QString PictureFile(const QString& name);

// The command line as one text: the arguments after the program name joined by blanks, so
// that an unquoted path with blanks in it arrives whole.
QString CommandLineText(int argc, char** argv);
