// Where the program's files are, and how stored paths are read.
#pragma once

#include <QString>

// The folder of the running program file.
QString ProgramFolder();
// Makes another folder the program folder (tests; empty restores the real one).
void SetProgramFolder(const QString& folder);

// A picture of the window: program folder + "/Files/" + name.
QString PictureFile(const QString& name);

// A path as stored in scripts and settings, where folders may be separated by "\" (scripts
// from the original platform), with native separators.
QString NativePath(const QString& storedPath);

// The file whose path matches path ignoring case, folder by folder (scripts from the original
// platform do not care about capitals): at each step the exact name when it exists, else the
// first match in sorted order. Absolute, or relative to the current folder; empty when no
// normal file matches.
QString FindIgnoringCase(const QString& path);

// The command line as one text: the arguments after the program name joined by blanks, so
// that an unquoted path with blanks in it arrives whole.
QString CommandLineText(int argc, char** argv);
