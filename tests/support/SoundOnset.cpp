#include "support/SoundOnset.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

double HeardAfter(const std::function<void()>& start, int limitMs, int threshold) {
    QProcess rec;
    rec.start(QStringLiteral("parec"),
              {QStringLiteral("--device=show.monitor"), QStringLiteral("--format=s16le"),
               QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
               QStringLiteral("--raw"), QStringLiteral("--latency-msec=5")});
    rec.waitForStarted();
    // Let the recorder settle and drop what it has so far.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) {
        rec.waitForReadyRead(20);
        rec.readAllStandardOutput();
    }
    clock.start();
    start();
    double found = -1;
    while (found < 0 && clock.elapsed() < limitMs) {
        QCoreApplication::processEvents();
        rec.waitForReadyRead(2);
        const QByteArray pcm = rec.readAllStandardOutput();
        for (qsizetype i = 0; i + 1 < pcm.size() && found < 0; i += 2)
            if (std::abs(qFromLittleEndian<qint16>(pcm.constData() + i)) > threshold)
                found = double(clock.nsecsElapsed()) / 1e6;
    }
    rec.kill();
    rec.waitForFinished();
    return found;
}

void ServeEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? -1 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
