// The start-up procedure, before any window: portable marker, early language load, one copy
// per user, file association.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class Lifecycle;
class Recovery;
class ShowMode;
class SingleInstance;

// True when the program folder holds the portable marker "Files/Portable.ini".
bool Portable();

// Runs the start-up procedure. Returns true when the main window is to be shown; false when
// the process is to end (the reason has been shown: a message box titled "Reg Error", or the
// other running copy's message). instance keeps this copy's claim for the life of the process;
// country picks the language when the settings name none.
bool AvvioProgramma(std::unique_ptr<SingleInstance>& instance, const QString& country);

// The start of the main window once it is made, in the order the operator sees it: the script
// of the command line, show mode as it was left, the window on screen (then shown runs), and
// over it the copy of a script a crash left unsaved, so that a copy opened goes into show mode.
// The window's parts that take part in it:
struct WindowStart {
    Lifecycle& lifecycle;
    ShowMode& showMode;
    Recovery& recovery;
    std::function<void()> show; // puts the window on screen
};
void StartWindow(const WindowStart& window, const QString& commandLine,
                 const std::function<void()>& shown = {});
