#include "support/MediaFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

bool MakeMp4(const QString& path, double seconds, int hz) {
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty()) return false;
    const QString d = QString::number(seconds);
    QProcess p;
    p.start(ffmpeg, {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
                     QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("testsrc=duration=%1:size=160x120:rate=10").arg(d),
                     QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("sine=frequency=%1:duration=%2").arg(hz).arg(d),
                     QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-c:a"),
                     QStringLiteral("aac"), QStringLiteral("-shortest"), path});
    return p.waitForFinished(60000) && p.exitCode() == 0 && QFile::exists(path);
}

bool MakeMidi(const QString& path) {
    // Format 0, one track, 96 ticks a quarter note at 120 bpm: four notes of 1/4 s.
    QByteArray track;
    const unsigned char notes[] = {60, 64, 67, 72};
    for (unsigned char note : notes) {
        track += QByteArray::fromRawData("\x00\x90", 2) + char(note) + char(100);
        track += QByteArray::fromRawData("\x30\x80", 2) + char(note) + char(0);
    }
    track += QByteArray::fromRawData("\x00\xFF\x2F\x00", 4);
    QByteArray file("MThd");
    file += QByteArray::fromRawData("\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60", 10);
    file += "MTrk";
    char length[4];
    qToBigEndian(quint32(track.size()), length);
    file.append(length, 4);
    file += track;
    QFile out(path);
    if (out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.flush())
        return true;
    ADD_FAILURE() << "could not write " << path.toStdString() << ": "
                  << out.errorString().toStdString();
    return false;
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

bool SoundServerUp() {
    bool up = false;
    const QString pactl = QStandardPaths::findExecutable(QStringLiteral("pactl"));
    if (!pactl.isEmpty()) {
        QProcess p;
        p.start(pactl, {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
        up = p.waitForFinished(5000) && p.exitCode() == 0 &&
             p.readAllStandardOutput().contains("show");
        // Levels are measured at full volume; a run of the program may have left the master
        // volume wherever its knob was.
        if (up) {
            p.start(pactl, {QStringLiteral("set-sink-volume"), QStringLiteral("show"),
                            QStringLiteral("100%")});
            p.waitForFinished(5000);
        }
    }
    if (!up && (!qEnvironmentVariableIsEmpty("CI") ||
                !qEnvironmentVariableIsEmpty("SCENOLUX_REQUIRE_SOUND")))
        ADD_FAILURE() << "no PulseAudio server with the sink \"show\" (scripts/sound-server.sh)";
    return up;
}

SinkRecording::SinkRecording() {
    rec_.start(QStringLiteral("parec"),
               {QStringLiteral("--device=show.monitor"), QStringLiteral("--format=s16le"),
                QStringLiteral("--rate=44100"), QStringLiteral("--channels=1"),
                QStringLiteral("--raw"), QStringLiteral("--latency-msec=20")});
    started_ = rec_.waitForStarted(3000);
}

SinkRecording::~SinkRecording() {
    stop();
}

void SinkRecording::stop(int tailMs) {
    if (rec_.state() == QProcess::NotRunning) return;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < tailMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        rec_.waitForReadyRead(10);
    }
    pcm_ += rec_.readAllStandardOutput();
    rec_.kill();
    rec_.waitForFinished(2000);
    pcm_ += rec_.readAllStandardOutput();
}

namespace {
double rmsOf(const char* samples, qsizetype n) {
    double sum = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const double v = qFromLittleEndian<qint16>(samples + 2 * i) / 32768.0;
        sum += v * v;
    }
    return n > 0 ? std::sqrt(sum / double(n)) : 0;
}
// A tenth of a second of sound at the least: anything shorter means the recorder never ran.
constexpr qsizetype kShortestRecording = 44100 / 10 * 2;
} // namespace

double SinkRecording::rms() const {
    if (pcm_.size() < kShortestRecording) {
        ADD_FAILURE() << "the sink recorded only " << pcm_.size() << " bytes";
        return -1;
    }
    return rmsOf(pcm_.constData(), pcm_.size() / 2);
}

double SinkRecording::recentLevel(int ms) {
    if (rec_.state() != QProcess::NotRunning) pcm_ += rec_.readAllStandardOutput();
    const qsizetype samples = qsizetype(ms) * 44100 / 1000;
    const qsizetype have = pcm_.size() / 2;
    if (have < samples) return -1;
    return rmsOf(pcm_.constData() + 2 * (have - samples), samples);
}

bool SinkRecording::listenFor(int ms) {
    recentLevel(0);
    const qsizetype until = pcm_.size() + qsizetype(ms) * 44100 / 1000 * 2;
    return WaitFor(
        [&] {
            recentLevel(0);
            return pcm_.size() >= until;
        },
        ms + 5000);
}

double SinkRecording::peak() const {
    if (pcm_.size() < kShortestRecording) {
        ADD_FAILURE() << "the sink recorded only " << pcm_.size() << " bytes";
        return -1;
    }
    double top = 0;
    for (qsizetype i = 0; i + 1 < pcm_.size(); i += 2)
        top = std::max(top, std::abs(qFromLittleEndian<qint16>(pcm_.constData() + i) / 32768.0));
    return top;
}

double RecordedLevel(int ms) {
    SinkRecording recording;
    if (!recording.started()) {
        ADD_FAILURE() << "parec could not record the sink";
        return -1;
    }
    // Counted in sound heard, not in wall time: on a busy machine the recorder starts late.
    double level = -1;
    WaitFor([&] { return (level = recording.recentLevel(ms)) >= 0; }, ms + 5000);
    if (level < 0) ADD_FAILURE() << "the sink gave less than " << ms << " ms of sound";
    return level;
}

bool HeardAtSink(const std::function<bool(double)>& wanted, int ms, int timeoutMs) {
    SinkRecording recording;
    if (!recording.started()) {
        ADD_FAILURE() << "parec could not record the sink";
        return false;
    }
    return WaitFor(
        [&] {
            const double level = recording.recentLevel(ms);
            return level >= 0 && wanted(level);
        },
        timeoutMs);
}
