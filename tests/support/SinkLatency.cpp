#include "support/SinkLatency.h"

#include <QElapsedTimer>

SinkLatencyHold::SinkLatencyHold() {
    pacat_.setStandardInputFile(QStringLiteral("/dev/zero"));
    pacat_.start(QStringLiteral("pacat"),
                 {QStringLiteral("--playback"), QStringLiteral("--device=show"),
                  QStringLiteral("--latency-msec=10"), QStringLiteral("--format=s16le"),
                  QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
                  QStringLiteral("--raw")});
    pacat_.waitForStarted(3000);
    // Let the sink take the new latency before anything is measured against it.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300)
        pacat_.waitForFinished(50);
}

SinkLatencyHold::~SinkLatencyHold() {
    pacat_.kill();
    pacat_.waitForFinished(2000);
}
