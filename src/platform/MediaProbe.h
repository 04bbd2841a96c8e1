// What a media file holds, as GStreamer's discoverer reads it: length, sound and picture. The
// show check asks it about every file a script names, before the curtain rather than at the
// click.
#pragma once

#include <QString>

struct MediaFacts {
    enum class Outcome {
        Readable,  // the discoverer read it to the end of its headers
        Empty,     // a file of no bytes
        NoDecoder, // a decoder this machine lacks (the missing one is in detail)
        Damaged,   // damaged, or not a medium at all (the reason is in detail)
        TimedOut,  // no answer within the time limit
    };
    Outcome outcome = Outcome::Damaged;
    QString detail;
    qint64 lengthMs = -1; // -1: not known (a picture, a stream of no end)
    int audioStreams = 0;
    int channels = 0; // of the first sound stream
    int rate = 0;     // Hz, of the first sound stream
    int videoStreams = 0;
    int width = 0, height = 0; // of the first picture stream
    double frameRate = 0;      // frames a second; 0 for a still picture
};

class MediaProbe {
public:
    virtual ~MediaProbe() = default;
    // The facts of one file. Called from several threads at once.
    virtual MediaFacts Probe(const QString& path) = 0;
};

// The real probe: GStreamer's discoverer, one for each call, with a time limit per file.
class GstMediaProbe : public MediaProbe {
public:
    explicit GstMediaProbe(int timeoutMs = 10000);
    MediaFacts Probe(const QString& path) override;

private:
    int timeoutMs_;
};
