#include "platform/Mp3Gapless.h"

#include <QByteArray>
#include <QFile>

namespace {

// Enough for the largest first frame, and for some junk between the tag and it.
constexpr qint64 kFrameWindow = 4096;

unsigned byteAt(const QByteArray& b, qsizetype i) {
    return static_cast<unsigned char>(b[i]);
}

quint32 bigEndian32(const QByteArray& b, qsizetype i) {
    return byteAt(b, i) << 24 | byteAt(b, i + 1) << 16 | byteAt(b, i + 2) << 8 | byteAt(b, i + 3);
}

// The size of an ID3v2 tag at the start of head, 0 without one.
qint64 id3v2Size(const QByteArray& head) {
    if (head.size() < 10 || !head.startsWith("ID3")) return 0;
    qint64 size = 0;
    for (int i = 6; i < 10; ++i) {
        if (byteAt(head, i) & 0x80) return 0; // a tag size has 7 bits a byte
        size = size << 7 | byteAt(head, i);
    }
    const bool footer = byteAt(head, 5) & 0x10;
    return 10 + size + (footer ? 10 : 0);
}

std::optional<Mp3Gapless> fromFrames(const QByteArray& b) {
    for (qsizetype at = 0; at + 4 <= b.size(); ++at) {
        // A Layer III frame header: sync, a known version, a usable bitrate and rate.
        if (byteAt(b, at) != 0xFF || (byteAt(b, at + 1) & 0xE6) != 0xE2) continue;
        const unsigned version = byteAt(b, at + 1) >> 3 & 3; // 3 MPEG1, 2 MPEG2, 0 MPEG2.5
        const unsigned bitrate = byteAt(b, at + 2) >> 4, rate = byteAt(b, at + 2) >> 2 & 3;
        if (version == 1 || bitrate == 0 || bitrate == 15 || rate == 3) continue;
        static constexpr int kRates[] = {44100, 48000, 32000};
        const int sampleRate = kRates[rate] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
        const bool mono = (byteAt(b, at + 3) >> 6) == 3;
        const qsizetype sideInfo = version == 3 ? (mono ? 17 : 32) : (mono ? 9 : 17);
        // The record sits where the first frame's audio would; some encoders leave room for
        // a checksum before it.
        const bool crc = !(byteAt(b, at + 1) & 1);
        for (qsizetype tag : {at + 4 + sideInfo, at + 6 + sideInfo}) {
            if (tag + 8 > b.size()) break;
            const QByteArray name = b.mid(tag, 4);
            if (name != "Info" && name != "Xing") {
                if (!crc) break;
                continue;
            }
            const quint32 flags = bigEndian32(b, tag + 4);
            // Frames, bytes, a table of contents and a quality, each when its flag is set.
            qsizetype lame = tag + 8 + (flags & 1 ? 4 : 0) + (flags & 2 ? 4 : 0) +
                             (flags & 4 ? 100 : 0) + (flags & 8 ? 4 : 0);
            if (lame + 24 > b.size()) return std::nullopt;
            const QByteArray encoder = b.mid(lame, 4);
            if (encoder != "LAME" && encoder != "Lavc" && encoder != "Lavf") return std::nullopt;
            const unsigned d0 = byteAt(b, lame + 21), d1 = byteAt(b, lame + 22),
                           d2 = byteAt(b, lame + 23);
            return Mp3Gapless{sampleRate, int(d0 << 4 | d1 >> 4), int((d1 & 0xF) << 8 | d2)};
        }
        return std::nullopt; // the first frame has no record: nothing was added, or not said
    }
    return std::nullopt;
}

} // namespace

std::optional<Mp3Gapless> Mp3GaplessOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 skip = id3v2Size(file.read(10));
    if (!file.seek(skip)) return std::nullopt;
    return fromFrames(file.read(kFrameWindow));
}
