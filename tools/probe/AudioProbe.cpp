// Measures the audio player on the sound server: the time from a play command to the first
// sound at the sink "show" (median of 10, for a WAV and an MP3 opened 0.7 s before), and
// the CPU the program uses while a file plays with the counter refreshed every 10 ms.
// "baseline" measures PulseAudio's own player the same way; "player" measures the media player
// control as the video, MIDI and background players use it (the demo show's media), after a
// load, a stop and a pause, median of 10. "fades": the real duration of each
// fade over the knob's full travel on the running timer, with the real mixer, and the largest
// gap between two volume steps.
//
// The test sink is held at a sound card's latency while measuring (support/SinkLatency.h).
//
// Usage (with scripts/sound-server.sh running):
//   scenolux_audio_probe [cpu | baseline | player | fades | video FILE]
#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "media/VolumeFades.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"
#include "platform/widgets/MediaPlayerView.h"
#include "support/SinkLatency.h"
#include "support/SoundOnset.h"
#include "support/Wav.h"
#include "ui/Form1.h"
#include "ui/WindowVisuals.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Milliseconds from "play" to the first sound at the sink's monitor, for a file opened 0.7 s
// before, as an operator opens a cue and plays it a moment later.
double latencyOnce(const QString& file) {
    mci().mciSendString(QStringLiteral("close all"));
    mci().mciSendString(QStringLiteral("open \"") + file + QStringLiteral("\" ALIAS wav1"));
    ServeEventsFor(700);
    const double found = HeardAfter([] { mci().mciSendString(QStringLiteral("play wav1")); });
    mci().mciSendString(QStringLiteral("stop wav1"));
    std::printf("  heard at the monitor after %.0f ms\n", found);
    return found;
}

