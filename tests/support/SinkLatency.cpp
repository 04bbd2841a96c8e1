#include "support/SinkLatency.h"

#include "support/SupportFailure.h"

#include <QElapsedTimer>
#include <QRegularExpression>

namespace {

// The latency the sink "show" reports now, in microseconds (-1: unknown).
qint64 sinkLatencyUsec() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sinks")});
    if (!pactl.waitForFinished(3000)) return -1;
    const QString out = QString::fromLocal8Bit(pactl.readAllStandardOutput());
    const qsizetype at = out.indexOf(QLatin1String("Name: show"));
    if (at < 0) return -1;
    static const QRegularExpression latency(QStringLiteral("Latency: (\\d+) usec"));
    const auto m = latency.match(out, at);
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

} // namespace

SinkLatencyHold::SinkLatencyHold() {
    pacat_.setStandardInputFile(QStringLiteral("/dev/zero"));
    pacat_.start(QStringLiteral("pacat"),
                 {QStringLiteral("--playback"), QStringLiteral("--device=show"),
                  QStringLiteral("--latency-msec=10"), QStringLiteral("--format=s16le"),
                  QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
                  QStringLiteral("--raw")});
    if (!pacat_.waitForStarted(3000)) {
        SupportFailure()(
            QStringLiteral("pacat could not hold the sink: %1").arg(pacat_.errorString()));
        return;
    }
    // The sink finishes the block it has already rendered before it takes the short latency.
    QElapsedTimer clock;
    clock.start();
    qint64 usec = -1;
    while (clock.elapsed() < 3000) {
        usec = sinkLatencyUsec();
        if (usec >= 0 && usec < 50000) return;
        if (pacat_.waitForFinished(50)) break;
    }
    SupportFailure()(
        pacat_.state() == QProcess::NotRunning
            ? QStringLiteral("pacat stopped: %1")
                  .arg(QString::fromLocal8Bit(pacat_.readAllStandardError().trimmed()))
            : QStringLiteral("the sink did not come down to 50 ms (%1 usec)").arg(usec));
}

SinkLatencyHold::~SinkLatencyHold() {
    pacat_.kill();
    pacat_.waitForFinished(2000);
}
