// A command-string audio device for tests. It reads commands as the real device does
// (MciWords, MciMilliseconds), keeps a position, a length and a mode, and refuses what the real
// device refuses: an unknown command or status, a place outside the file, an alias not open.
// It starts with a file of 187 s open as "wav1", as after a cue's load; it never plays sound,
// so the position moves only when a command or the test moves it. Files opened under other
// aliases (a file opened ahead) are only held: they can be asked for their file, closed, or
// renamed to "wav1" when that is free.
#pragma once

#include "platform/Mci.h"

#include <QFileInfo>
#include <QMap>
#include <QStringList>

struct FakeMci : MciDevice {
    FakeMci() : previous(&mci()) { SetMci(this); }
    ~FakeMci() override { SetMci(previous); }
    MciDevice* previous;

    long mciSendString(const QString& command, QString* answer) override {
        commands << command;
        if (answer) answer->clear();
        const QStringList w = MciWords(command);
        if (w.isEmpty()) return mcierr::UnrecognizedCommand;
        const QString verb = w[0].toLower();
        const QString arg2 = w.value(2).toLower(), arg3 = w.value(3).toLower();
        if (verb == QLatin1String("open")) {
            qsizetype alias = 2;
            while (alias < w.size() &&
                   w[alias].compare(QLatin1String("alias"), Qt::CaseInsensitive))
                ++alias;
            if (alias + 1 >= w.size()) return mcierr::MissingParameter;
            if (openCode) return openCode;
            const QString name = w[alias + 1].toLower();
            if (name != QLatin1String("wav1")) {
                if (others.contains(name)) return mcierr::DuplicateAlias;
                if (!QFileInfo(w[1]).isFile()) return mcierr::FileNotFound;
                others[name] = QFileInfo(w[1]).absoluteFilePath();
                return 0;
            }
            if (loaded) return mcierr::DuplicateAlias;
            if (!QFileInfo(w[1]).isFile()) return mcierr::FileNotFound;
            loaded = true;
            file = w[1];
            position = 0;
            mode = QStringLiteral("stopped");
            return 0;
        }
        if (w.size() < 2) return mcierr::MissingParameter;
        const QString alias = w[1].toLower();
        if (verb == QLatin1String("close")) {
            if (alias == QLatin1String("all")) others.clear();
            if (alias == QLatin1String("all") || alias == QLatin1String("wav1"))
                loaded = false;
            else if (!others.remove(alias))
                return mcierr::NotOpen;
            return 0;
        }
        if (alias != QLatin1String("wav1")) {
            if (!others.contains(alias)) return mcierr::NotOpen;
            if (verb == QLatin1String("info") && arg2 == QLatin1String("file")) {
                if (answer) *answer = others[alias];
                return 0;
            }
            if (verb != QLatin1String("rename") || arg2 != QLatin1String("to"))
                return mcierr::UnrecognizedCommand;
            if (arg3 != QLatin1String("wav1") || loaded) return mcierr::DuplicateAlias;
            loaded = true;
            file = others.take(alias);
            position = 0;
            mode = QStringLiteral("stopped");
            return 0;
        }
        if (!loaded) return mcierr::NotOpen;
        if (verb == QLatin1String("play")) {
            if (playCode) return playCode;
            if (arg2 == QLatin1String("from")) {
                const std::optional<qint64> from = MciMilliseconds(arg3);
                if (!from) return mcierr::MissingParameter;
                if (*from < 0 || *from > length) return mcierr::OutOfRange;
                position = double(*from);
            }
            mode = QStringLiteral("playing");
            return 0;
        }
        if (verb == QLatin1String("stop") || verb == QLatin1String("pause")) {
            mode = position > 0 ? QStringLiteral("paused") : QStringLiteral("stopped");
            return 0;
        }
        if (verb == QLatin1String("seek")) {
            if (arg2 != QLatin1String("to") || arg3.isEmpty()) return mcierr::MissingParameter;
            const std::optional<qint64> to = arg3 == QLatin1String("start") ? 0
                                             : arg3 == QLatin1String("end")
                                                 ? std::optional<qint64>(qint64(length))
                                                 : MciMilliseconds(arg3);
            if (!to) return mcierr::MissingParameter;
            if (*to < 0 || *to > length) return mcierr::OutOfRange;
            position = double(*to);
            mode = QStringLiteral("stopped"); // a seek stops playback
            return 0;
        }
        if (verb == QLatin1String("status")) {
            QString text;
            if (arg2 == QLatin1String("length"))
                text = QString::number(length);
            else if (arg2 == QLatin1String("position"))
                text = QString::number(position);
            else if (arg2 == QLatin1String("mode"))
                text = mode;
            else
                return mcierr::UnrecognizedCommand;
            if (answer) *answer = text;
            return 0;
        }
        if (verb == QLatin1String("info") && arg2 == QLatin1String("file")) {
            if (answer) *answer = file;
            return 0;
        }
        return mcierr::UnrecognizedCommand;
    }

    QStringList commands;          // every command, as sent
    QMap<QString, QString> others; // files open under other aliases, by alias
    bool loaded = true;            // "wav1" is open
    QString file = QStringLiteral("tone.wav");
    double length = 187000;
    double position = 0;
    QString mode = QStringLiteral("stopped");
    long openCode = 0; // the answer to "open", when not 0
    long playCode = 0; // the answer to "play", when not 0
};
