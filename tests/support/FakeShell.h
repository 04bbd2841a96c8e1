// A desktop shell for tests: records what would be opened or started, and knows only the
// programs a test says are installed. Database tools still run for real.
#pragma once

#include "platform/DesktopShell.h"

#include <QList>
#include <QStringList>

struct FakeShell : DesktopShell {
    FakeShell() : previous(&desktopShell()) { SetDesktopShell(this); }
    ~FakeShell() override { SetDesktopShell(previous); }
    DesktopShell* previous;

    bool Open(const QString& target) override {
        opened << target;
        return true;
    }
    bool CanOpen(const QString&) override { return handlesFiles; }
    bool Start(const QString& program, const QStringList& arguments) override {
        started << (QStringList{program} + arguments);
        return true;
    }
    QString Find(const QString& program) override {
        return installed.contains(program) ? QStringLiteral("/usr/bin/") + program : QString();
    }

    QStringList installed;
    bool handlesFiles = true; // the desktop has a program for every file opened
    QStringList opened;
    QList<QStringList> started;
};
