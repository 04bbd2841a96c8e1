// Holds the test sink at a sound card's latency.
#pragma once

#include <QProcess>

// A null sink that nothing asks for a short latency renders two seconds at a time, so what is
// heard at its monitor could lag what was played by up to that much. While this lives, a
// silent stream holds the sink at 10 ms, as a sound card would play; the constructor returns
// once the sink runs at that latency, and reports (SupportFailure) when the stream does not
// start or the latency is not reached: every timing measured after it would be off.
class SinkLatencyHold {
public:
    SinkLatencyHold();
    ~SinkLatencyHold();
    SinkLatencyHold(const SinkLatencyHold&) = delete;
    SinkLatencyHold& operator=(const SinkLatencyHold&) = delete;

private:
    QProcess pacat_;
};
