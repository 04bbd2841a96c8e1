// The start-up procedure, before any window: portable marker, early language load, one copy
// per user, file association.
#pragma once

#include <QString>
#include <memory>

class SingleInstance;

// True when the program folder holds the portable marker "Files/Portable.ini".
bool Portable();

// Runs the start-up procedure. Returns true when the main window is to be shown; false when
// the process is to end (the reason has been shown: a message box titled "Reg Error", or the
// other running copy's message). instance keeps this copy's claim for the life of the process;
// country picks the language when the settings name none.
bool AvvioProgramma(std::unique_ptr<SingleInstance>& instance, const QString& country);
