// Measures the audio player on the sound server: the time from a play command to the first
// sound at the sink "show" (median of 10), and the CPU the program uses while a file plays
// with the counter refreshed every 10 ms.
//
// Usage (with scripts/sound-server.sh running): scenolux_audio_probe
#include "i18n/Lingua.h"
#include "media/AudioPlayer.h"
#include "platform/Mci.h"
#include "platform/MediaPlayerControl.h"
#include "support/Wav.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
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

// Milliseconds from "play" to the first sample above a threshold at the sink's monitor.
double latencyOnce(const QString& wav) {
    mci().mciSendString(QStringLiteral("close all"));
    mci().mciSendString(QStringLiteral("open \"") + wav + QStringLiteral("\" ALIAS wav1"));
    QProcess rec;
    rec.start(QStringLiteral("parec"),
              {QStringLiteral("--device=show.monitor"), QStringLiteral("--format=s16le"),
               QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
               QStringLiteral("--raw"), QStringLiteral("--latency-msec=5")});
    rec.waitForStarted();
    // Let the recorder settle and drop what it has so far.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300) {
        rec.waitForReadyRead(20);
        rec.readAllStandardOutput();
    }
    QElapsedTimer clock;
    clock.start();
    mci().mciSendString(QStringLiteral("play wav1"));
    const double commandMs = clock.elapsed();
    // When the device's clock starts moving, the sound is in the server's hands.
    double moving = -1;
    while (moving < 0 && clock.elapsed() < 3000) {
        QString position;
        mci().mciSendString(QStringLiteral("status wav1 position"), &position);
        if (position.toDouble() > 0) moving = clock.elapsed();
    }
    double found = -1;
    qint64 samples = 0;
    while (found < 0 && clock.elapsed() < 3000) {
        rec.waitForReadyRead(5);
        const QByteArray pcm = rec.readAllStandardOutput();
        for (qsizetype i = 0; i + 1 < pcm.size(); i += 2) {
            if (std::abs(qFromLittleEndian<qint16>(pcm.constData() + i)) > 2000) {
                found = clock.elapsed();
                break;
            }
            ++samples;
        }
    }
    rec.kill();
    rec.waitForFinished();
    mci().mciSendString(QStringLiteral("stop wav1"));
    std::printf("  play command %.0f ms, position moving after %.0f ms, heard at the monitor "
                "after %.0f ms\n",
                commandMs, moving, found);
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    SelectMediaBackend();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString wav = dir.path() + QStringLiteral("/tone.wav");
    MakeWav(wav, 12);

    std::vector<double> latencies;
    const bool cpuOnly = argc > 1 && QByteArray(argv[1]) == "cpu";
    for (int i = 0; i < (cpuOnly ? 0 : 10); ++i)
        latencies.push_back(latencyOnce(wav));
    std::sort(latencies.begin(), latencies.end());
    if (!cpuOnly) {
        std::printf("play to first sound (ms):");
        for (double l : latencies)
            std::printf(" %.0f", l);
        std::printf("\nmedian: %.1f ms\n", (latencies[4] + latencies[5]) / 2);
    }

    Lingua[7] = QStringLiteral("Play");
    Lingua[8] = QStringLiteral("Pause");
    Form1 form;
    form.cmdPlayA->Tag = Lingua[7];
    mci().mciSendString(QStringLiteral("close all"));
    mci().mciSendString(QStringLiteral("open \"") + wav + QStringLiteral("\" ALIAS wav1"));
    form.audio->cmdPlayA_Click(); // plays, Timer1 at 10 ms
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec(); // settle
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(8000, &loop, &QEventLoop::quit);
    loop.exec();
    const double used = cpuSeconds() - cpu0;
    std::printf("CPU while playing with the 10 ms counter: %.1f %% of one core (%s)\n",
                100.0 * used / (wall.elapsed() / 1000.0), qPrintable(form.lblContatore->Caption()));
    return 0;
}