// The media player control as each player uses it, on the demo show's media: the time from play
// to the first sound after a load (0.7 s before), after a stop and after a pause (each 0.7 s
// before, following 0.3 s of play). The background player starts by itself when its URL is
// written (autoStart), so its first case times that write.
void measurePlayers() {
    const QString demo = QStringLiteral(SCENOLUX_SOURCE_DIR "/examples/demo/");
    struct Player {
        const char* name;
        QString file;
        bool autoStart;
        const char* uiMode;
    };
    // The first sound of each medium is soft (a fade in, a synthesizer's attack).
    constexpr int kThreshold = 60;
    const Player players[] = {
        {"video", demo + QStringLiteral("video/clip.mp4"), false, "none"},
        {"MIDI", demo + QStringLiteral("midi/tune.mid"), false, "none"},
        {"background", demo + QStringLiteral("music/intro.mp3"), true, "mini"},
    };
    const char* cases[] = {"after a load", "after a stop", "after a pause"};
    std::printf("%-11s %14s %14s %14s   (ms, median of 10)\n", "player", cases[0], cases[1],
                cases[2]);
    for (const Player& p : players) {
        double medians[3];
        for (int c = 0; c < 3; ++c) {
            std::vector<double> times;
            for (int i = 0; i < 10; ++i) {
                MediaPlayerControl::Design design;
                design.autoStart = p.autoStart;
                design.uiMode = QString::fromLatin1(p.uiMode);
                design.volume = 100;
                MediaPlayerControl player(design);
                MediaPlayerView view(player);
                view.resize(320, 240);
                double found = -1;
                if (c == 0 && p.autoStart) {
                    found = HeardAfter([&] { player.setURL(p.file); }, 4000, kThreshold);
                } else {
                    player.setURL(p.file);
                    ServeEventsFor(700);
                    if (c > 0) {
                        player.controls.play();
                        ServeEventsFor(300);
                        if (c == 1)
                            player.controls.stop();
                        else
                            player.controls.pause();
                        ServeEventsFor(700);
                    }
                    found = HeardAfter([&] { player.controls.play(); }, 4000, kThreshold);
                }
                player.controls.stop();
                times.push_back(found);
            }
            std::sort(times.begin(), times.end());
            std::fprintf(stderr, "%s %s:", p.name, cases[c]);
            for (double t : times)
                std::fprintf(stderr, " %.0f", t);
            std::fprintf(stderr, "\n");
            medians[c] = Median(times);
        }
        std::printf("%-11s %14.1f %14.1f %14.1f\n", p.name, medians[0], medians[1], medians[2]);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    if (!MakeWav(wav, 12)) return 1;
    const SinkLatencyHold keeper;

    if (argc > 1 && QByteArray(argv[1]) == "baseline") {
        // The same measurement with PulseAudio's own player, to tell the program's delay from
        // the test sink's.
        std::vector<double> times;
        for (int i = 0; i < 10; ++i) {
            QProcess player;
            const double found = HeardAfter(
                [&] {
                    player.start(QStringLiteral("paplay"),
                                 {QStringLiteral("--latency-msec=20"), wav});
                },
                4000);
            player.kill();
            player.waitForFinished();
            times.push_back(found);
            std::printf("  paplay heard at the monitor after %.0f ms\n", found);
        }
        std::printf("paplay, median: %.1f ms\n", Median(times));
        return 0;
    }

    if (argc > 1 && QByteArray(argv[1]) == "player") {
        measurePlayers();
        return 0;
    }

    if (argc > 2 && QByteArray(argv[1]) == "video") {
        // The projector's player full screen on the display, playing the given file: the CPU
        // it takes and the pictures it paints a second.
        MediaPlayerControl::Design design;
        design.stretchToFit = true;
        design.fullScreen = true;
        MediaPlayerControl player(design);
        MediaPlayerView view(player);
        view.showFullScreen();
        player.setURL(QString::fromLocal8Bit(argv[2]));
        ServeEventsFor(1000);
        const int frames0 = view.FramesPainted();
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        ServeEventsFor(5000);
        const double seconds = wall.elapsed() / 1000.0;
        std::printf("full screen %dx%d: %.1f %% of one core, %.1f pictures a second\n",
                    view.width(), view.height(), 100.0 * (cpuSeconds() - cpu0) / seconds,
                    (view.FramesPainted() - frames0) / seconds);
        return 0;
    }

    if (argc > 1 && QByteArray(argv[1]) == "fades") {
        Form1 form;
        form.volume->ApriMixer();
        form.visuals->PosizionaManopola();
        struct Fade {
            const char* name;
            void (VolumeFades::*in)();
            void (VolumeFades::*out)();
            double nominal;
        };
        const Fade fades[] = {{"fast", &VolumeFades::Image4_Click, &VolumeFades::Image7_Click, 1},
                              {"normal", &VolumeFades::Image5_Click, &VolumeFades::Image8_Click, 2},
                              {"slow", &VolumeFades::Image6_Click, &VolumeFades::Image9_Click, 10}};
        for (const Fade& f : fades) {
            for (bool fadeIn : {false, true}) {
                // Start from the far end, so the fade covers the whole travel.
                form.Image2->setTop(fadeIn ? form.Image3->Top() + form.Image3->Height() -
                                                 form.Image2->Height()
                                           : form.Image3->Top());
                QElapsedTimer clock;
                qint64 last = 0, gap = 0;
                int steps = 0;
                form.Timer3->onTimer = [&] {
                    const qint64 now = clock.nsecsElapsed();
                    if (steps > 0) gap = std::max(gap, now - last);
                    last = now;
                    ++steps;
                    form.volume->Timer3_Timer();
                };
                clock.start();
                (form.volume->*(fadeIn ? f.in : f.out))();
                QEventLoop loop;
                QTimer poll;
                QObject::connect(&poll, &QTimer::timeout, [&] {
                    if (!form.Timer3->Enabled()) loop.quit();
                });
                poll.start(5);
                loop.exec();
                std::printf(
                    "fade %-3s %-6s: %.2f s (nominal %.0f s), %d steps, largest gap %.1f ms\n",
                    fadeIn ? "in" : "out", f.name, clock.nsecsElapsed() / 1e9, f.nominal, steps,
                    gap / 1e6);
            }
        }
        return 0;
    }

    const bool cpuOnly = argc > 1 && QByteArray(argv[1]) == "cpu";
    if (!cpuOnly) {
        QStringList files{wav};
        const QString mp3 = dir.path() + QStringLiteral("/tone.mp3");
        if (QProcess::execute(QStringLiteral("ffmpeg"),
                              {QStringLiteral("-loglevel"), QStringLiteral("error"),
                               QStringLiteral("-i"), wav, mp3}) == 0)
            files << mp3;
        for (const QString& file : files) {
            std::vector<double> latencies;
            for (int i = 0; i < 10; ++i)
                latencies.push_back(latencyOnce(file));
            std::sort(latencies.begin(), latencies.end());
            std::printf("%s, play to first sound (ms):", qPrintable(QFileInfo(file).suffix()));
            for (double l : latencies)
                std::printf(" %.0f", l);
            std::printf("\nmedian: %.1f ms\n", Median(latencies));
        }
    }

    Lingua[7] = QStringLiteral("Play");
    Lingua[8] = QStringLiteral("Pause");
    Form1 form;
    form.cmdPlayA->Tag = Lingua[7];
    mci().mciSendString(QStringLiteral("close all"));
    mci().mciSendString(QStringLiteral("open \"") + wav + QStringLiteral("\" ALIAS wav1"));
    form.audio->cmdPlayA_Click(); // plays, Timer1 at 10 ms
    ServeEventsFor(500);          // settle
    auto cpuShare = [](int ms) {
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        ServeEventsFor(ms);
        return 100.0 * (cpuSeconds() - cpu0) / (wall.elapsed() / 1000.0);
    };
    const double withCounter = cpuShare(6000);
    const QString counter = form.lblContatore->Caption();
    form.Timer1->setInterval(0);
    const double soundOnly = cpuShare(3000);
    std::printf("CPU while playing with the 10 ms counter: %.1f %% of one core (%s); the sound "
                "alone: %.1f %%\n",
                withCounter, qPrintable(counter), soundOnly);
    return 0;
}
