// A command-string audio device for tests: it records every command and answers status
// queries from what the test set.
#pragma once

#include "platform/Mci.h"

#include <QStringList>

struct FakeMci : MciDevice {
    FakeMci() { SetMci(this); }
    ~FakeMci() override { SetMci(nullptr); }

    long mciSendString(const QString& command, QString* answer) override {
        commands << command;
        if (answer) answer->clear();
        if (command.startsWith(QLatin1String("open"))) return openCode;
        if (command == QLatin1String("play wav1")) return playCode;
        if (command == QLatin1String("status wav1 length")) {
            if (!loaded) return mcierr::NotOpen;
            if (answer) *answer = QString::number(length);
            return 0;
        }
        if (command == QLatin1String("status wav1 position")) {
            if (!loaded) return mcierr::NotOpen;
            if (answer) *answer = QString::number(position);
            return 0;
        }
        return 0;
    }

    QStringList commands;
    bool loaded = true;
    double length = 187000;
    double position = 0;
    long openCode = 0;
    long playCode = 0; // answer to "play wav1"
};
