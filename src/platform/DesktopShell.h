// The desktop's shell: opening pages and files with their default handler, and starting or
// running other programs. The program reaches these services only through this seam, so
// tests can see what would have been opened or started.
#pragma once

#include <QString>
#include <QStringList>

class DesktopShell {
public:
    virtual ~DesktopShell();

    // Opens a web address or a local file with the desktop's default handler and returns at
    // once; false when no handler could be asked.
    virtual bool Open(const QString& target);
    // Whether the desktop has a program that shows the local file at path (a web browser for
    // a page): without one, Open succeeds and nothing appears.
    virtual bool CanOpen(const QString& path);
    // Starts program with arguments as a separate process, not waited for; false when it
    // could not be started.
    virtual bool Start(const QString& program, const QStringList& arguments);
    // Runs program to its end, for at most timeoutMs; true when it ended with exit code 0.
    virtual bool Run(const QString& program, const QStringList& arguments, int timeoutMs);
    // The full path of an installed program found on PATH; empty when there is none.
    virtual QString Find(const QString& program);
};

// The shell the program uses; until something is installed this is the real one.
DesktopShell& desktopShell();
// Installs another shell (tests); nullptr restores the real one. The caller keeps ownership.
void SetDesktopShell(DesktopShell* replacement);
